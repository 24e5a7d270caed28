// Which events a scripted play records, and how the shell takes them.
#include <gtest/gtest.h>

#include <array>

#include "fixtures.h"
#include "game/commander.h"
#include "game/controls.h"
#include "game/tick.h"

namespace {

uint32_t drawCarryOn()
{
    return 4;
}

uint32_t drawFire()
{
    return 5;
}

struct Play {
    const char* name;
    GameState (*setUp)();
    void (*play)(GameState&);
    // In GameEvent's order: player shot, enemy shot, cut, meet, enemy destroyed,
    // player destroyed, enemy enters, base destroyed.
    std::array<int, gameEventKinds> expected;
};

const Play plays[] = {
    {"the player fires twice; a third press finds no free shell",
     startedGame,
     [](GameState& g) {
         for (int n = 0; n < 3; ++n)
             pressKey(g, 'j');
     },
     {2, 0, 0, 0, 0, 0, 0, 0}},
    {"an enemy enters and fires in one cycle",
     startedGame,
     [](GameState& g) { commanderCycle(g, drawFire); },
     {0, 1, 0, 0, 0, 0, 1, 0}},
    {"an enemy enters and carries on",
     startedGame,
     [](GameState& g) { commanderCycle(g, drawCarryOn); },
     {0, 0, 0, 0, 0, 0, 1, 0}},
    {"a shell cuts bricks",
     emptyField,
     [](GameState& g) {
         g.bricks.cells[26][27] = 1;
         placeShell(g.player, 0, 0.0f, 0.0f);
         advanceWorld(g);
     },
     {0, 0, 1, 0, 0, 0, 0, 0}},
    {"the player's shell meets an enemy's",
     emptyField,
     [](GameState& g) {
         placeEnemy(g, 0, 10.0f, 10.0f);
         placeShell(g.player, 0, 5.0f, 0.0f);
         placeShell(g.enemies[0], 0, 5.0f, 0.3f, 0.0f, -0.25f);
         advanceWorld(g);
     },
     {0, 0, 0, 1, 0, 0, 0, 0}},
    {"the player's shell destroys an enemy",
     emptyField,
     [](GameState& g) {
         placeEnemy(g, 0, 5.0f, 5.0f);
         placeShell(g.player, 0, 5.0f, 4.0f);
         advanceWorld(g);
     },
     {0, 0, 0, 0, 1, 0, 0, 0}},
    {"an enemy's shell destroys the player, once",
     emptyField,
     [](GameState& g) {
         placeEnemy(g, 0, 10.0f, 10.0f);
         placeShell(g.enemies[0], 0, -12.0f, 10.5f);
         placeShell(g.enemies[0], 1, -12.0f, 10.6f);
         advanceWorld(g);
     },
     {0, 0, 0, 0, 0, 1, 0, 0}},
    {"two shells strike the base; it falls once",
     emptyField,
     [](GameState& g) {
         placeEnemy(g, 0, 10.0f, 10.0f);
         placeShell(g.enemies[0], 0, 0.0f, -10.5f, 0.0f, -0.25f);
         placeShell(g.player, 0, 1.0f, -10.5f, 0.0f, -0.25f);
         advanceWorld(g);
         placeShell(g.enemies[0], 1, 0.0f, -10.5f, 0.0f, -0.25f);
         advanceWorld(g);
     },
     {0, 0, 0, 0, 0, 0, 0, 1}},
    {"a quiet tick records nothing",
     startedGame,
     [](GameState& g) { advanceWorld(g); },
     {0, 0, 0, 0, 0, 0, 0, 0}},
};

}  // namespace

TEST(Events, EachScriptedPlayRecordsItsEvents)
{
    for (const Play& p : plays) {
        SCOPED_TRACE(p.name);
        GameState g = p.setUp();
        p.play(g);
        const GameEvents taken = takeEvents(g.events);
        for (int e = 0; e < gameEventKinds; ++e)
            EXPECT_EQ(taken.count[e], p.expected[e]) << "event " << e;
    }
}

TEST(Events, TakingLeavesNoneAndCountsStopAtTheirMaximum)
{
    GameEvents events{};
    for (int n = 0; n < 70000; ++n)
        recordEvent(events, eventBrickCut);
    EXPECT_EQ(takeEvents(events).count[eventBrickCut], UINT16_MAX);
    EXPECT_EQ(takeEvents(events).count[eventBrickCut], 0);
}

// A new game clears the slate but the events already recorded still reach the shell.
TEST(Events, ANewGameKeepsWhatWasRecorded)
{
    GameState g = startedGame();
    pressKey(g, 'j');
    pressKey(g, 'n');
    EXPECT_EQ(takeEvents(g.events).count[eventPlayerShot], 1);
}
