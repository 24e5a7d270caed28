#include "app/game_loop.h"

#include <GL/glut.h>

#include <chrono>
#include <thread>

#include "app/input_poll.h"
#include "game/tick.h"
#include "sound/event_sounds.h"

void simulationTick()
{
    pollInput();
    GameEvents events;
    {
        std::lock_guard<std::mutex> lock(gameMutex);
        advanceWorld(gameState);
        events = takeEvents(gameState.events);
    }
    playEvents(events);  // the lock only to take them: sound never holds up the commander
    glutPostRedisplay();
    // The game's pace: speeds are per tick. Never sleep holding the lock.
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
}
