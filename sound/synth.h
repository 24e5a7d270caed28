// The few building blocks the effects are made of: an oscillator, noise, an envelope and
// one-pole filters. Plain arithmetic, so every machine renders the same effects.
#pragma once

#include <cstdint>

constexpr int soundRate = 22050;  // samples a second, mono, for every effect and output

// A sine whose frequency may change from sample to sample.
struct Oscillator {
    double phase;  // radians

    float next(double hz);  // the sample, then a step of hz
};

// White noise in -1 to 1 from a fixed seed: the same noise every run.
struct Noise {
    uint32_t state = 0x2545f491u;

    float next();
};

// A one-pole low-pass at a given cut-off.
struct LowPass {
    float coefficient;
    float held;

    void setCutoff(double hz);
    float next(float x);
};

// Takes out the constant part of a signal, which a speaker cannot play and a mix would add up.
struct DcBlocker {
    float lastIn, lastOut;

    float next(float x);
};

// Rises linearly for attack seconds, then falls by e every decay seconds.
float envelope(double t, double attack, double decay);
