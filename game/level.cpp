#include "game/level.h"

namespace {

struct CellRect {
    int i0, i1, j0, j1;  // inclusive cell ranges
};

// Pillars and centre block at the top, the middle wall with its gap, the base wall.
constexpr CellRect levelLayout[] = {
    {4, 7, 28, 47},   {12, 15, 28, 47}, {20, 23, 32, 47}, {24, 27, 36, 39},
    {28, 31, 32, 47}, {36, 39, 28, 47}, {44, 47, 28, 47}, {0, 21, 16, 23},
    {30, 51, 16, 23}, {20, 31, 4, 7},   {20, 23, 0, 3},   {28, 31, 0, 3},
};

}  // namespace

bool isLevelCell(int i, int j)
{
    for (const CellRect& r : levelLayout)
        if (i >= r.i0 && i <= r.i1 && j >= r.j0 && j <= r.j1)
            return true;
    return false;
}

void buildLevel(GameState& g)
{
    for (const CellRect& r : levelLayout)
        for (int i = r.i0; i <= r.i1; ++i)
            for (int j = r.j0; j <= r.j1; ++j)
                g.bricks.cells[i][j] = 1;
}

void resetEnemySlots(GameState& g)
{
    // Entry points cycle left, centre, right; moveDir and shell data stay as they were.
    for (int k = 0; k < enemySlots; ++k) {
        EnemyTank& e = g.enemies[k];
        e.alive = 0;
        e.x = edgeLane * float(k % 3 - 1);
        e.y = edgeLane;
        e.heading = 180;
        e.shells.active[0] = 0;
        e.shells.active[1] = 0;
    }
}

void putPlayerAtStart(PlayerTank& p)
{
    p.x = playerStartX;
    p.y = playerStartY;
}

void setUpFirstGame(GameState& g)
{
    putPlayerAtStart(g.player);
    g.livesLeft = startingLives;
    g.base.x = 0.0f;
    g.base.y = -edgeLane;
    buildLevel(g);
    resetEnemySlots(g);
}

// The first game's set-up, and what a game played since has changed.
void resetGame(GameState& g)
{
    setUpFirstGame(g);
    g.playerDead = 0;
    g.player.shells.active[0] = 0;
    g.player.shells.active[1] = 0;
    g.baseDestroyed = 0;
    g.enemiesOnField = 0;
    g.enemiesReleased = 0;
    g.gameOver = 0;
}
