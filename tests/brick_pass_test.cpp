// The batched brick pass against the plain one, a display list per brick: the same
// picture from every side, pixel by pixel, but for a few pixels along edges.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "game/tick.h"
#include "tests/render_window.h"

namespace {

struct Difference {
    int pixels;       // pixels that differ at all
    int largest;      // the largest difference in one channel
    int unexplained;  // differing pixels whose colour shows nowhere next to them in the other frame
};

int channelDifference(Rgb a, Rgb b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// Whether colour c is in frame f within one pixel of (x, y), give or take the last bits
// of shading: then a rounding moved an edge or a tie in depth, and no face is missing.
bool colourNearby(const Frame& f, int x, int y, Rgb c)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < f.width && ny < f.height &&
                channelDifference(f.at(nx, ny), c) <= 2)
                return true;
        }
    return false;
}

Difference compare(const Frame& plain, const Frame& batched)
{
    Difference d{0, 0, 0};
    for (int y = 0; y < plain.height; ++y)
        for (int x = 0; x < plain.width; ++x) {
            const int most = channelDifference(plain.at(x, y), batched.at(x, y));
            if (most == 0)
                continue;
            ++d.pixels;
            d.largest = std::max(d.largest, most);
            d.unexplained += !colourNearby(plain, x, y, batched.at(x, y)) &&
                             !colourNearby(batched, x, y, plain.at(x, y));
        }
    return d;
}

// Both passes, twice each, so that whatever one frame leaves current (the colour, the
// normal) meets the next frame of the same pass, as it would in play.
void expectSamePicture(const GameState& g, const char* view)
{
    drawAndRead(g, drawBrickCells);
    const Frame plain = drawAndRead(g, drawBrickCells);
    drawAndRead(g, drawBricks);
    const Frame batched = drawAndRead(g, drawBricks);
    const Difference d = compare(plain, batched);
    std::printf("%-22s %5d pixels differ, by at most %3d; %d unexplained\n", view, d.pixels,
                d.largest, d.unexplained);
    EXPECT_EQ(d.unexplained, 0) << view;
    // Only edges: a missing or misplaced face would change whole areas.
    EXPECT_LE(d.pixels, plain.width * plain.height / 1000) << view;
}

GameState withView(float pitch, float yaw)
{
    GameState g = startState();
    g.cameraPitch = pitch;
    g.cameraYaw = yaw;
    return g;
}

// Walls cut by shells as in play: strips of four cells across each shell's path.
GameState afterStrikes()
{
    GameState g = startState();
    const int strikes[][2] = {{9, 20}, {10, 24}, {25, 30}, {40, 20}, {26, 8}, {30, 44}};
    for (const auto& s : strikes)
        for (int d = -2; d < 2; ++d)
            clearBrick(g.bricks, s[0] + d, s[1]);
    clearBrick(g.bricks, 0, 0);
    return g;
}

TEST(BrickPass, SamePictureFromEverySide)
{
    USE_TEST_WINDOW(800, 800);
    expectSamePicture(startState(), "start");
    expectSamePicture(afterStrikes(), "after strikes");
    expectSamePicture(withView(-35, 20), "orbited");
    expectSamePicture(withView(70, -150), "orbited, far round");
    expectSamePicture(withView(90, 0), "from the side");
    expectSamePicture(withView(-88.6f, 0), "just above the tops");
    expectSamePicture(withView(150, 10), "from below the floor");
    expectSamePicture(withView(8, 172), "from nearly below");
    expectSamePicture(withView(-170, 12), "from below, turned");
}

TEST(BrickPass, SamePictureUnlitAndInOutline)
{
    USE_TEST_WINDOW(800, 800);
    applyLighting(false);
    expectSamePicture(afterStrikes(), "unlit");
    expectSamePicture(withView(-35, 20), "unlit, orbited");
    applyLighting(true);

    GameState g = afterStrikes();
    g.filledPolygons = 0;
    applyPolygonMode(false);
    expectSamePicture(g, "outlines");
    g.cameraPitch = -60;
    expectSamePicture(g, "outlines, orbited");
    applyPolygonMode(true);
}

// The batch follows the bricks from frame to frame: a strike shows in the next frame.
TEST(BrickPass, StrikeShowsInTheNextFrame)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = startState();
    drawAndRead(g);
    clearBrick(g.bricks, 10, 20);
    clearBrick(g.bricks, 10, 21);
    expectSamePicture(g, "after one strike");
    g.bricks = BrickGrid{};
    expectSamePicture(g, "no bricks left");
    g = startState();
    expectSamePicture(g, "after a new game");
}

}  // namespace
