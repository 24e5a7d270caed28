// What the shells play for the game's events: every kind that came since the last time,
// once, however many of it came in one tick.
#pragma once

#include "game/events.h"
#include "sound/output.h"

struct EventSound {
    GameEvent event;
    SoundEffect effect;
};

// By name, so neither list's order matters; played in this order when several come at once.
constexpr EventSound eventSounds[] = {
    {eventPlayerShot, soundPlayerShot},
    {eventEnemyShot, soundEnemyShot},
    {eventBrickCut, soundBrickCut},
    {eventShellsMeet, soundShellsMeet},
    {eventEnemyDestroyed, soundEnemyDestroyed},
    {eventPlayerDestroyed, soundPlayerDestroyed},
    {eventEnemyEnters, soundEnemyEnters},
    {eventBaseDestroyed, soundBaseDestroyed},
};

// Every event once and every effect once: none is silent, none shares another's sound.
constexpr bool eventSoundsEachOnce()
{
    int events[gameEventKinds] = {}, effects[soundEffectCount] = {};
    for (const EventSound& s : eventSounds) {
        ++events[s.event];
        ++effects[s.effect];
    }
    for (int n : events)
        if (n != 1)
            return false;
    for (int n : effects)
        if (n != 1)
            return false;
    return true;
}

static_assert(eventSoundsEachOnce(), "each event plays an effect of its own");

inline void playEvents(const GameEvents& events)
{
    for (const EventSound& s : eventSounds)
        if (events.count[s.event])
            playEffect(s.effect);
}
