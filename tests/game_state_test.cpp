// The shared helpers of the game record, and the lifetime of the game's mutex: the process may
// end while a thread holds it or waits for it.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "game/game_state.h"
#include "game/never_destroyed.h"

namespace {

struct Probe {
    static inline int built = 0;
    static inline int destroyed = 0;
    Probe() { ++built; }
    ~Probe() { ++destroyed; }
};

void sleepForever()
{
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

}  // namespace

TEST(HeadingDirection, FacesAlongEachHeadingAndNowhereForOthers)
{
    const struct {
        int32_t heading;
        int ux, uy;
    } cases[] = {{0, 0, 1}, {90, -1, 0}, {180, 0, -1}, {270, 1, 0}, {45, 0, 0}, {-90, 0, 0}};
    for (const auto& c : cases) {
        int ux = 7, uy = 7;
        headingDirection(c.heading, ux, uy);
        EXPECT_EQ(ux, c.ux) << c.heading;
        EXPECT_EQ(uy, c.uy) << c.heading;
    }
}

TEST(NeverDestroyed, BuildsItsObjectAndNeverDestroysIt)
{
    {
        NeverDestroyed<Probe> holder;
        EXPECT_EQ(Probe::built, 1);
    }
    EXPECT_EQ(Probe::destroyed, 0);
}

// "q": exit on the GLUT thread while it holds the lock and the commander waits for it.
TEST(GameMutexDeathTest, ExitWhileHoldingItWithAThreadWaiting)
{
    EXPECT_EXIT(
        {
            gameMutex.lock();
            std::thread([] { std::lock_guard<std::mutex> lock(gameMutex); }).detach();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));  // let it start waiting
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

// The window closed: exit while the commander holds the lock.
TEST(GameMutexDeathTest, ExitWhileAnotherThreadHoldsIt)
{
    EXPECT_EXIT(
        {
            static std::atomic<bool> holding{false};
            std::thread([] {
                std::lock_guard<std::mutex> lock(gameMutex);
                holding = true;
                sleepForever();
            }).detach();
            while (!holding)
                std::this_thread::yield();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}
