#include "sound/synth.h"

#include <cmath>

namespace {

constexpr double twoPi = 6.283185307179586;

}  // namespace

float Oscillator::next(double hz)
{
    const float s = float(std::sin(phase));
    phase = std::fmod(phase + twoPi * hz / soundRate, twoPi);
    return s;
}

float Noise::next()
{
    // xorshift32: fast, and the same sequence on every platform.
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return float(int32_t(state)) / 2147483648.0f;
}

void LowPass::setCutoff(double hz)
{
    coefficient = float(1.0 - std::exp(-twoPi * hz / soundRate));
}

float LowPass::next(float x)
{
    held += coefficient * (x - held);
    return held;
}

float DcBlocker::next(float x)
{
    lastOut = x - lastIn + 0.995f * lastOut;
    lastIn = x;
    return lastOut;
}

float envelope(double t, double attack, double decay)
{
    if (t < attack)
        return float(t / attack);
    return float(std::exp(-(t - attack) / decay));
}
