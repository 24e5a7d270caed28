// The game step alone, with no GL and no pacing: advanceWorld in the busy scene.
#include <benchmark/benchmark.h>

#include "bench/busy_scene.h"
#include "game/tick.h"

namespace {

GameState busyStart;  // static: a game record is several kilobytes
GameState world;

// One iteration is busyTicks ticks from the busy start, so every tick measured has
// all tanks moving and all shells flying; the counter gives the time per tick.
void BM_AdvanceWorld(benchmark::State& state)
{
    setUpBusyScene(busyStart);
    world = busyStart;
    for (int t = 0; t < busyTicks; ++t)
        advanceWorld(world);
    if (!sceneStillBusy(busyStart, world)) {
        state.SkipWithError("the busy scene does not stay busy");
        return;
    }
    for (auto _ : state) {
        world = busyStart;
        for (int t = 0; t < busyTicks; ++t) {
            advanceWorld(world);
            benchmark::ClobberMemory();
        }
    }
    state.counters["per_tick"] = benchmark::Counter(
        busyTicks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// What each iteration above spends on starting over, to show it is small beside the ticks.
void BM_RestoreBusyScene(benchmark::State& state)
{
    setUpBusyScene(busyStart);
    for (auto _ : state) {
        world = busyStart;
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_AdvanceWorld)->Repetitions(15)->ReportAggregatesOnly(true);
BENCHMARK(BM_RestoreBusyScene)->Repetitions(15)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
