// The commander and the GLUT thread's work racing on the live game; built
// with ThreadSanitizer in CI, where any unprotected access fails the run.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "game/commander.h"
#include "game/controls.h"
#include "game/tick.h"
#include "invariants.h"

namespace {

std::minstd_rand commanderDraws(7);

uint32_t commanderDraw()
{
    return uint32_t(commanderDraws());
}

// The keys a player could press, with "n", "." and "/" among them.
constexpr unsigned char playKeys[] = {'w', 's', 'a', 'd', 'j', 'n', '.', '/', 'r', 'x'};

void playerThread(int steps)
{
    std::minstd_rand random(11);
    for (int n = 0; n < steps; ++n) {
        std::lock_guard<std::mutex> lock(gameMutex);
        const unsigned char key = playKeys[random() % sizeof playKeys];
        if (random() % 4 == 0) {
            // A run of key presses and releases, then a tick, as GLUT delivers them.
            if (pressKey(gameState, key) == keyRunTick)
                advanceWorld(gameState);
            releaseKey(gameState, key);
        }
        advanceWorld(gameState);
        expectCountersConsistent(gameState);
    }
}

}  // namespace

TEST(Stress, CommanderCyclesAgainstTicksAndKeys)
{
    {
        std::lock_guard<std::mutex> lock(gameMutex);
        gameState = GameState{};
        setUpFirstGame(gameState);
    }
    constexpr int steps = 20000;
    std::atomic<bool> done{false};
    std::thread commander([&] {
        while (!done.load()) {
            std::lock_guard<std::mutex> lock(gameMutex);
            commanderCycle(gameState, commanderDraw);
            expectCountersConsistent(gameState);
        }
    });
    playerThread(steps);
    done = true;
    commander.join();

    std::lock_guard<std::mutex> lock(gameMutex);
    expectCountersConsistent(gameState);
    expectBricksOnlyInTheLayout(gameState);
}
