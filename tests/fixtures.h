// Small set-ups shared by the game tests.
#pragma once

#include "game/game_state.h"
#include "game/level.h"

// A game as it stands right after start-up.
inline GameState startedGame()
{
    GameState g{};
    setUpFirstGame(g);
    return g;
}

// A game with no bricks, no enemies and the player far away in a corner.
inline GameState emptyField()
{
    GameState g{};
    g.player.x = -12.0f;
    g.player.y = 12.0f;
    g.base.x = 0.0f;
    g.base.y = -12.0f;
    resetEnemySlots(g);
    return g;
}

inline EnemyTank& placeEnemy(GameState& g, int k, float x, float y)
{
    EnemyTank& e = g.enemies[k];
    e.alive = 1;
    e.x = x;
    e.y = y;
    ++g.enemiesOnField;
    return e;
}

inline void placeShell(Tank& t, int k, float x, float y, float dx = 0.0f, float dy = 0.25f)
{
    t.shells.active[k] = 1;
    t.shells.pos[k][0] = x;
    t.shells.pos[k][1] = y;
    t.shells.vel[k][0] = dx;
    t.shells.vel[k][1] = dy;
}

inline int brickCount(const GameState& g)
{
    int n = 0;
    for (const auto& column : g.bricks.cells)
        for (uint8_t cell : column)
            n += cell != 0;
    return n;
}
