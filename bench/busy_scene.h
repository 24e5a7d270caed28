// A busy moment of play shared by the benchmarks: four enemies and the player on
// the move, all ten shells in flight, and none of them about to hit anything.
#pragma once

#include "game/game_state.h"

// Ticks the scene stays whole: every tank moving, every shell flying, no hit.
constexpr int busyTicks = 16;

// The level at start with the busy tanks and shells; the view fields are left alone.
void setUpBusyScene(GameState& g);

// Whether, since start, every tank has moved and nothing has been hit: four living
// enemies, a living player, the base and ten shells still in flight.
bool sceneStillBusy(const GameState& start, const GameState& now);
