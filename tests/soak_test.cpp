// A long game of random orders for every tank; the sanitizer builds in CI
// make any stray read or write outside the game's arrays fail it.
#include <gtest/gtest.h>

#include <random>

#include "game/commander.h"
#include "game/orders.h"
#include "game/tick.h"
#include "invariants.h"

namespace {

std::mt19937 random(2024);

uint32_t draw()
{
    return uint32_t(random());
}

void randomOrder(Tank& t)
{
    const uint32_t r = draw() % 16;
    if (r < 4)
        turnTank(t, int32_t(r + 1));
    else if (r < 7)
        launchShell(t);
}

}  // namespace

TEST(Soak, HundredThousandTicksOfRandomPlay)
{
    GameState g{};
    setUpFirstGame(g);
    for (int tick = 0; tick < 100000; ++tick) {
        randomOrder(g.player);
        for (EnemyTank& e : g.enemies)
            randomOrder(e);
        if (tick % 33 == 0)
            commanderCycle(g, draw);
        if (tick % 20000 == 19999)
            resetGame(g);
        advanceWorld(g);
        expectTanksOnTheField(g);
        expectCountersConsistent(g);
    }
    expectBricksOnlyInTheLayout(g);
}
