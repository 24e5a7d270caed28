#include "shell/world_tick.h"

#include "game/tick.h"
#include "sound/event_sounds.h"

void tickWorld()
{
    GameEvents events;
    {
        std::lock_guard<std::mutex> lock(gameMutex);
        advanceWorld(gameState);
        events = takeEvents(gameState.events);
    }
    playEvents(events);  // the lock only to take them: sound never holds up the commander
}
