// The two threads racing on the live game through the very calls the shells and the
// commander make: the tick, the keys, the commander's cycle and the frame's snapshot. The
// test never takes the lock itself, so a door that forgot it is a race that ThreadSanitizer
// (CI's tsan suite) reports.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "game/commander.h"
#include "invariants.h"
#include "render/scene.h"
#include "shell/key_press.h"
#include "shell/world_tick.h"

namespace {

// What a shell does beyond the rules, without GL or a window: "." runs the tick at once.
void ignorePause(bool /*paused*/)
{
}
void stayInTheGame()
{
}
constexpr ShellHooks testHooks = {ignorePause, tickWorld, stayInTheGame};

// The keys a player could press, with "n", "." and "/" among them; "l" and "p" would call GL.
constexpr unsigned char playKeys[] = {'w', 's', 'a', 'd', 'j', 'n', '.', '/', 'r', 'x'};

// The GLUT thread's work: now and then a key pressed and let go, then a tick and a frame.
void playerThread(int steps)
{
    std::minstd_rand random(11);
    for (int n = 0; n < steps; ++n) {
        const unsigned char key = playKeys[random() % sizeof playKeys];
        if (random() % 4 == 0) {
            pressKeyInShell(key, testHooks);
            releaseKeyInShell(key);
        }
        tickWorld();
        expectCountersConsistent(takeFrameSnapshot());
    }
}

}  // namespace

TEST(Stress, CommanderCyclesAgainstTicksKeysAndFrames)
{
    pressKeyInShell('n', testHooks);  // a new game, as a player would start one
    constexpr int steps = 20000;
    std::atomic<bool> done{false};
    std::thread commander([&] {
        while (!done.load())
            runCommanderCycle();
    });
    playerThread(steps);
    done = true;
    commander.join();

    const GameState& last = takeFrameSnapshot();
    expectCountersConsistent(last);
    expectBricksOnlyInTheLayout(last);
}
