// One frame of the busy scene in a real 800 x 800 GLUT window, beside a frame that only
// clears and swaps, so the cost of the drawing itself stands out from the window's.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "app/start_up.h"
#include "bench/busy_scene.h"
#include "render/scene.h"

namespace {

// The argument is the idle time before each frame, in ms: 0 draws back to back, 15 draws
// at the game's pace, after the tick's sleep, when the renderer's threads and the caches
// have gone cold. The idle time itself is not counted.
void idleBeforeFrame(benchmark::State& state)
{
    if (state.range(0) == 0)
        return;
    state.PauseTiming();
    std::this_thread::sleep_for(std::chrono::milliseconds(state.range(0)));
    state.ResumeTiming();
}

// The real display callback: snapshot under the lock, draw, swap. glFinish makes the
// time include the renderer's work, not just the queuing of it.
void BM_DrawFrame(benchmark::State& state)
{
    for (auto _ : state) {
        idleBeforeFrame(state);
        drawFrame();
        glFinish();
    }
}

// The same frame with the plain brick pass, a display list per brick, for comparison.
void BM_DrawFramePlainBricks(benchmark::State& state)
{
    for (auto _ : state) {
        idleBeforeFrame(state);
        drawFrameWith(drawBrickCells);
        glFinish();
    }
}

void BM_ClearAndSwap(benchmark::State& state)
{
    for (auto _ : state) {
        idleBeforeFrame(state);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
        glFinish();
    }
}

// Both frames back to back and at the game's pace. Real time: most of a frame is spent
// in the renderer's own threads and in the X server.
void asFrameBenchmark(benchmark::internal::Benchmark* b)
{
    b->ArgName("idle_ms")->Arg(0)->Arg(15)->Unit(benchmark::kMillisecond)->UseRealTime();
    b->Repetitions(5)->ReportAggregatesOnly(true);
}

bool reshaped = false;

void onFirstReshape(int width, int height)
{
    onReshape(width, height);
    reshaped = true;
}

// The window as main makes it, mapped and sized, with the busy scene in the game state.
void openBusyWindow(int& argc, char** argv)
{
    openGameWindow(&argc, argv);
    glutDisplayFunc([] {});
    glutReshapeFunc(onFirstReshape);
    while (!reshaped)
        glutMainLoopEvent();
    std::lock_guard<std::mutex> lock(gameMutex);
    setUpBusyScene(gameState);
}

}  // namespace

BENCHMARK(BM_DrawFrame)->Apply(asFrameBenchmark);
BENCHMARK(BM_DrawFramePlainBricks)->Apply(asFrameBenchmark);
BENCHMARK(BM_ClearAndSwap)->Apply(asFrameBenchmark);

int main(int argc, char** argv)
{
    openBusyWindow(argc, argv);
    benchmark::AddCustomContext("GL renderer",
                                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
