#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

#include "fixtures.h"

TEST(SnapToCell, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(snapToCell(0.5f), 1.0f);
    EXPECT_EQ(snapToCell(-0.5f), -1.0f);
    EXPECT_EQ(snapToCell(2.5f), 3.0f);
    EXPECT_EQ(snapToCell(-2.5f), -3.0f);
    EXPECT_EQ(snapToCell(0.49f), 0.0f);
    EXPECT_EQ(snapToCell(-0.3f), 0.0f);
    EXPECT_EQ(snapToCell(0.0f), 0.0f);
    EXPECT_EQ(snapToCell(-11.6f), -12.0f);
    // In float arithmetic 0.49999997f + 0.5f rounds up to 1.
    EXPECT_EQ(snapToCell(std::nextafter(0.5f, 0.0f)), 0.0f);
    EXPECT_EQ(snapToCell(-std::nextafter(0.5f, 0.0f)), 0.0f);
}

TEST(Level, HasExactlyTheLayoutCells)
{
    GameState g = startedGame();
    EXPECT_EQ(brickCount(g), 896);
    int layoutCells = 0;
    for (int i = 0; i < gridCells; ++i)
        for (int j = 0; j < gridCells; ++j) {
            layoutCells += isLevelCell(i, j);
            ASSERT_EQ(g.bricks.cells[i][j], isLevelCell(i, j) ? 1 : 0) << i << "," << j;
            ASSERT_EQ(g.bricks.cells[i][j], g.bricks.cells[gridCells - 1 - i][j])
                << "mirror " << i << "," << j;
        }
    EXPECT_EQ(layoutCells, 896);  // no two rectangles overlap
}

TEST(Level, LeavesThePocketsLanesAndEntryPointsFree)
{
    GameState g = startedGame();
    auto emptyBlock = [&](int i0, int i1, int j0, int j1) {
        for (int i = i0; i <= i1; ++i)
            for (int j = j0; j <= j1; ++j)
                if (g.bricks.cells[i][j])
                    return false;
        return true;
    };
    EXPECT_TRUE(emptyBlock(24, 27, 0, 3));    // the base's pocket
    EXPECT_TRUE(emptyBlock(16, 19, 0, 3));    // the player's start
    EXPECT_TRUE(emptyBlock(0, 51, 48, 51));   // the entry band
    EXPECT_TRUE(emptyBlock(22, 29, 16, 23));  // the gap in the middle wall
    // The pocket is walled left, right and above.
    EXPECT_TRUE(g.bricks.cells[23][0] && g.bricks.cells[28][0] && g.bricks.cells[25][4]);
    EXPECT_TRUE(g.bricks.cells[0][16] && g.bricks.cells[51][23]);
}

TEST(Level, PresetsEnemySlotsAtTheirEntryPoints)
{
    GameState g = startedGame();
    const float entryX[] = {-12.0f, 0.0f, 12.0f};
    for (int k = 0; k < enemySlots; ++k) {
        EXPECT_EQ(g.enemies[k].x, entryX[k % 3]);
        EXPECT_EQ(g.enemies[k].y, 12.0f);
        EXPECT_EQ(g.enemies[k].heading, 180);
        EXPECT_EQ(g.enemies[k].alive, 0);
    }
}

TEST(NewGame, RestoresWhatStartUpSetsAndKeepsTheRest)
{
    const GameState fresh = startedGame();
    GameState g = fresh;
    // Play a little: shoot bricks away, lose lives, release enemies, move the view.
    g.bricks.cells[4][28] = 0;
    g.bricks.cells[25][4] = 0;
    g.player.x = 3.0f;
    g.player.moveDir = moveRight;
    g.player.heading = 270;
    g.player.shells.active[1] = 1;
    g.livesLeft = 0;
    g.playerDead = 1;
    g.baseDestroyed = 1;
    g.gameOver = 1;
    g.paused = 1;
    g.enemies[2].alive = 1;
    g.enemies[2].x = 5.0f;
    g.enemies[2].moveDir = moveLeft;
    g.enemies[2].shells.active[0] = 1;
    g.enemies[2].shells.pos[0][0] = 7.0f;
    g.enemiesReleased = 3;
    g.enemiesOnField = 1;
    g.cameraYaw = 30.0f;
    g.lightingOn = 0;

    resetGame(g);

    EXPECT_EQ(0, std::memcmp(&g.bricks, &fresh.bricks, sizeof g.bricks));
    EXPECT_EQ(g.player.x, fresh.player.x);
    EXPECT_EQ(g.player.y, fresh.player.y);
    EXPECT_EQ(g.livesLeft, 3);
    EXPECT_EQ(g.playerDead, 0);
    EXPECT_EQ(g.player.shells.active[1], 0);
    EXPECT_EQ(g.baseDestroyed, 0);
    EXPECT_EQ(g.gameOver, 0);
    EXPECT_EQ(g.enemiesReleased, 0);
    EXPECT_EQ(g.enemiesOnField, 0);
    for (int k = 0; k < enemySlots; ++k) {
        EXPECT_EQ(g.enemies[k].x, fresh.enemies[k].x);
        EXPECT_EQ(g.enemies[k].alive, 0);
        EXPECT_EQ(g.enemies[k].shells.active[0], 0);
    }
    // What a new game leaves alone: the held order, old shell data, pause and view.
    EXPECT_EQ(g.player.moveDir, moveRight);
    EXPECT_EQ(g.player.heading, 270);
    EXPECT_EQ(g.enemies[2].moveDir, moveLeft);
    EXPECT_EQ(g.enemies[2].shells.pos[0][0], 7.0f);
    EXPECT_EQ(g.paused, 1);
    EXPECT_EQ(g.cameraYaw, 30.0f);
    EXPECT_EQ(g.lightingOn, 0);
}
