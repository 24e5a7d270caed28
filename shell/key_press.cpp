#include "shell/key_press.h"

#include "game/controls.h"
#include "render/scene.h"
#include "sound/event_sounds.h"

namespace {

// What a key may have toggled, read under the lock for use outside it.
struct Toggles {
    bool lightingOn, filledPolygons, paused;
};

}  // namespace

void pressKeyInShell(unsigned char key, const ShellHooks& hooks)
{
    KeyEffect effect;
    Toggles after;
    GameEvents events;
    {
        std::lock_guard<std::mutex> lock(gameMutex);
        effect = pressKey(gameState, key);
        if (effect == keyQuit)
            hooks.quit();
        after = {gameState.lightingOn != 0, gameState.filledPolygons != 0, gameState.paused != 0};
        events = takeEvents(gameState.events);
    }
    playEvents(events);

    switch (effect) {
    case keyApplyLighting: applyLighting(after.lightingOn); break;
    case keyApplyPolygonMode: applyPolygonMode(after.filledPolygons); break;
    case keyApplyPause: hooks.pauseChanged(after.paused); break;
    case keyRunTick: hooks.stepWhilePaused(); break;
    default: break;
    }
}

void releaseKeyInShell(unsigned char key)
{
    std::lock_guard<std::mutex> lock(gameMutex);
    releaseKey(gameState, key);
}
