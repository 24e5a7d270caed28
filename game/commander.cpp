#include "game/commander.h"

#include <chrono>
#include <ctime>
#include <iterator>
#include <random>
#include <thread>

#include "game/collision.h"
#include "game/level.h"
#include "game/orders.h"

namespace {

void respawnOrEnd(GameState& g)
{
    if (!g.playerDead)
        return;
    if (g.livesLeft > 0) {
        --g.livesLeft;
        putPlayerAtStart(g.player);
        g.playerDead = 0;
    } else {
        g.gameOver = 1;  // the tank stays destroyed until a new game
    }
}

void releaseNextEnemy(GameState& g)
{
    if (g.enemiesOnField >= maxEnemiesOnField || g.enemiesReleased >= enemySlots)
        return;
    const int n = g.enemiesReleased;
    EnemyTank& e = g.enemies[n];
    if (tankBlocks(g, n, e.x, e.y))
        return;  // slot n waits at its own entry point
    ++g.enemiesOnField;
    e.alive = 1;
    g.enemiesReleased = int8_t(n + 1);
    recordEvent(g.events, eventEnemyEnters);
}

// An order is one of eight equally likely choices: a turn each way, carrying on, or firing
// (three in eight). A turn the tank already faces leaves it as it is.
constexpr uint32_t orderChoices = 8;
constexpr int32_t turnOrders[] = {moveUp, moveLeft, moveDown, moveRight};
constexpr uint32_t carryOnOrder = 4;  // the choice after the turns; the rest fire
static_assert(std::size(turnOrders) == carryOnOrder, "the turns come first");

void giveOrder(GameState& g, EnemyTank& e, uint32_t draw)
{
    const uint32_t choice = draw % orderChoices;
    if (choice < carryOnOrder)
        turnTank(e, turnOrders[choice]);
    else if (choice > carryOnOrder && launchShell(e))
        recordEvent(g.events, eventEnemyShot);
}

std::mt19937 commanderRandom;  // drawn from only under the game's lock

uint32_t randomDraw()
{
    return commanderRandom();
}

}  // namespace

void commanderCycle(GameState& g, uint32_t (*nextDraw)())
{
    respawnOrEnd(g);
    releaseNextEnemy(g);
    for (EnemyTank& e : g.enemies)
        if (e.alive)
            giveOrder(g, e, nextDraw());
}

void seedCommander()
{
    commanderRandom.seed(uint32_t(std::time(nullptr)));
}

void runCommanderCycle()
{
    std::lock_guard<std::mutex> lock(gameMutex);
    commanderCycle(gameState, randomDraw);
}

void enemyCommander()
{
    seedCommander();
    for (;;) {
        runCommanderCycle();
        std::this_thread::sleep_for(std::chrono::milliseconds(commanderPeriodMs));
    }
}
