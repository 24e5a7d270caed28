#include "app/game_loop.h"

#include <GL/glut.h>

#include <chrono>
#include <thread>

#include "app/input_poll.h"
#include "shell/world_tick.h"

void simulationTick()
{
    pollInput();
    tickWorld();
    glutPostRedisplay();
    // The game's pace: speeds are per tick. Never sleep holding the lock.
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
}
