#include <gtest/gtest.h>

#include "fixtures.h"
#include "game/commander.h"

namespace {

// Every living enemy is told to carry on unless a test scripts otherwise.
uint32_t script[32];
int scriptNext = 0;
int drawsMade = 0;

uint32_t scriptedDraw()
{
    ++drawsMade;
    return scriptNext < 32 ? script[scriptNext++] : 4;
}

void playScript(std::initializer_list<uint32_t> draws)
{
    scriptNext = 0;
    drawsMade = 0;
    int n = 0;
    for (uint32_t d : draws)
        script[n++] = d;
    for (; n < 32; ++n)
        script[n] = 4;
}

}  // namespace

TEST(Commander, ReleasesFourThenWaitsForAKill)
{
    GameState g = startedGame();
    playScript({});
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemies[0].alive, 1);
    EXPECT_EQ(drawsMade, 1);  // the new enemy gets its order in the same cycle
    commanderCycle(g, scriptedDraw);
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemies[2].x, 12.0f);
    // Slot 3 enters where slot 0 did, and waits while slot 0 has not moved off.
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemiesReleased, 3);
    g.enemies[0].y = 9.0f;
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemiesReleased, 4);
    EXPECT_EQ(g.enemiesOnField, 4);
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemiesReleased, 4);
    g.enemies[1].alive = 0;
    --g.enemiesOnField;
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemies[4].alive, 1);
    EXPECT_EQ(g.enemiesOnField, 4);
}

TEST(Commander, ABlockedEntryPointHoldsItsSlot)
{
    GameState g = startedGame();
    g.enemiesReleased = 3;
    g.player.x = -11.0f;  // the living player on slot 3's entry point
    g.player.y = 12.0f;
    playScript({});
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemiesReleased, 3);
    EXPECT_EQ(g.enemies[4].alive, 0);
    g.playerDead = 1;
    g.livesLeft = 0;
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemies[3].alive, 1);
}

TEST(Commander, RespawnsWhileLivesRemainThenEndsTheGame)
{
    GameState g = startedGame();
    g.enemiesReleased = enemySlots;  // nothing else to do
    g.playerDead = 1;
    g.player.x = 5.0f;
    g.player.moveDir = moveLeft;
    g.gameOver = 1;  // base already gone: a respawn still happens
    playScript({});
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.livesLeft, 2);
    EXPECT_EQ(g.playerDead, 0);
    EXPECT_EQ(g.player.x, -4.0f);
    EXPECT_EQ(g.player.y, -12.0f);
    EXPECT_EQ(g.player.moveDir, moveLeft);

    g.gameOver = 0;
    g.livesLeft = 0;
    g.playerDead = 1;
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.gameOver, 1);
    EXPECT_EQ(g.playerDead, 1);
    EXPECT_EQ(g.livesLeft, 0);
}

TEST(Commander, NothingEntersAfterTheTwentiethUntilANewGame)
{
    GameState g = startedGame();
    playScript({});
    for (int released = 0; released < enemySlots; ++released) {
        commanderCycle(g, scriptedDraw);
        for (EnemyTank& e : g.enemies)
            if (e.alive) {
                e.alive = 0;  // shot as soon as it enters
                --g.enemiesOnField;
            }
    }
    EXPECT_EQ(g.enemiesReleased, enemySlots);
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemiesOnField, 0);
    resetGame(g);
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(g.enemies[0].alive, 1);
}

TEST(Commander, OrdersTurnSnapOrFire)
{
    GameState g = emptyField();
    EnemyTank& e = placeEnemy(g, 0, 3.4f, 5.6f);
    g.enemiesReleased = enemySlots;
    e.moveDir = moveUp;
    e.heading = 0;
    playScript({0, 3, 8 + 3, 5, 6, 7, 4});
    commanderCycle(g, scriptedDraw);  // up again: nothing, no snap
    EXPECT_EQ(e.x, 3.4f);
    commanderCycle(g, scriptedDraw);  // right: y snapped
    EXPECT_EQ(e.moveDir, moveRight);
    EXPECT_EQ(e.heading, 270);
    EXPECT_EQ(e.y, 6.0f);
    EXPECT_EQ(e.x, 3.4f);
    commanderCycle(g, scriptedDraw);  // only the low three bits count: right again
    EXPECT_EQ(e.y, 6.0f);
    commanderCycle(g, scriptedDraw);
    commanderCycle(g, scriptedDraw);
    EXPECT_EQ(e.shells.active[0] + e.shells.active[1], 2);
    EXPECT_EQ(e.shells.vel[0][0], 0.25f);
    commanderCycle(g, scriptedDraw);  // a third fire does nothing
    commanderCycle(g, scriptedDraw);  // carry on
    EXPECT_EQ(e.moveDir, moveRight);

    const int32_t turns[][3] = {{1, moveLeft, 90}, {2, moveDown, 180}, {0, moveUp, 0}};
    for (const auto& t : turns) {
        playScript({uint32_t(t[0])});
        commanderCycle(g, scriptedDraw);
        EXPECT_EQ(e.moveDir, t[1]);
        EXPECT_EQ(e.heading, t[2]);
    }
    EXPECT_EQ(e.x, 3.0f);
}
