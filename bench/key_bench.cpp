// A key's way from the window system to the game: the GLUT keyboard callbacks of the game's
// window, down and up, in a real window; and the same right after each switch of the
// keyboard's layout group, which the callbacks have to follow, beside the switch alone.
// The keymap is made US and French (two groups) for the run.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "app/focus_watch.h"
#include "app/start_up.h"

namespace {

// "d" sits at the same place in both groups and drives in both builds.
void pressAndRelease()
{
    onWindowKeyDown('d', 0, 0);
    onWindowKeyUp('d', 0, 0);
}

void BM_KeyDownAndUp(benchmark::State& state)
{
    for (auto _ : state)
        pressAndRelease();
}

// Argument 1: a key after each switch; 0: the switch alone, a round trip to the server.
void BM_GroupSwitch(benchmark::State& state)
{
    Display* display = glXGetCurrentDisplay();
    unsigned group = 0;
    for (auto _ : state) {
        group ^= 1;
        XkbLockGroup(display, XkbUseCoreKbd, group);
        XSync(display, False);
        if (state.range(0) != 0)
            pressAndRelease();
    }
    XkbLockGroup(display, XkbUseCoreKbd, 0);
    XSync(display, False);
}

}  // namespace

BENCHMARK(BM_KeyDownAndUp)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_GroupSwitch)
    ->ArgName("key")
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    openGameWindow(&argc, argv);
    // While this process holds the display, so a server that resets with its last client
    // keeps the keymap.
    if (std::system("setxkbmap -layout us,fr") != 0)
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return std::system("setxkbmap -layout us") == 0 ? 0 : 1;
}
