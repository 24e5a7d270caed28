#include "web/browser_loop.h"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <ctime>
#include <random>

#include "game/commander.h"
#include "game/tick.h"
#include "render/scene.h"
#include "sound/event_sounds.h"
#include "web/browser_input.h"
#include "web/gamepad.h"
#include "web/status_words.h"
#include "web/touch_controls.h"

namespace {

// The game's pace: speeds are per tick, and every tick is followed by this rest, counted
// here from the end of the tick's frame. While paused the same timer reads the pad alone.
constexpr double tickPauseMs = 15;
constexpr double commanderPeriodMs = 500;

long tickTimer;       // 0 while no tick is waiting
long commanderTimer;  // 0 once stopped
bool stopped;
unsigned ticksRun;

std::mt19937 commanderRandom;

uint32_t randomDraw()
{
    return commanderRandom();
}

void onCommanderTimer(void* /*unused*/)
{
    commanderCycle(gameState, randomDraw);
}

void scheduleTick();

// The pad is read once a tick, before the tick, and on as often while paused so that
// its Start can go on.
void onTickTimer(void* /*unused*/)
{
    tickTimer = 0;
    pollGamepad();
    if (!stopped && !gameState.paused)
        runTick();
    scheduleTick();
}

void scheduleTick()
{
    if (!tickTimer && !stopped)
        tickTimer = emscripten_set_timeout(onTickTimer, tickPauseMs, nullptr);
}

// A hidden page gets its timers slowed to about one a second, which would run ticks and
// commander cycles one for one instead of thirty to one: other rules. So it pauses, and
// stays paused until the player goes on.
EM_BOOL onVisibilityChange(int /*eventType*/, const EmscriptenVisibilityChangeEvent* e,
                           void* /*unused*/)
{
    if (e->hidden)
        pauseWhileAway();
    return false;
}

}  // namespace

// The page has one thread, so nothing else touches gameState while these run.
void runTick()
{
    advanceWorld(gameState);
    playEvents(takeEvents(gameState.events));
    ++ticksRun;
    drawFrame();
    tellStatusIfChanged();
    scheduleTick();
}

void startLoops()
{
    commanderRandom.seed(uint32_t(std::time(nullptr)));
    onCommanderTimer(nullptr);
    commanderTimer = emscripten_set_interval(onCommanderTimer, commanderPeriodMs, nullptr);
    emscripten_set_visibilitychange_callback(nullptr, false, onVisibilityChange);
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

void pauseWhileAway()
{
    releaseHeldKeys();
    releaseTouches();
    if (!gameState.paused)
        pressGameKey('/');
}

// The ticks follow gameState.paused by themselves; the page says how to go on.
void applyPause()
{
    EM_ASM(
        {
            if (Module.onPauseChanged)
                Module.onPauseChanged($0);
        },
        gameState.paused);
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

// The page's help covers the field: the player cannot see the game, as with a hidden page.
EMSCRIPTEN_KEEPALIVE void helpOpened()
{
    pauseWhileAway();
}

}  // extern "C"
