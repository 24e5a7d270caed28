#include "game/commander.h"

#include <chrono>
#include <ctime>
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
        g.player.x = playerStartX;
        g.playerDead = 0;
        g.player.y = playerStartY;
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

void giveOrder(GameState& g, EnemyTank& e, uint32_t draw)
{
    static constexpr int32_t turns[] = {moveUp, moveLeft, moveDown, moveRight};
    const uint32_t r = draw % 8;
    if (r < 4)
        turnTank(e, turns[r]);
    else if (r >= 5 && launchShell(e))
        recordEvent(g.events, eventEnemyShot);
    // 4: carry on
}

std::mt19937 commanderRandom;  // touched by the commander thread alone

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

void enemyCommander()
{
    commanderRandom.seed(uint32_t(std::time(nullptr)));
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(gameMutex);
            commanderCycle(gameState, randomDraw);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
}
