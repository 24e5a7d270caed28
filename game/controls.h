// What the keys do to the game. The shell carries out the part that needs the screen or
// its own loop, as the returned effect says.
#pragma once

#include "game/game_state.h"

enum KeyEffect {
    keyNoEffect,
    keyApplyLighting,     // lightingOn has changed
    keyApplyPolygonMode,  // filledPolygons has changed
    keyApplyPause,        // paused has changed
    keyRunTick,           // one tick, while paused
    keyQuit,
};

KeyEffect pressKey(GameState& g, unsigned char key);
void releaseKey(GameState& g, unsigned char key);
