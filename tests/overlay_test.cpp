// The status line's text, and the overlay as drawn over real frames.
#include "render/overlay.h"

#include <cstring>
#include <string>

#include "tests/render_window.h"

namespace {

std::string statusLine(int8_t livesLeft, int8_t enemiesReleased)
{
    GameState g{};
    g.livesLeft = livesLeft;
    g.enemiesReleased = enemiesReleased;
    g.enemies[0].alive = 1;  // living enemies do not count, only those still to come
    char text[hudTextLength];
    std::memset(text, '?', sizeof text);
    fillHudText(g, text);
    for (int k = int(std::strlen(text)); k < hudTextLength; ++k)
        EXPECT_EQ(text[k], 0) << "position " << k;
    return text;
}

// Text bands: from a little under the baseline to above the capitals of an 18-pixel font.
struct Band {
    int x0, y0, x1, y1;
};

Band statusBand(const GameState& g)
{
    return {20, g.windowHeight - 63, 420, g.windowHeight - 42};
}

constexpr Band gameOverBand{20, 58, 200, 72};

int blackIn(const Frame& f, const Band& b)
{
    return f.countBlack(b.x0, b.y0, b.x1, b.y1);
}

}  // namespace

TEST(HudText, MarksSpareLivesAndEnemiesToCome)
{
    EXPECT_EQ(statusLine(3, 0), "LIVES: xxx   ENEMIES: xxxxxxxxxxxxxxxxxxxx");
    EXPECT_EQ(statusLine(3, 0).size(), 42u);
    EXPECT_EQ(statusLine(0, 5), "LIVES:       ENEMIES: xxxxxxxxxxxxxxx");
    EXPECT_EQ(statusLine(-1, 19), "LIVES:       ENEMIES: x");
    EXPECT_EQ(statusLine(1, 20), "LIVES: x     ENEMIES: ");
}

// With lighting on, pure black appears nowhere but in the text: the lit models and grid
// always keep some ambient light.
TEST(HudPixels, TextIsBlackLitOrNotAndFollowsTheWindowSize)
{
    USE_TEST_WINDOW(800, 600);
    GameState g = startState();
    for (bool lit : {true, false}) {
        applyLighting(lit);
        const Frame f = drawAndRead(g);
        EXPECT_EQ(glIsEnabled(GL_LIGHTING), GLboolean(lit)) << "lighting not restored";
        EXPECT_GT(blackIn(f, statusBand(g)), 100) << "lit " << lit;
        if (lit) {
            EXPECT_EQ(f.countBlack(0, 0, g.windowWidth - 1, g.windowHeight - 1),
                      blackIn(f, statusBand(g)));
        }
    }
    applyLighting(true);
}

TEST(HudPixels, GameOverShownOnlyWhileTheGameIsOver)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = startState();
    EXPECT_EQ(blackIn(drawAndRead(g), gameOverBand), 0);
    g.gameOver = 1;
    const Frame f = drawAndRead(g);
    EXPECT_GT(blackIn(f, gameOverBand), 50);
    EXPECT_GT(blackIn(f, statusBand(g)), 100);
}

// Unlit models draw in the current colour, so it must not depend on whether a frame had a size.
TEST(HudPixels, LeavesTheColourBlackWhateverTheWindowSize)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = startState();
    const int sizes[][2] = {{800, 800}, {0, 0}, {800, 0}, {0, 800}};
    for (const auto& size : sizes) {
        g.windowWidth = size[0];
        g.windowHeight = size[1];
        glColor4f(1, 0.5f, 0.25f, 1);
        drawHud(g);
        float colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(colour[k], k < 3 ? 0.0f : 1.0f) << size[0] << " x " << size[1];
    }
}

TEST(HudPixels, LeavesTheMatricesAsItFoundThem)
{
    USE_TEST_WINDOW(800, 800);
    const GameState g = startState();
    float before[16], after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, before);
    glLoadIdentity();
    drawHud(g);
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    EXPECT_EQ(std::memcmp(before, after, sizeof before), 0);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(after[k], k % 5 == 0 ? 1.0f : 0.0f);
}
