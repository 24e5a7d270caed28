// The enemy commander: every 500 ms it respawns the player or ends the game,
// lets the next enemy in and gives every living enemy a random order.
#pragma once

#include <cstdint>

#include "game/game_state.h"

constexpr int maxEnemiesOnField = 4;
constexpr int commanderPeriodMs = 500;  // between the starts of two cycles, roughly

// One cycle, without the sleep. nextDraw supplies the random numbers; only
// their lowest three bits matter.
void commanderCycle(GameState& g, uint32_t (*nextDraw)());

// Seeds the cycles' random numbers from the clock, so that no two games play alike.
void seedCommander();

// One cycle under the game's lock, drawing from the seeded numbers.
void runCommanderCycle();

// The thread body: seeds, then one cycle every commanderPeriodMs, for ever.
void enemyCommander();
