#include "game/tick.h"

#include <cmath>

#include "game/collision.h"

namespace {

constexpr double gridOrigin = 13.0;
constexpr double tankReach = 1.1;    // the look-ahead point in front of a tank's centre
constexpr double shellReach = 0.55;  // the look-ahead point in front of a shell's centre
constexpr float fieldBound = 12.0f;

// Reads or clears the four cells across a line: two on each side of it.
bool anyBrickAcross(const BrickGrid& b, bool alongI, int line, int ahead)
{
    for (int d = -2; d <= 1; ++d) {
        bool brick = alongI ? brickAt(b, line + d, ahead) : brickAt(b, ahead, line + d);
        if (brick)
            return true;
    }
    return false;
}

void clearStripAcross(BrickGrid& b, bool alongI, int line, int ahead)
{
    for (int d = -2; d <= 1; ++d) {
        if (alongI)
            clearBrick(b, line + d, ahead);
        else
            clearBrick(b, ahead, line + d);
    }
}

bool insideRange(float c)
{
    return c > -shellRange && c < shellRange;
}

void stepPlayer(GameState& g)
{
    float x, y;
    if (nextTankPosition(g.bricks, g.player, x, y) && !enemyBlocks(g, x, y)) {
        g.player.x = x;
        g.player.y = y;
    }
}

void stepEnemy(GameState& g, int k)
{
    EnemyTank& e = g.enemies[k];
    float x, y;
    if (nextTankPosition(g.bricks, e, x, y) && !tankBlocks(g, k, x, y)) {
        e.x = x;
        e.y = y;
    }
}

}  // namespace

int cellIndex(float c, double offset)
{
    double index = std::trunc((double(c) + offset) * 2.0);
    // Anything off the grid reads as empty; keep the cast in range whatever the input.
    if (index < -1.0)
        return -1;
    if (index > gridCells)
        return gridCells;
    return int(index);
}

bool nextTankPosition(const BrickGrid& bricks, const Tank& t, float& x, float& y)
{
    x = t.x;
    y = t.y;
    switch (t.moveDir) {
    case moveUp:
        if (anyBrickAcross(bricks, true, cellIndex(t.x, gridOrigin), cellIndex(t.y, gridOrigin + tankReach)))
            return false;
        y = float(double(t.y) + tankStep);
        return t.y <= fieldBound;
    case moveDown:
        if (anyBrickAcross(bricks, true, cellIndex(t.x, gridOrigin), cellIndex(t.y, gridOrigin - tankReach)))
            return false;
        y = float(double(t.y) - tankStep);
        return t.y >= -fieldBound;
    case moveLeft:
        if (anyBrickAcross(bricks, false, cellIndex(t.y, gridOrigin), cellIndex(t.x, gridOrigin - tankReach)))
            return false;
        x = float(double(t.x) - tankStep);
        return t.x >= -fieldBound;
    case moveRight:
        if (anyBrickAcross(bricks, false, cellIndex(t.y, gridOrigin), cellIndex(t.x, gridOrigin + tankReach)))
            return false;
        x = float(double(t.x) + tankStep);
        return t.x <= fieldBound;
    default:
        return false;
    }
}

void stepShell(BrickGrid& bricks, Shells& shells, int k)
{
    if (!shells.active[k])
        return;
    float& x = shells.pos[k][0];
    float& y = shells.pos[k][1];
    const float dx = shells.vel[k][0];
    const float dy = shells.vel[k][1];
    if (!insideRange(x) || !insideRange(y)) {
        shells.active[k] = 0;
        return;
    }
    // The direction of flight comes from the velocity, not the heading.
    const bool vertical = dx == 0;
    int line, ahead;
    if (vertical) {
        line = cellIndex(x, gridOrigin);
        ahead = cellIndex(y, dy > 0 ? gridOrigin + shellReach : gridOrigin - shellReach);
    } else {
        line = cellIndex(y, gridOrigin);
        ahead = cellIndex(x, dx > 0 ? gridOrigin + shellReach : gridOrigin - shellReach);
    }
    const bool hit = vertical ? brickAt(bricks, line - 1, ahead) || brickAt(bricks, line, ahead)
                              : brickAt(bricks, ahead, line - 1) || brickAt(bricks, ahead, line);
    if (hit) {
        clearStripAcross(bricks, vertical, line, ahead);
        shells.active[k] = 0;
        return;
    }
    x = float(double(x) + dx);
    y = float(double(y) + dy);
}

void advanceWorld(GameState& g)
{
    stepPlayer(g);
    stepShell(g.bricks, g.player.shells, 0);
    stepShell(g.bricks, g.player.shells, 1);
    resolvePlayerShellHits(g);
    for (int k = 0; k < enemySlots; ++k) {
        if (g.enemies[k].alive)
            stepEnemy(g, k);
        stepShell(g.bricks, g.enemies[k].shells, 0);
        stepShell(g.bricks, g.enemies[k].shells, 1);
    }
    resolveEnemyShellHits(g);
}
