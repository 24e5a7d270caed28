#include "game/events.h"

void recordEvent(GameEvents& events, GameEvent e)
{
    uint16_t& n = events.count[e];
    if (n < UINT16_MAX)
        ++n;
}

GameEvents takeEvents(GameEvents& events)
{
    const GameEvents taken = events;
    events = GameEvents{};
    return taken;
}
