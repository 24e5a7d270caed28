#include "app/game_loop.h"

#include <GL/glut.h>

#include <chrono>
#include <thread>

#include "game/tick.h"

void simulationTick()
{
    {
        std::lock_guard<std::mutex> lock(gameMutex);
        advanceWorld(gameState);
        takeEvents(gameState.events);  // nothing plays them yet
    }
    glutPostRedisplay();
    // The game's pace: speeds are per tick. Never sleep holding the lock.
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
}
