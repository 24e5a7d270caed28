// One tick of the world as both shells run it; each paces and redraws in its own way.
#pragma once

// Advances the world under the game's lock, then plays what happened outside it.
void tickWorld();
