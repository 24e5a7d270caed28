#include "web/browser_loop.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include "game/commander.h"
#include "render/scene.h"
#include "shell/world_tick.h"
#include "web/status_words.h"

namespace {

// The game's pace: speeds are per tick, and every tick is followed by this rest, counted
// here from the end of the tick's frame. While paused the same timer runs beforeEachTick
// alone.
constexpr double tickPauseMs = 15;

long tickTimer;       // 0 while no tick is waiting
long commanderTimer;  // 0 once stopped
bool stopped;
unsigned ticksRun;
void (*beforeTick)();

void onCommanderTimer(void* /*unused*/)
{
    runCommanderCycle();
}

void scheduleTick();

void onTickTimer(void* /*unused*/)
{
    tickTimer = 0;
    beforeTick();
    if (!stopped && !gameState.paused)
        runTick();
    scheduleTick();
}

void scheduleTick()
{
    if (!tickTimer && !stopped)
        tickTimer = emscripten_set_timeout(onTickTimer, tickPauseMs, nullptr);
}

}  // namespace

// The page has one thread, so nothing else touches gameState while these run.
void runTick()
{
    tickWorld();
    ++ticksRun;
    drawFrame();
    tellStatusIfChanged();
    scheduleTick();
}

void startLoops(void (*beforeEachTick)())
{
    beforeTick = beforeEachTick;
    seedCommander();
    runCommanderCycle();
    commanderTimer = emscripten_set_interval(onCommanderTimer, commanderPeriodMs, nullptr);
    drawFrame();
    tellStatusIfChanged();
    // From the page's request, for the benchmark.
    EM_ASM({
        Module.firstFrameAt = performance.now();
        if (Module.onFirstFrame)
            Module.onFirstFrame();
    });
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

// For the browser tests and the benchmark, which see the game from outside.
extern "C" {

EMSCRIPTEN_KEEPALIVE unsigned ticksSoFar()
{
    return ticksRun;
}

EMSCRIPTEN_KEEPALIVE int playerMoveDir()
{
    return gameState.player.moveDir;
}

EMSCRIPTEN_KEEPALIVE int gamePaused()
{
    return gameState.paused;
}

}  // extern "C"
