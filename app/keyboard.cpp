#include "app/keyboard.h"

#include <GL/glut.h>

#include <cstdlib>

#include "app/game_loop.h"
#include "game/controls.h"
#include "render/scene.h"
#include "sound/event_sounds.h"

void onKeyDown(unsigned char key, int /*x*/, int /*y*/)
{
    gameMutex.lock();
    const KeyEffect effect = pressKey(gameState, key);
    const bool lightingOn = gameState.lightingOn;
    const bool filledPolygons = gameState.filledPolygons;
    const bool paused = gameState.paused;
    if (effect == keyQuit)
        std::exit(0);  // still holding the lock, so the commander stays out while the process ends
    // A shot is heard at once, even while paused, not at the next tick.
    const GameEvents events = takeEvents(gameState.events);
    gameMutex.unlock();
    playEvents(events);

    switch (effect) {
    case keyApplyLighting: applyLighting(lightingOn); break;
    case keyApplyPolygonMode: applyPolygonMode(filledPolygons); break;
    case keyApplyPause: glutIdleFunc(paused ? nullptr : simulationTick); break;
    case keyRunTick: simulationTick(); break;
    default: break;
    }
}

void onKeyUp(unsigned char key, int /*x*/, int /*y*/)
{
    std::lock_guard<std::mutex> lock(gameMutex);
    releaseKey(gameState, key);
}
