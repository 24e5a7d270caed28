// A handful of voices mixed into one stream, for outputs that take a single stream.
#pragma once

#include <cstdint>

#include "sound/voices.h"

struct MixerVoice {
    const float* wave;  // nullptr when free
    int32_t length, position;
    float peak;
};

struct Mixer {
    MixerVoice voices[soundVoices];
    VoiceTurns turns;
};

// Plays wave from its start on a free voice, or in place of the oldest.
void startVoice(Mixer& m, const float* wave, int32_t length, float peak);

// The next frames samples of the mix. Whenever the voices' peaks add up to more than one
// the mix is scaled down by their sum, so it never clips.
void mixVoices(Mixer& m, int16_t* out, int32_t frames);
