#include "sound/effects.h"

#include <cmath>

#include "sound/synth.h"

namespace {

// One effect: a tone sweeping between two pitches and filtered noise, under one envelope.
// The player's sounds are higher, brighter and louder than the enemies', so they stand
// out; everything is short and soft-edged, so a hundred shots do not tire.
struct Recipe {
    SoundEffect effect;
    float peak;  // the finished effect's largest magnitude
    double seconds;
    double toneFrom, toneTo;  // Hz, swept exponentially; 0 for no tone
    float toneLevel;
    float overtone;  // level of the second harmonic, for brightness
    float noiseLevel;
    double noiseCutoff;    // Hz
    double attack, decay;  // seconds
};

constexpr Recipe recipes[soundEffectCount] = {
    // player's shot: a bright, quick falling blip
    {soundPlayerShot, 0.70f, 0.12, 990, 620, 1.0f, 0.35f, 0.15f, 3000, 0.002, 0.035},
    // enemy's shot: lower, duller, quieter
    {soundEnemyShot, 0.40f, 0.10, 300, 240, 1.0f, 0.0f, 0.10f, 1200, 0.003, 0.030},
    // a shell cutting bricks: a short crumble
    {soundBrickCut, 0.45f, 0.09, 0, 0, 0.0f, 0.0f, 1.0f, 1800, 0.001, 0.025},
    // two shells meeting: a metallic ping
    {soundShellsMeet, 0.45f, 0.15, 1480, 1480, 1.0f, 0.2f, 0.1f, 4000, 0.001, 0.040},
    // an enemy destroyed: a dull burst with a thump beneath
    {soundEnemyDestroyed, 0.60f, 0.35, 120, 60, 0.5f, 0.0f, 1.0f, 900, 0.002, 0.090},
    // the player destroyed: a falling tone over a longer burst
    {soundPlayerDestroyed, 0.75f, 0.70, 440, 70, 0.7f, 0.3f, 0.6f, 1400, 0.003, 0.200},
    // an enemy entering: a soft low hum rising
    {soundEnemyEnters, 0.30f, 0.22, 180, 240, 1.0f, 0.0f, 0.0f, 1000, 0.060, 0.060},
    // the base destroyed: a long deep rumble
    {soundBaseDestroyed, 0.85f, 1.20, 80, 40, 0.6f, 0.0f, 1.0f, 400, 0.005, 0.350},
};

// Each row names its effect, so reordering the effects cannot give one another's sound.
constexpr bool inEffectOrder()
{
    for (int e = 0; e < soundEffectCount; ++e)
        if (recipes[e].effect != e)
            return false;
    return true;
}

static_assert(inEffectOrder(), "the recipes in the order of the effects");

constexpr int lengthOf(const Recipe& r)
{
    return int(r.seconds * soundRate);
}

constexpr int totalLength()
{
    int n = 0;
    for (const Recipe& r : recipes)
        n += lengthOf(r);
    return n;
}

float waves[totalLength()];
int16_t samples[totalLength()];
int32_t offsets[soundEffectCount];
float peaks[soundEffectCount];

double toneAt(const Recipe& r, double t)
{
    return r.toneFrom * std::pow(r.toneTo / r.toneFrom, t / r.seconds);
}

// The raw sound, with its constant part taken out and its last 5 ms faded to nothing.
void synthesise(const Recipe& r, float* out, int n)
{
    Oscillator tone{0}, overtone{0};
    Noise noise;
    LowPass filter{};
    filter.setCutoff(r.noiseCutoff);
    DcBlocker dc{};
    const int fade = soundRate / 200;
    for (int k = 0; k < n; ++k) {
        const double t = double(k) / soundRate;
        float s = r.noiseLevel * filter.next(noise.next());
        if (r.toneLevel > 0) {
            const double hz = toneAt(r, t);
            s += r.toneLevel * (tone.next(hz) + r.overtone * overtone.next(2 * hz));
        }
        s *= envelope(t, r.attack, r.decay);
        if (k >= n - fade)
            s *= float(n - k) / fade;
        out[k] = dc.next(s);
    }
}

// Takes out what offset is left and scales to the recipe's peak.
float normalise(float* wave, int n, float peak)
{
    double sum = 0;
    for (int k = 0; k < n; ++k)
        sum += wave[k];
    const float mean = float(sum / n);
    float largest = 0;
    for (int k = 0; k < n; ++k) {
        wave[k] -= mean;
        largest = std::fmax(largest, std::fabs(wave[k]));
    }
    const float scale = largest > 0 ? peak / largest : 0.0f;
    for (int k = 0; k < n; ++k)
        wave[k] *= scale;
    return largest > 0 ? peak : 0.0f;
}

}  // namespace

void renderEffects()
{
    int offset = 0;
    for (int e = 0; e < soundEffectCount; ++e) {
        const Recipe& r = recipes[e];
        const int n = lengthOf(r);
        float* wave = waves + offset;
        synthesise(r, wave, n);
        peaks[e] = normalise(wave, n, r.peak);
        for (int k = 0; k < n; ++k)
            samples[offset + k] = int16_t(std::lround(wave[k] * 32767.0f));
        offsets[e] = offset;
        offset += n;
    }
}

EffectSound effectSound(SoundEffect e)
{
    const int offset = offsets[e];
    return {waves + offset, samples + offset, lengthOf(recipes[e]), peaks[e]};
}
