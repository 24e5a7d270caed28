#include "game/collision.h"

#include <cmath>

namespace {

// The difference is rounded to float before it meets a double limit, so a
// distance of exactly 0.4f or 0.6f lies beyond 0.4 and 0.6.
double axisDistance(float a, float b)
{
    float d = a - b;
    return std::fabs(double(d));
}

bool baseHit(const GameState& g, float x, float y)
{
    return shellHitsTarget(x, y, g.base.x, g.base.y);
}

void destroyBase(GameState& g)
{
    // A shell may strike the ruin again; it falls only once.
    if (!g.baseDestroyed)
        recordEvent(g.events, eventBaseDestroyed);
    g.baseDestroyed = 1;
    g.gameOver = 1;
}

// One player shell's whole turn: every living enemy, their shells, then the base.
// A shell that is spent goes on being tested where it stands.
void resolveOnePlayerShell(GameState& g, int s)
{
    Shells& own = g.player.shells;
    const float x = own.pos[s][0];
    const float y = own.pos[s][1];
    for (EnemyTank& e : g.enemies) {
        if (!e.alive)
            continue;
        if (shellHitsTarget(x, y, e.x, e.y)) {
            --g.enemiesOnField;
            e.alive = 0;
            own.active[s] = 0;
            recordEvent(g.events, eventEnemyDestroyed);
        }
        for (int j = 0; j < shellsPerTank; ++j) {
            if (e.shells.active[j] && shellsMeet(x, y, e.shells.pos[j][0], e.shells.pos[j][1])) {
                e.shells.active[j] = 0;
                own.active[s] = 0;
                recordEvent(g.events, eventShellsMeet);
            }
        }
    }
    if (baseHit(g, x, y)) {
        own.active[s] = 0;
        destroyBase(g);
    }
}

}  // namespace

bool tanksOverlap(float ax, float ay, float bx, float by)
{
    double dx = axisDistance(ax, bx);
    double dy = axisDistance(ay, by);
    return (dx < 2 && dy < 1) || (dx < 1 && dy < 2);
}

bool shellHitsTarget(float ax, float ay, float bx, float by)
{
    double dx = axisDistance(ax, bx);
    double dy = axisDistance(ay, by);
    return (dx <= 1.4 && dy <= 1.3) || (dx <= 1.3 && dy <= 1.4);
}

bool shellsMeet(float ax, float ay, float bx, float by)
{
    double dx = axisDistance(ax, bx);
    double dy = axisDistance(ay, by);
    return (dx <= 0.5 && dy <= 0.5) || (dx <= 0.4 && dy <= 0.6) || (dx <= 0.6 && dy <= 0.4);
}

bool enemyBlocks(const GameState& g, float x, float y)
{
    for (const EnemyTank& e : g.enemies)
        if (e.alive && tanksOverlap(x, y, e.x, e.y))
            return true;
    return false;
}

bool tankBlocks(const GameState& g, int32_t self, float x, float y)
{
    for (int k = 0; k < enemySlots; ++k) {
        const EnemyTank& e = g.enemies[k];
        if (k != self && e.alive && tanksOverlap(x, y, e.x, e.y))
            return true;
    }
    if (g.playerDead)
        return false;
    return tanksOverlap(x, y, g.player.x, g.player.y);
}

void resolvePlayerShellHits(GameState& g)
{
    for (int s = 0; s < shellsPerTank; ++s)
        if (g.player.shells.active[s])
            resolveOnePlayerShell(g, s);
}

void resolveEnemyShellHits(GameState& g)
{
    // playerDead is only ever set here, never written back: a respawn must survive.
    for (EnemyTank& e : g.enemies) {
        for (int j = 0; j < shellsPerTank; ++j) {
            if (!e.shells.active[j])
                continue;
            const float x = e.shells.pos[j][0];
            const float y = e.shells.pos[j][1];
            if (!g.playerDead && shellHitsTarget(x, y, g.player.x, g.player.y)) {
                g.playerDead = 1;
                e.shells.active[j] = 0;
                recordEvent(g.events, eventPlayerDestroyed);
            }
            if (baseHit(g, x, y)) {
                e.shells.active[j] = 0;
                destroyBase(g);
            }
        }
    }
}
