// What happened in the game since the shell last asked, for the shell to make heard.
// Counters, not a queue: a tick can hold several of one kind, and the shell needs only
// to know which kinds came. Written under gameMutex like the rest of the state.
#pragma once

#include <cstdint>

enum GameEvent : int32_t {
    eventPlayerShot,
    eventEnemyShot,
    eventBrickCut,
    eventShellsMeet,
    eventEnemyDestroyed,
    eventPlayerDestroyed,
    eventEnemyEnters,
    eventBaseDestroyed,
    gameEventKinds,
};

struct GameEvents {
    uint16_t count[gameEventKinds];  // stops at its maximum rather than wrapping to silence
};

void recordEvent(GameEvents& events, GameEvent e);

// The counts so far, leaving them all at zero.
GameEvents takeEvents(GameEvents& events);
