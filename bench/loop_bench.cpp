#include "bench/loop_bench.h"

#include <GL/glut.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/game_loop.h"
#include "app/input_poll.h"
#include "app/start_up.h"
#include "game/commander.h"
#include "render/scene.h"

namespace {

using Clock = std::chrono::steady_clock;

// Counters; touched by the GLUT thread alone.
Clock::time_point countFrom;
Clock::time_point countUntil;
long ticks = 0;
long frames = 0;
double frameSeconds = 0;
long long launchedAt = 0;

double secondsSince(Clock::time_point t)
{
    return std::chrono::duration<double>(Clock::now() - t).count();
}

[[noreturn]] void reportLoopAndExit()
{
    const double seconds = secondsSince(countFrom);
    const double frameMs = frames ? 1000.0 * frameSeconds / double(frames) : 0.0;
    const double rate = double(ticks) / seconds;
    const double ceiling = 1000.0 / (15.0 + frameMs);
    std::printf("loop: %ld ticks and %ld frames in %.2f s\n", ticks, frames, seconds);
    std::printf("frame in the loop: %.2f ms mean\n", frameMs);
    std::printf("tick rate: %.2f /s, ceiling 1000/(15 + %.2f) = %.2f /s, %.1f%% of it\n", rate,
                frameMs, ceiling, 100.0 * rate / ceiling);
    std::fflush(stdout);
    std::_Exit(0);  // the commander thread may hold the lock; nothing needs tearing down
}

void countedTick()
{
    const bool counting = Clock::now() >= countFrom;
    simulationTick();
    if (counting)
        ++ticks;
    if (Clock::now() >= countUntil)
        reportLoopAndExit();
}

void timedDrawFrame()
{
    const Clock::time_point start = Clock::now();
    drawFrame();
    if (start >= countFrom) {
        frameSeconds += secondsSince(start);
        ++frames;
    }
}

void drawFirstFrameAndExit()
{
    drawFrame();
    glFinish();
    const long long now =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
            .count();
    std::printf("%.2f\n", double(now - launchedAt) / 1e6);
    std::fflush(stdout);
    std::_Exit(0);
}

// main's start-up, step for step, with the given display and idle callbacks.
[[noreturn]] void startGame(void (*display)(), void (*idle)())
{
    int argc = 1;
    char name[] = "tanks";
    char* argv[] = {name, nullptr};
    openGameWindow(&argc, argv);
    registerCallbacks(display, idle);
    startInputPolling();
    std::thread(enemyCommander).detach();
    glutMainLoop();
    std::exit(0);
}

}  // namespace

void runCountedLoop(double warmUp, double seconds)
{
    const auto toDuration = [](double s) {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
    };
    countFrom = Clock::now() + toDuration(warmUp);
    countUntil = countFrom + toDuration(seconds);
    startGame(timedDrawFrame, countedTick);
}

void runToFirstFrame(long long launchedAtNs)
{
    launchedAt = launchedAtNs;
    startGame(drawFirstFrameAndExit, simulationTick);
}
