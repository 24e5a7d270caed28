// Which voice a new effect plays on, for every output: a free one, or else the one that
// began longest ago, so a burst of shots cuts its own oldest rather than the newest.
#pragma once

#include <cstdint>

constexpr int soundVoices = 6;  // at most this many effects at once

struct VoiceTurns {
    uint32_t startedAt[soundVoices];  // the count of starts when each voice began
    uint32_t starts;
};

// The voice to start the next effect on, given which are still playing; counts it started.
int takeVoice(VoiceTurns& turns, const bool (&playing)[soundVoices]);
