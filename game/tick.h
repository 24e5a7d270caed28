// One step of the world: tanks move along their orders, shells fly and break bricks.
#pragma once

#include "game/game_state.h"

constexpr double tankStep = 0.1;     // world units per tick
constexpr float shellSpeed = 0.25f;  // world units per tick
constexpr float shellRange = 12.7f;  // a shell lives strictly inside this on both axes

// Grid index of the cell holding c + (offset - 13): truncated toward zero, so
// -0.5 gives 0, never -1.
int cellIndex(float c, double offset);

// Everything a tick does to the game, in its order; the caller paces and redraws.
void advanceWorld(GameState& g);
