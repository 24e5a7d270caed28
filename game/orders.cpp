#include "game/orders.h"

#include <cmath>

#include "game/tick.h"

namespace {

// Along the heading: the whole number nearest one step ahead, moved on by 0.8
// of a step. Across it (v = 0): the tank's coordinate rounded to a lane.
float shellStart(float c, float v)
{
    double sum = double(c) + v;
    // The sign test is on the tank's coordinate, not the sum.
    double n = std::trunc(c > 0 ? sum + 0.5 : sum - 0.5);
    return float(n + 0.8 * v);
}

int32_t headingOf(int32_t moveDir)
{
    switch (moveDir) {
    case moveLeft: return 90;
    case moveDown: return 180;
    case moveRight: return 270;
    default: return 0;
    }
}

}  // namespace

bool launchShell(Tank& t)
{
    Shells& s = t.shells;
    int k = !s.active[0] ? 0 : !s.active[1] ? 1 : -1;
    if (k < 0)
        return false;
    int ux, uy;
    headingDirection(t.heading, ux, uy);
    s.heading[k] = t.heading;
    s.vel[k][0] = shellSpeed * float(ux);
    s.vel[k][1] = shellSpeed * float(uy);
    s.pos[k][0] = shellStart(t.x, s.vel[k][0]);
    s.pos[k][1] = shellStart(t.y, s.vel[k][1]);
    s.active[k] = 1;
    return true;
}

void turnTank(Tank& t, int32_t moveDir)
{
    if (moveDir < moveUp || moveDir > moveRight || t.moveDir == moveDir)
        return;
    t.moveDir = moveDir;
    t.heading = headingOf(moveDir);
    if (moveDir == moveUp || moveDir == moveDown)
        t.x = snapToCell(t.x);
    else
        t.y = snapToCell(t.y);
}
