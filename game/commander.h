// The enemy commander: every 500 ms it respawns the player or ends the game,
// lets the next enemy in and gives every living enemy a random order.
#pragma once

#include <cstdint>

#include "game/game_state.h"

constexpr int maxEnemiesOnField = 4;

// One cycle, without the sleep. nextDraw supplies the random numbers; only
// their lowest three bits matter.
void commanderCycle(GameState& g, uint32_t (*nextDraw)());

// The thread body: seeds from the clock, then one locked cycle every 500 ms, for ever.
void enemyCommander();
