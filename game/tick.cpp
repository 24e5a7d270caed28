#include "game/tick.h"

#include <cmath>

#include "game/collision.h"

namespace {

constexpr double gridOrigin = fieldHalfWidth;
constexpr double tankReach = 1.1;    // the look-ahead point in front of a tank's centre
constexpr double shellReach = 0.55;  // the look-ahead point in front of a shell's centre

// The row (vertical motion) or column (horizontal motion) just ahead of a
// tank or shell, seen from its lane: cell `line + d` across it, `ahead` along it.
struct CellsAhead {
    bool vertical;
    int line, ahead;

    int i(int d) const { return vertical ? line + d : ahead; }
    int j(int d) const { return vertical ? ahead : line + d; }
};

bool anyBrick(const BrickGrid& b, CellsAhead c, int dFrom, int dTo)
{
    for (int d = dFrom; d <= dTo; ++d)
        if (brickAt(b, c.i(d), c.j(d)))
            return true;
    return false;
}

// Two cells on each side of the lane: the span of a tank, and of a shell's strike.
constexpr int spanFrom = -2;
constexpr int spanTo = 1;

// Cells ahead of a centre moving by sign (+1 or -1) along one axis, reach units in front.
CellsAhead cellsAhead(bool vertical, float x, float y, int sign, double reach)
{
    const float along = vertical ? y : x;
    const float across = vertical ? x : y;
    return {vertical, cellIndex(across, gridOrigin), cellIndex(along, gridOrigin + sign * reach)};
}

bool insideRange(float c)
{
    return c > -shellRange && c < shellRange;
}

// Where the tank would stand after one step, or false when a brick ahead or the field's
// edge stops it. Other tanks are the caller's to test.
bool nextTankPosition(const BrickGrid& bricks, const Tank& t, float& x, float& y)
{
    x = t.x;
    y = t.y;
    if (t.moveDir < moveUp || t.moveDir > moveRight)
        return false;
    const bool vertical = t.moveDir == moveUp || t.moveDir == moveDown;
    const int sign = t.moveDir == moveUp || t.moveDir == moveRight ? 1 : -1;
    if (anyBrick(bricks, cellsAhead(vertical, t.x, t.y, sign, tankReach), spanFrom, spanTo))
        return false;
    float& along = vertical ? y : x;
    const float before = along;
    along = float(double(before) + sign * tankStep);
    // The bound looks at the value before the step, so the last step may end 0.1 beyond it.
    return sign > 0 ? before <= edgeLane : before >= -edgeLane;
}

// Moves shell k one step, or ends it out of range or on a brick, clearing a strip of four
// cells across its line. True when it cut bricks.
bool stepShell(BrickGrid& bricks, Shells& shells, int k)
{
    if (!shells.active[k])
        return false;
    float& x = shells.pos[k][0];
    float& y = shells.pos[k][1];
    const float dx = shells.vel[k][0];
    const float dy = shells.vel[k][1];
    if (!insideRange(x) || !insideRange(y)) {
        shells.active[k] = 0;
        return false;
    }
    // The direction of flight comes from the velocity, not the heading.
    const bool vertical = dx == 0;
    const int sign = (vertical ? dy : dx) > 0 ? 1 : -1;
    const CellsAhead cells = cellsAhead(vertical, x, y, sign, shellReach);
    if (anyBrick(bricks, cells, -1, 0)) {
        for (int d = spanFrom; d <= spanTo; ++d)
            clearBrick(bricks, cells.i(d), cells.j(d));
        shells.active[k] = 0;
        return true;
    }
    x = float(double(x) + dx);
    y = float(double(y) + dy);
    return false;
}

void stepPlayer(GameState& g)
{
    float x, y;
    if (nextTankPosition(g.bricks, g.player, x, y) && !enemyBlocks(g, x, y)) {
        g.player.x = x;
        g.player.y = y;
    }
}

void stepShellOf(GameState& g, Tank& t, int k)
{
    if (stepShell(g.bricks, t.shells, k))
        recordEvent(g.events, eventBrickCut);
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

void advanceWorld(GameState& g)
{
    stepPlayer(g);
    stepShellOf(g, g.player, 0);
    stepShellOf(g, g.player, 1);
    resolvePlayerShellHits(g);
    for (int k = 0; k < enemySlots; ++k) {
        if (g.enemies[k].alive)
            stepEnemy(g, k);
        stepShellOf(g, g.enemies[k], 0);
        stepShellOf(g, g.enemies[k], 1);
    }
    resolveEnemyShellHits(g);
}
