// The game's eight sound effects, rendered by code once at start-up and kept for the run.
#pragma once

#include <cstdint>

enum SoundEffect : int32_t {
    soundPlayerShot,
    soundEnemyShot,
    soundBrickCut,
    soundShellsMeet,
    soundEnemyDestroyed,
    soundPlayerDestroyed,
    soundEnemyEnters,
    soundBaseDestroyed,
    soundEffectCount,
};

struct EffectSound {
    const float* wave;       // -1 to 1, at soundRate
    const int16_t* samples;  // the same, for outputs that take 16-bit samples
    int32_t length;          // samples
    float peak;              // largest magnitude in wave
};

// Fills every effect's buffer, the same every time. Allocates nothing.
void renderEffects();

// An effect as renderEffects left it.
EffectSound effectSound(SoundEffect e);
