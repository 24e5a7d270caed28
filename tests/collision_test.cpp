#include <gtest/gtest.h>

#include <cmath>

#include "fixtures.h"
#include "game/collision.h"

TEST(Collision, TanksOverlapInACross)
{
    GameState g = emptyField();
    placeEnemy(g, 0, 0.0f, 0.0f);
    EXPECT_TRUE(enemyBlocks(g, 1.9f, 0.9f));
    EXPECT_TRUE(enemyBlocks(g, 0.9f, 1.9f));
    EXPECT_TRUE(enemyBlocks(g, 0.0f, 1.99f));
    EXPECT_TRUE(enemyBlocks(g, 1.0f, 0.5f));
    EXPECT_FALSE(enemyBlocks(g, 2.0f, 0.0f));
    EXPECT_FALSE(enemyBlocks(g, 0.0f, 2.0f));
    EXPECT_FALSE(enemyBlocks(g, 1.0f, 1.0f));
    EXPECT_FALSE(enemyBlocks(g, 1.5f, 1.5f));
    g.enemies[0].alive = 0;
    EXPECT_FALSE(enemyBlocks(g, 0.0f, 0.0f));
}

TEST(Collision, TankBlocksLeavesOutSelfAndTheDeadPlayer)
{
    GameState g = emptyField();
    placeEnemy(g, 5, 0.0f, 0.0f);
    EXPECT_FALSE(tankBlocks(g, 5, 0.5f, 0.0f));
    EXPECT_TRUE(tankBlocks(g, 6, 0.5f, 0.0f));
    EXPECT_TRUE(tankBlocks(g, -1, 0.5f, 0.0f));
    g.player.x = 8.0f;
    g.player.y = 8.0f;
    EXPECT_TRUE(tankBlocks(g, 5, 8.0f, 9.5f));
    g.playerDead = 1;
    EXPECT_FALSE(tankBlocks(g, 5, 8.0f, 9.5f));
}

TEST(Collision, ShellHitsTargetReach)
{
    EXPECT_TRUE(shellHitsTarget(1.4f, 1.3f, 0, 0));
    EXPECT_TRUE(shellHitsTarget(1.3f, 1.4f, 0, 0));
    EXPECT_TRUE(shellHitsTarget(-1.4f, -1.3f, 0, 0));
    EXPECT_TRUE(shellHitsTarget(0, 1.4f, 0, 0));
    EXPECT_FALSE(shellHitsTarget(1.35f, 1.35f, 0, 0));
    EXPECT_FALSE(shellHitsTarget(1.4f, 1.4f, 0, 0));
    EXPECT_FALSE(shellHitsTarget(1.41f, 0, 0, 0));
    EXPECT_FALSE(shellHitsTarget(0, 1.41f, 0, 0));
    // 6.3f lies above 6.3, so the y distance from 5 exceeds 1.3.
    EXPECT_FALSE(shellHitsTarget(1.4f, 6.3f, 0, 5.0f));
}

TEST(Collision, ShellsMeetReachWithFloatDistances)
{
    EXPECT_TRUE(shellsMeet(0.5f, 0.5f, 0, 0));
    EXPECT_TRUE(shellsMeet(0.55f, 0.3f, 0, 0));
    EXPECT_TRUE(shellsMeet(0.3f, 0.55f, 0, 0));
    EXPECT_TRUE(shellsMeet(0.4f, 0.4f, 0, 0));
    EXPECT_FALSE(shellsMeet(0.51f, 0.51f, 0, 0));
    EXPECT_FALSE(shellsMeet(0.55f, 0.45f, 0, 0));
    EXPECT_FALSE(shellsMeet(0.45f, 0.55f, 0, 0));
    // The float nearest 0.6 lies beyond 0.6; the next float below it is within.
    EXPECT_FALSE(shellsMeet(0.6f, 0.0f, 0, 0));
    EXPECT_TRUE(shellsMeet(std::nextafter(0.6f, 0.0f), 0.0f, 0, 0));
    EXPECT_TRUE(shellsMeet(0.0f, 3.6f, 0.0f, 3.0f));  // 3.6f - 3.0f lies below 0.6
    // At 0.55 across, the float nearest 0.4 is just too far along.
    EXPECT_FALSE(shellsMeet(0.55f, 0.4f, 0, 0));
}

