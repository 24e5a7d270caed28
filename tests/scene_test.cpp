// The scene as drawn: what GL received from drawWorld (feedback mode) and the pixels of whole
// frames.
#include "render/scene.h"

#include <cmath>

#include "game/level.h"
#include "tests/render_window.h"

namespace {

constexpr float tolerance = 1e-3f;

// Nothing on the field but the grid: no bricks, base or tanks, every shell free.
GameState emptyField()
{
    GameState g = startState();
    g.bricks = BrickGrid{};
    g.baseDestroyed = 1;
    g.playerDead = 1;
    g.player.shells.active[0] = g.player.shells.active[1] = 0;
    for (EnemyTank& e : g.enemies)
        e.alive = e.shells.active[0] = e.shells.active[1] = 0;
    return g;
}

// Every face the models send, in the outline state, where nothing is culled.
std::vector<std::vector<Vertex>> polygonsOf(const GameState& g)
{
    GameState outlined = g;
    outlined.filledPolygons = 0;
    return captureEyeCoordinates([&outlined] { drawWorld(outlined); }).polygons;
}

// How far ahead of (cx, cy) along (ux, uy) the drawn tank reaches, checking that everything
// ahead of its tracks is the narrow barrel and muzzle.
float barrelReach(const std::vector<std::vector<Vertex>>& polygons, float cx, float cy, int ux,
                  int uy)
{
    float reach = -1;
    for (const auto& p : polygons)
        for (const Vertex& v : p) {
            const float ahead = (v.x - cx) * float(ux) + (v.y - cy) * float(uy);
            const float across = (v.x - cx) * float(uy) - (v.y - cy) * float(ux);
            if (ahead > 0.4f + tolerance) {
                EXPECT_LE(std::fabs(across), 0.3f + tolerance);
                reach = std::max(reach, ahead);
            }
        }
    return reach;
}

// Where a world point lands with the camera straight above it: 40 units off, the frustum is
// 0.4 units high per unit of distance on either side of the centre, whatever the width.
void toPixel(const GameState& g, float x, float y, float z, int& px, int& py)
{
    const double scale = (g.windowHeight / 2.0) / (0.4 * (40.0 - z));
    px = int(std::floor(g.windowWidth / 2.0 + x * scale));
    py = int(std::floor(g.windowHeight / 2.0 + y * scale));
}

Rgb probe(const Frame& f, const GameState& g, float x, float y, float z)
{
    int px, py;
    toPixel(g, x, y, z, px, py);
    return f.at(px, py);
}

bool brickNear(const GameState& g, int i, int j)
{
    for (int di = -2; di <= 2; ++di)
        for (int dj = -2; dj <= 2; ++dj)
            if (brickAt(g.bricks, i + di, j + dj))
                return true;
    return false;
}

// Within the 2 by 2 footprint of the player's tank or the base, where they are drawn.
bool underTankOrBase(const GameState& g, float x, float y)
{
    auto within = [x, y](float cx, float cy) {
        return std::fabs(x - cx) < 1.25f && std::fabs(y - cy) < 1.25f;
    };
    return (!g.playerDead && within(g.player.x, g.player.y)) ||
           (!g.baseDestroyed && within(g.base.x, g.base.y));
}

// Every brick cell shows brick at the centre of its top; every cell with no brick
// or model near it shows the white floor between the grid lines.
void expectBricksAsInState(const GameState& g, const Frame& f)
{
    int bricks = 0;
    for (int i = 0; i < gridCells; ++i)
        for (int j = 0; j < gridCells; ++j) {
            const float x = -12.75f + 0.5f * float(i), y = -12.75f + 0.5f * float(j);
            if (g.bricks.cells[i][j]) {
                const Rgb p = probe(f, g, x, y, 1);
                EXPECT_GT(p.r - p.b, 40) << "no brick drawn at cell " << i << ", " << j;
                ++bricks;
            } else if (!brickNear(g, i, j) && !underTankOrBase(g, x, y)) {
                EXPECT_TRUE(probe(f, g, x, y, 0).isWhite())
                    << "something drawn at cell " << i << ", " << j;
            }
        }
    EXPECT_GT(bricks, 0);
}

void setView(float pitch, float yaw)
{
    std::lock_guard<std::mutex> lock(gameMutex);
    gameState.cameraPitch = pitch;
    gameState.cameraYaw = yaw;
}

}  // namespace

TEST(SceneGeometry, BricksSitOnTheirCells)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = emptyField();
    g.bricks.cells[0][0] = 1;
    g.bricks.cells[51][51] = 1;
    const auto polygons = polygonsOf(g);
    ASSERT_EQ(polygons.size(), 24u);  // two blocks of six faces, each as two triangles
    expectBounds(boundsOf(polygons, 0, 12), {{-13, -13, -40}, {-12.5f, -12.5f, -39}}, "cell 0, 0");
    expectBounds(boundsOf(polygons, 12, 12), {{12.5f, 12.5f, -40}, {13, 13, -39}}, "cell 51, 51");

    // Straight from above, the batch leaves out the bottoms and culls the sides, which
    // stand edge-on in this parallel projection: two tops remain.
    const auto batched = captureEyeCoordinates([&g] { drawWorld(g); }).polygons;
    ASSERT_EQ(batched.size(), 4u);
    expectBounds(boundsOf(batched, 0, batched.size()), {{-13, -13, -39}, {13, 13, -39}},
                 "both tops");
}

