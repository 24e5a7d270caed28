#include "game/game_state.h"

#include <cmath>

#include "game/never_destroyed.h"

GameState gameState;

namespace {

// "q" exits while holding the lock and closing the window can end the process while the
// commander holds it, so the mutex must outlive every static destructor that exit runs.
NeverDestroyed<std::mutex> gameMutexHolder;

}  // namespace

std::mutex& gameMutex = gameMutexHolder.object;

float snapToCell(float v)
{
    // The half is added in double so the largest float below 0.5 still snaps to 0.
    double shifted = v > 0 ? double(v) + 0.5 : double(v) - 0.5;
    return float(std::trunc(shifted));
}

void headingDirection(int32_t heading, int& ux, int& uy)
{
    ux = 0;
    uy = 0;
    switch (heading) {
    case 0: uy = 1; break;
    case 90: ux = -1; break;
    case 180: uy = -1; break;
    case 270: ux = 1; break;
    default: break;
    }
}

static bool insideGrid(int i, int j)
{
    return i >= 0 && i < gridCells && j >= 0 && j < gridCells;
}

bool brickAt(const BrickGrid& grid, int i, int j)
{
    return insideGrid(i, j) && grid.cells[i][j] != 0;
}

void clearBrick(BrickGrid& grid, int i, int j)
{
    if (insideGrid(i, j))
        grid.cells[i][j] = 0;
}
