// Proximity tests between tanks, shells and the base, and the hits they cause.
#pragma once

#include "game/game_state.h"

// Each predicate compares centres axis by axis; none of the regions is a square.
bool tanksOverlap(float ax, float ay, float bx, float by);
bool shellHitsTarget(float ax, float ay, float bx, float by);
bool shellsMeet(float ax, float ay, float bx, float by);

// Whether a living enemy stands in the way of the player's proposed centre.
bool enemyBlocks(const GameState& g, float x, float y);

// Whether another living enemy, or the living player, stands in the way of
// slot self's proposed centre. A self outside 0 to 19 leaves no slot out.
bool tankBlocks(const GameState& g, int32_t self, float x, float y);

void resolvePlayerShellHits(GameState& g);
void resolveEnemyShellHits(GameState& g);
