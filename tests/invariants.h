// What must hold of any game state, whatever was played.
#pragma once

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/level.h"

inline void expectCountersConsistent(const GameState& g)
{
    int living = 0;
    for (const EnemyTank& e : g.enemies)
        living += e.alive;
    ASSERT_EQ(g.enemiesOnField, living);
    ASSERT_GE(g.enemiesOnField, 0);
    ASSERT_LE(g.enemiesOnField, 4);
    ASSERT_GE(g.enemiesReleased, 0);
    ASSERT_LE(g.enemiesReleased, enemySlots);
    ASSERT_GE(g.livesLeft, 0);
    ASSERT_LE(g.livesLeft, 3);
}

inline void expectTanksOnTheField(const GameState& g)
{
    auto inside = [](float c) { return c >= -12.1f && c <= 12.1f; };
    ASSERT_TRUE(inside(g.player.x) && inside(g.player.y)) << g.player.x << "," << g.player.y;
    for (const EnemyTank& e : g.enemies)
        ASSERT_TRUE(inside(e.x) && inside(e.y)) << e.x << "," << e.y;
}

inline void expectBricksOnlyInTheLayout(const GameState& g)
{
    for (int i = 0; i < gridCells; ++i)
        for (int j = 0; j < gridCells; ++j)
            if (g.bricks.cells[i][j]) {
                ASSERT_TRUE(isLevelCell(i, j) && g.bricks.cells[i][j] == 1) << i << "," << j;
            }
}
