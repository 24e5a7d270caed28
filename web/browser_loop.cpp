#include "web/browser_loop.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <ctime>
#include <random>

#include "game/commander.h"
#include "game/tick.h"
#include "render/scene.h"

namespace {

// The game's pace: speeds are per tick, and every tick is followed by this rest, counted
// here from the end of the tick's frame.
constexpr double tickPauseMs = 15;
constexpr double commanderPeriodMs = 500;

long tickTimer;       // 0 while no tick is waiting
long commanderTimer;  // 0 once stopped
bool stopped;
unsigned ticksRun;  // read by the browser test and the benchmark

std::mt19937 commanderRandom;

uint32_t randomDraw()
{
    return commanderRandom();
}

void onCommanderTimer(void* /*unused*/)
{
    commanderCycle(gameState, randomDraw);
}

void onTickTimer(void* /*unused*/)
{
    tickTimer = 0;
    runTick();
}

void scheduleTick()
{
    if (!tickTimer && !stopped && !gameState.paused)
        tickTimer = emscripten_set_timeout(onTickTimer, tickPauseMs, nullptr);
}

}  // namespace

// The page has one thread, so nothing else touches gameState while these run.
void runTick()
{
    advanceWorld(gameState);
    ++ticksRun;
    drawFrame();
    scheduleTick();
}

void startLoops()
{
    commanderRandom.seed(uint32_t(std::time(nullptr)));
    onCommanderTimer(nullptr);
    commanderTimer = emscripten_set_interval(onCommanderTimer, commanderPeriodMs, nullptr);
    drawFrame();
    // From the page's request, for the benchmark.
    EM_ASM(Module.firstFrameAt = performance.now(););
    scheduleTick();
}

void applyPause()
{
    if (gameState.paused && tickTimer) {
        emscripten_clear_timeout(tickTimer);
        tickTimer = 0;
    }
    scheduleTick();
}

void stopLoops()
{
    stopped = true;
    if (tickTimer)
        emscripten_clear_timeout(tickTimer);
    emscripten_clear_interval(commanderTimer);
    tickTimer = commanderTimer = 0;
    EM_ASM(if (Module.onGameEnded) Module.onGameEnded(););
}

bool loopsStopped()
{
    return stopped;
}

extern "C" EMSCRIPTEN_KEEPALIVE unsigned ticksSoFar()
{
    return ticksRun;
}