TEST(PlayerShellHits, OneShellTakesTwoEnemiesAndTheirShells)
{
    GameState g = emptyField();
    placeEnemy(g, 0, -1.0f, 5.0f);
    placeEnemy(g, 1, 1.0f, 5.0f);
    placeShell(g.enemies[1], 1, 0.2f, 5.3f);
    placeShell(g.player, 0, 0.0f, 5.0f);
    resolvePlayerShellHits(g);
    EXPECT_EQ(g.enemies[0].alive, 0);
    EXPECT_EQ(g.enemies[1].alive, 0);
    EXPECT_EQ(g.enemies[1].shells.active[1], 0);
    EXPECT_EQ(g.enemiesOnField, 0);
    EXPECT_EQ(g.player.shells.active[0], 0);
}

TEST(PlayerShellHits, ShellZeroTakesTheEnemyAndShellOneFliesOn)
{
    GameState g = emptyField();
    placeEnemy(g, 3, 0.0f, 5.0f);
    placeShell(g.player, 0, 0.0f, 4.0f);
    placeShell(g.player, 1, 0.0f, 4.5f);
    resolvePlayerShellHits(g);
    EXPECT_EQ(g.enemies[3].alive, 0);
    EXPECT_EQ(g.enemiesOnField, 0);
    EXPECT_EQ(g.player.shells.active[0], 0);
    EXPECT_EQ(g.player.shells.active[1], 1);
}

TEST(PlayerShellHits, PassesThroughShellsOfDeadEnemiesAndHitsTheBase)
{
    GameState g = emptyField();
    placeShell(g.enemies[4], 0, 0.0f, 0.0f, 0.0f, -0.25f);  // slot 4 never alive
    placeShell(g.player, 0, 0.0f, 0.0f);
    resolvePlayerShellHits(g);
    EXPECT_EQ(g.enemies[4].shells.active[0], 1);
    EXPECT_EQ(g.player.shells.active[0], 1);

    // A shell that kills an enemy beside the base destroys the base too.
    placeEnemy(g, 0, 1.0f, -11.0f);
    placeShell(g.player, 1, 0.0f, -10.7f);
    resolvePlayerShellHits(g);
    EXPECT_EQ(g.enemies[0].alive, 0);
    EXPECT_EQ(g.baseDestroyed, 1);
    EXPECT_EQ(g.gameOver, 1);
    EXPECT_EQ(g.player.shells.active[1], 0);
}

TEST(EnemyShellHits, FirstShellInSlotOrderTakesThePlayer)
{
    GameState g = emptyField();
    g.player.x = 5.0f;
    g.player.y = 0.0f;
    placeShell(g.enemies[2], 1, 5.0f, 1.0f);  // slot 2 is dead: its shells still hit
    placeShell(g.enemies[7], 0, 5.0f, 1.2f);
    resolveEnemyShellHits(g);
    EXPECT_EQ(g.playerDead, 1);
    EXPECT_EQ(g.enemies[2].shells.active[1], 0);
    EXPECT_EQ(g.enemies[7].shells.active[0], 1);  // passes the destroyed tank
    resolveEnemyShellHits(g);
    EXPECT_EQ(g.enemies[7].shells.active[0], 1);
}

TEST(EnemyShellHits, SpendsOnPlayerAndBaseAtOnceAndTheBaseKeepsTakingShells)
{
    GameState g = emptyField();
    g.player.x = -2.0f;
    g.player.y = -12.0f;
    placeShell(g.enemies[0], 0, -1.0f, -11.0f);
    resolveEnemyShellHits(g);
    EXPECT_EQ(g.playerDead, 1);
    EXPECT_EQ(g.baseDestroyed, 1);
    EXPECT_EQ(g.gameOver, 1);
    EXPECT_EQ(g.enemies[0].shells.active[0], 0);

    placeShell(g.enemies[1], 1, 0.5f, -11.0f);
    placeShell(g.player, 0, -0.5f, -11.0f);
    resolveEnemyShellHits(g);
    resolvePlayerShellHits(g);
    EXPECT_EQ(g.enemies[1].shells.active[1], 0);
    EXPECT_EQ(g.player.shells.active[0], 0);
}

TEST(EnemyShellHits, NeverClearsPlayerDead)
{
    // A respawn the commander made before this call stands, with no shell near.
    GameState g = emptyField();
    g.playerDead = 0;
    placeShell(g.enemies[0], 0, 10.0f, 10.0f);
    resolveEnemyShellHits(g);
    EXPECT_EQ(g.playerDead, 0);
    g.playerDead = 1;
    resolveEnemyShellHits(g);
    EXPECT_EQ(g.playerDead, 1);
}