TEST(SceneGeometry, TanksFaceTheirHeadings)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = emptyField();
    g.playerDead = 0;
    g.player.x = 2;
    g.player.y = 3;
    g.player.heading = 0;
    EXPECT_NEAR(barrelReach(polygonsOf(g), 2, 3, 0, 1), 1.0f, tolerance);
    g.player.heading = 90;
    EXPECT_NEAR(barrelReach(polygonsOf(g), 2, 3, -1, 0), 1.0f, tolerance);

    g.playerDead = 1;
    g.enemies[7].alive = 1;
    g.enemies[7].x = -6;
    g.enemies[7].y = 8;
    g.enemies[7].heading = 270;
    EXPECT_NEAR(barrelReach(polygonsOf(g), -6, 8, 1, 0), 1.0f, tolerance);
}

// The yaw turns the world about its own y axis first, then the pitch about x.
TEST(SceneGeometry, OrbitTurnsByYawThenPitch)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = emptyField();
    g.baseDestroyed = 0;
    g.base.x = 5;
    g.base.y = 0;
    g.cameraPitch = 90;
    g.cameraYaw = 90;
    const auto polygons = polygonsOf(g);
    ASSERT_FALSE(polygons.empty());
    // World (x, y, z) ends up at eye (z, x, y - 40).
    expectBounds(boundsOf(polygons, 0, polygons.size()), {{0, 4, -41}, {1.5f, 6, -39}}, "base");
}

TEST(ScenePixels, StartShowsTheLevelOnWhite)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = startState();
    const Frame f = drawAndRead(g);
    expectBricksAsInState(g, f);
    // Outside the field, on all four sides.
    EXPECT_TRUE(f.at(30, 400).isWhite());
    EXPECT_TRUE(f.at(770, 400).isWhite());
    EXPECT_TRUE(f.at(400, 30).isWhite());
    EXPECT_TRUE(f.at(770, 770).isWhite());
    // The base's green top and the player's yellow tank beside it.
    const Rgb base = probe(f, g, 0.25f, -11.75f, 1.5f);
    EXPECT_GT(base.g - base.r, 40);
    EXPECT_GT(base.g - base.b, 40);
    const Rgb tank = probe(f, g, -3.8f, -12.3f, 1);
    EXPECT_GT(tank.r - tank.b, 40);
    EXPECT_GT(tank.g - tank.b, 40);
}

TEST(ScenePixels, ClearedStripShowsTheFloor)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = startState();
    ASSERT_TRUE(isLevelCell(9, 20));
    for (int i = 8; i <= 11; ++i)
        for (int j = 16; j <= 23; ++j)
            clearBrick(g.bricks, i, j);
    const Frame f = drawAndRead(g);
    expectBricksAsInState(g, f);
    EXPECT_TRUE(probe(f, g, -8.25f, -2.75f, 0).isWhite());
}

TEST(ScenePixels, DestroyedThingsAreNotDrawn)
{
    USE_TEST_WINDOW(800, 800);
    GameState g = startState();
    g.player.shells.active[0] = g.player.shells.active[1] = 1;
    g.player.shells.pos[0][0] = -4.5f;
    g.player.shells.pos[0][1] = 0.5f;
    g.player.shells.pos[1][0] = 1.5f;
    g.player.shells.pos[1][1] = 0.5f;
    EnemyTank& wreck = g.enemies[0];  // dead, but its shell is still in flight
    wreck.alive = 0;
    wreck.shells.active[0] = 1;
    wreck.shells.pos[0][0] = 5.5f;
    wreck.shells.pos[0][1] = 0.5f;
    g.enemies[1].alive = 1;
    g.enemies[1].x = 0;
    g.enemies[1].y = 12;

    auto drawn = [&g](const Frame& f, float x, float y, float z) {
        return !probe(f, g, x, y, z).isWhite();
    };
    Frame f = drawAndRead(g);
    EXPECT_TRUE(drawn(f, -3.8f, -12.3f, 1));   // player's tank
    EXPECT_TRUE(drawn(f, -4.5f, 0.5f, 0.8f));  // its shells
    EXPECT_TRUE(drawn(f, 1.5f, 0.5f, 0.8f));
    EXPECT_TRUE(drawn(f, 0.25f, -11.75f, 1.5f));  // base
    EXPECT_TRUE(drawn(f, 5.5f, 0.5f, 0.8f));      // the wreck's shell
    const Rgb enemy = probe(f, g, 0.1f, 12.3f, 1);
    EXPECT_GT(enemy.b - enemy.r, 40);

    g.playerDead = 1;
    g.baseDestroyed = 1;
    f = drawAndRead(g);
    EXPECT_FALSE(drawn(f, -3.8f, -12.3f, 1));
    EXPECT_FALSE(drawn(f, -4.5f, 0.5f, 0.8f));
    EXPECT_FALSE(drawn(f, 1.5f, 0.5f, 0.8f));
    EXPECT_FALSE(drawn(f, 0.25f, -11.75f, 1.5f));
    EXPECT_TRUE(drawn(f, 5.5f, 0.5f, 0.8f));
}

