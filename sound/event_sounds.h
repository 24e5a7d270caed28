// What the shells play for the game's events: every kind that came since the last time,
// once, however many of it came in one tick.
#pragma once

#include "game/events.h"
#include "sound/output.h"

static_assert(int(gameEventKinds) == int(soundEffectCount), "one effect for each kind of event");

inline void playEvents(const GameEvents& events)
{
    for (int e = 0; e < gameEventKinds; ++e)
        if (events.count[e])
            playEffect(SoundEffect(e));
}
