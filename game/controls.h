// What the keys do to the game. The application carries out the part that
// needs GL or GLUT, as the returned effect says.
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