TEST(ScenePixels, ViewTogglesChangeThePicture)
{
    USE_TEST_WINDOW(800, 800);
    const GameState g = startState();
    const float x = -7.75f, y = -2.75f;  // inside the long left wall
    ASSERT_TRUE(g.bricks.cells[10][20]);

    GameState outlined = g;  // as the key leaves it: the flag and the GL mode together
    outlined.filledPolygons = 0;
    applyPolygonMode(false);
    EXPECT_TRUE(probe(drawAndRead(outlined), g, x, y, 1).isWhite()) << "outlines only";
    applyPolygonMode(true);

    // Unlit, models take the current colour, which the overlay leaves black.
    applyLighting(false);
    drawAndRead(g);
    const Rgb unlit = probe(drawAndRead(g), g, x, y, 1);
    applyLighting(true);
    EXPECT_EQ(unlit.r + unlit.g + unlit.b, 0);
    EXPECT_GT(probe(drawAndRead(g), g, x, y, 1).r, 0);
}

// GL reports a call it refuses only through glGetError, and the picture may still look right.
TEST(ScenePixels, NoGlErrorAfterStartUpOrAFrameInAnyView)
{
    USE_TEST_WINDOW(800, 800);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "after start-up";
    GameState g = startState();
    for (const bool lit : {true, false})
        for (const bool filled : {true, false}) {
            g.lightingOn = lit;
            g.filledPolygons = filled;
            applyLighting(lit);
            applyPolygonMode(filled);
            drawAndRead(g);
            EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "lit " << lit << ", filled " << filled;
        }
    applyLighting(true);
    applyPolygonMode(true);
}

TEST(ScenePixels, WideWindowShowsTheSameHeightOfField)
{
    USE_TEST_WINDOW(1600, 800);
    const GameState g = startState();
    const Frame f = drawAndRead(g);
    expectBricksAsInState(g, f);
    EXPECT_TRUE(f.at(440, 400).isWhite());   // left of the field
    EXPECT_TRUE(f.at(1160, 400).isWhite());  // right of it
    EXPECT_FALSE(f.at(474, 400).isWhite() && f.at(475, 400).isWhite()) << "left border line";
}

TEST(SceneView, EmptyWindowDividesByNothingAndRecovers)
{
    USE_TEST_WINDOW(800, 800);
    setView(0, 0);
    const int sizes[][2] = {{800, 0}, {0, 800}, {0, 0}};
    for (const auto& size : sizes) {
        onReshape(size[0], size[1]);
        float m[16];
        glGetFloatv(GL_PROJECTION_MATRIX, m);
        for (float v : m)
            EXPECT_TRUE(std::isfinite(v));
        drawAndRead(startState());
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

        onMouseButton(0, 0, 100, 100);
        onMouseDrag(150, 160);
        const GameState g = startState();
        EXPECT_EQ(g.mouseLastX, 150);
        EXPECT_EQ(g.mouseLastY, 160);
        EXPECT_TRUE(size[0] != 0 || g.cameraYaw == 0.0f);
        EXPECT_TRUE(size[1] != 0 || g.cameraPitch == 0.0f);
        EXPECT_TRUE(std::isfinite(g.cameraYaw) && std::isfinite(g.cameraPitch));
        setView(0, 0);
    }
    onReshape(800, 800);
    const GameState g = startState();
    expectBricksAsInState(g, drawAndRead(g));
}

TEST(SceneView, DragsOrbitHalfATurnPerWindow)
{
    USE_TEST_WINDOW(800, 800);
    setView(0, 0);
    onMouseButton(0, 0, 100, 100);
    onMouseButton(2, 0, 700, 700);  // right press: the anchor stays
    onMouseButton(0, 1, 700, 700);  // left release: likewise
    onMouseDrag(500, 300);
    GameState g = startState();
    EXPECT_FLOAT_EQ(g.cameraYaw, 90);
    EXPECT_FLOAT_EQ(g.cameraPitch, 45);
    onMouseDrag(100, 300);  // measured from the last position, not the anchor
    g = startState();
    EXPECT_FLOAT_EQ(g.cameraYaw, 0);
    EXPECT_FLOAT_EQ(g.cameraPitch, 45);
    setView(0, 0);
}
