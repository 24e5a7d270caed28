#include "bench/busy_scene.h"

#include "game/level.h"

namespace {

// Headings as the keyboard and the commander set them for each order.
int32_t headingFor(int32_t moveDir)
{
    switch (moveDir) {
    case moveLeft: return 90;
    case moveDown: return 180;
    case moveRight: return 270;
    default: return 0;
    }
}

void placeTank(Tank& t, float x, float y, int32_t moveDir)
{
    t.x = x;
    t.y = y;
    t.moveDir = moveDir;
    t.heading = headingFor(moveDir);
}

// Shell k flying along moveDir from (x, y) at the game's shell speed.
void placeShell(Tank& t, int k, float x, float y, int32_t moveDir)
{
    Shells& s = t.shells;
    s.pos[k][0] = x;
    s.pos[k][1] = y;
    s.vel[k][0] = moveDir == moveRight ? 0.25f : moveDir == moveLeft ? -0.25f : 0.0f;
    s.vel[k][1] = moveDir == moveUp ? 0.25f : moveDir == moveDown ? -0.25f : 0.0f;
    s.heading[k] = headingFor(moveDir);
    s.active[k] = 1;
}

}  // namespace

// Every tank and shell runs along an open lane of the level: the shells cover four
// units and the tanks 1.6 in busyTicks, well short of any brick, tank or edge.
void setUpBusyScene(GameState& g)
{
    setUpFirstGame(g);
    g.playerDead = 0;
    g.baseDestroyed = 0;
    g.gameOver = 0;

    placeTank(g.player, -8, -7, moveRight);  // the open row above the base wall
    placeShell(g.player, 0, -4, -7, moveRight);
    placeShell(g.player, 1, 2, -7, moveRight);

    EnemyTank* e = g.enemies;
    placeTank(e[0], -12, 12, moveRight);   // along the entry row
    placeShell(e[0], 0, -8, 8, moveDown);  // down the gap between the left pillars
    placeShell(e[0], 1, -8, 4, moveDown);
    placeTank(e[1], 4, 12, moveLeft);
    placeShell(e[1], 0, 8, 8, moveDown);  // down the gap between the right pillars
    placeShell(e[1], 1, 8, 4, moveDown);
    placeTank(e[2], 0, 0, moveLeft);  // along the open row below the pillars
    placeShell(e[2], 0, -3, 0, moveLeft);
    placeShell(e[2], 1, -7, 0, moveLeft);
    placeTank(e[3], 4, 0, moveUp);
    placeShell(e[3], 0, 4, 3, moveUp);  // up the gap right of the centre
    placeShell(e[3], 1, 4, 7, moveUp);
    for (int k = 0; k < 4; ++k)
        e[k].alive = 1;
    g.enemiesReleased = 4;
    g.enemiesOnField = 4;
}

static bool moved(const Tank& before, const Tank& after)
{
    return before.x != after.x || before.y != after.y;
}

bool sceneStillBusy(const GameState& start, const GameState& now)
{
    bool allMoved = moved(start.player, now.player);
    int shells = now.player.shells.active[0] + now.player.shells.active[1];
    int enemies = 0;
    for (int k = 0; k < enemySlots; ++k) {
        const EnemyTank& e = now.enemies[k];
        enemies += e.alive;
        shells += e.shells.active[0] + e.shells.active[1];
        if (e.alive)
            allMoved = allMoved && moved(start.enemies[k], e);
    }
    return allMoved && enemies == 4 && shells == 10 && !now.playerDead && !now.baseDestroyed;
}
