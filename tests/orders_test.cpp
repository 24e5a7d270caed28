#include <gtest/gtest.h>

#include <cstring>

#include "fixtures.h"
#include "game/controls.h"
#include "game/orders.h"

namespace {

Tank tankAt(float x, float y, int32_t heading)
{
    Tank t{};
    t.x = x;
    t.y = y;
    t.heading = heading;
    return t;
}

// Arrays of one scalar type hold no padding, so their bytes are their values.
template <class Array>
bool sameValues(const Array& a, const Array& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameTank(const Tank& a, const Tank& b)
{
    return a.x == b.x && a.y == b.y && a.moveDir == b.moveDir && a.heading == b.heading &&
           sameValues(a.shells.active, b.shells.active) &&
           sameValues(a.shells.heading, b.shells.heading) &&
           sameValues(a.shells.pos, b.shells.pos) && sameValues(a.shells.vel, b.shells.vel);
}

// Every field of the two games, and not the padding between them.
void expectSameGame(const GameState& a, const GameState& b)
{
    EXPECT_TRUE(a.playerDead == b.playerDead && a.livesLeft == b.livesLeft &&
                sameTank(a.player, b.player))
        << "player";
    EXPECT_TRUE(a.base.x == b.base.x && a.base.y == b.base.y && a.baseDestroyed == b.baseDestroyed)
        << "base";
    for (int k = 0; k < enemySlots; ++k)
        EXPECT_TRUE(a.enemies[k].alive == b.enemies[k].alive &&
                    sameTank(a.enemies[k], b.enemies[k]))
            << "enemy " << k;
    EXPECT_TRUE(a.enemiesReleased == b.enemiesReleased && a.enemiesOnField == b.enemiesOnField &&
                sameValues(a.bricks.cells, b.bricks.cells) && a.gameOver == b.gameOver &&
                a.paused == b.paused)
        << "game";
    EXPECT_TRUE(a.cameraPitch == b.cameraPitch && a.cameraYaw == b.cameraYaw &&
                a.mouseLastX == b.mouseLastX && a.mouseLastY == b.mouseLastY &&
                a.windowWidth == b.windowWidth && a.windowHeight == b.windowHeight &&
                a.filledPolygons == b.filledPolygons && a.lightingOn == b.lightingOn &&
                a.gridList == b.gridList && a.tankList == b.tankList &&
                a.shellList == b.shellList && a.brickList == b.brickList &&
                a.baseList == b.baseList)
        << "view";
}

}  // namespace

TEST(LaunchShell, StartsAheadOnTheLane)
{
    struct Case {
        float x, y;
        int32_t heading;
        float sx, sy;
    } cases[] = {
        {-4.0f, -12.0f, 0, -4.0f, -11.8f}, {2.0f, 3.3f, 0, 2.0f, 4.2f},
        {2.0f, 3.8f, 0, 2.0f, 4.2f},       {2.0f, 4.3f, 0, 2.0f, 5.2f},
        {-7.6f, 1.0f, 270, -6.8f, 1.0f},   {0.0f, 0.0f, 90, -0.2f, 0.0f},
        {0.0f, 0.0f, 180, 0.0f, -0.2f},
    };
    for (const Case& c : cases) {
        Tank t = tankAt(c.x, c.y, c.heading);
        launchShell(t);
        EXPECT_EQ(t.shells.active[0], 1);
        EXPECT_EQ(t.shells.pos[0][0], c.sx) << c.x << "," << c.y << " heading " << c.heading;
        EXPECT_EQ(t.shells.pos[0][1], c.sy) << c.x << "," << c.y << " heading " << c.heading;
        EXPECT_EQ(t.shells.heading[0], c.heading);
    }
    Tank left = tankAt(0, 0, 90);
    launchShell(left);
    EXPECT_EQ(left.shells.vel[0][0], -0.25f);
    EXPECT_EQ(left.shells.vel[0][1], 0.0f);
}

TEST(LaunchShell, UsesTheFirstFreeSlotAndNoMore)
{
    Tank t = tankAt(0, 0, 0);
    t.shells.active[0] = 1;
    t.shells.pos[0][1] = 7.0f;
    launchShell(t);
    EXPECT_EQ(t.shells.active[1], 1);
    EXPECT_EQ(t.shells.pos[0][1], 7.0f);
    t.heading = 180;
    launchShell(t);  // both in flight: nothing changes
    EXPECT_EQ(t.shells.heading[1], 0);
    EXPECT_EQ(t.shells.pos[0][1], 7.0f);
}

TEST(Keys, TurnsSnapTheCoordinateAcrossTheNewMotion)
{
    GameState g = startedGame();
    g.player.moveDir = moveUp;
    g.player.x = 1.0f;
    g.player.y = 3.4f;
    pressKey(g, 'd');
    EXPECT_EQ(g.player.moveDir, moveRight);
    EXPECT_EQ(g.player.heading, 270);
    EXPECT_EQ(g.player.y, 3.0f);
    EXPECT_EQ(g.player.x, 1.0f);
    const float snaps[][2] = {{-0.5f, -1.0f}, {2.5f, 3.0f}, {-0.4f, 0.0f}};
    for (const auto& s : snaps) {
        g.player.moveDir = moveUp;
        g.player.y = s[0];
        pressKey(g, 'a');
        EXPECT_EQ(g.player.y, s[1]);
        EXPECT_EQ(g.player.heading, 90);
    }
}

TEST(Keys, SamePressChangesNothingAndReleaseStopsOnlyItsOwnOrder)
{
    GameState g = startedGame();
    pressKey(g, 'w');
    g.player.x = 0.4f;  // drifted off the lane
    pressKey(g, 'w');
    EXPECT_EQ(g.player.x, 0.4f);
    pressKey(g, 'd');
    releaseKey(g, 'w');
    EXPECT_EQ(g.player.moveDir, moveRight);
    releaseKey(g, 'd');
    EXPECT_EQ(g.player.moveDir, moveNone);
    EXPECT_EQ(g.player.heading, 270);
    g.player.x = 0.4f;
    pressKey(g, 'w');  // after a stop the order is new again
    EXPECT_EQ(g.player.x, 0.0f);
}

TEST(Keys, OnlyTheTwelveLowerCaseKeysDoAnything)
{
    GameState g = startedGame();
    const GameState before = g;
    for (int key = 0; key < 256; ++key) {
        if (std::strchr("wsadjlpnqr/.", key) && key != 0)
            continue;
        EXPECT_EQ(pressKey(g, static_cast<unsigned char>(key)), keyNoEffect) << key;
        releaseKey(g, static_cast<unsigned char>(key));
    }
    expectSameGame(g, before);
}

TEST(Keys, ViewPauseAndStepKeys)
{
    GameState g = startedGame();
    EXPECT_EQ(pressKey(g, '.'), keyNoEffect);
    EXPECT_EQ(pressKey(g, '/'), keyApplyPause);
    EXPECT_EQ(g.paused, 1);
    EXPECT_EQ(pressKey(g, '.'), keyRunTick);
    EXPECT_EQ(pressKey(g, 'j'), keyNoEffect);  // firing works while paused
    EXPECT_EQ(g.player.shells.active[0], 1);
    EXPECT_EQ(pressKey(g, '/'), keyApplyPause);
    EXPECT_EQ(g.paused, 0);

    for (int press = 0; press < 2; ++press) {
        EXPECT_EQ(pressKey(g, 'l'), keyApplyLighting);
        EXPECT_EQ(g.lightingOn, press == 0 ? 0 : 1);
        EXPECT_EQ(pressKey(g, 'p'), keyApplyPolygonMode);
        EXPECT_EQ(g.filledPolygons, press == 0 ? 0 : 1);
    }
    g.cameraPitch = 12.0f;
    g.cameraYaw = -7.0f;
    pressKey(g, 'r');
    EXPECT_EQ(g.cameraPitch, 0.0f);
    EXPECT_EQ(g.cameraYaw, 0.0f);
    EXPECT_EQ(pressKey(g, 'q'), keyQuit);
}
