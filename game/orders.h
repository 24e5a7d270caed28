// The orders a tank can be given, the same for the player and the enemies.
#pragma once

#include "game/game_state.h"

// Puts the tank's first free shell in flight along its heading; nothing when
// both are flying. True when a shell left.
bool launchShell(Tank& t);

// Sets a new movement order and its heading and puts the tank on the nearest
// lane across its new motion. An unchanged order changes nothing.
void turnTank(Tank& t, int32_t moveDir);
