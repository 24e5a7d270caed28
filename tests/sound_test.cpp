// The effects as rendered, and the mixer that plays several at once.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "sound/effects.h"
#include "sound/mixer.h"
#include "sound/synth.h"

namespace {

// Each effect's length in seconds, and the pitch the ear should hear in it a quarter of
// the way through, where its sweep has gone a quarter of its way; 0 for a noise.
struct Expected {
    SoundEffect effect;
    double seconds;
    double pitch;  // Hz
};

const Expected effects[] = {
    {soundPlayerShot, 0.12, 881},  {soundEnemyShot, 0.10, 284},    {soundBrickCut, 0.09, 0},
    {soundShellsMeet, 0.15, 1480}, {soundEnemyDestroyed, 0.35, 0}, {soundPlayerDestroyed, 0.70, 0},
    {soundEnemyEnters, 0.22, 193}, {soundBaseDestroyed, 1.20, 0},
};

// Rising zero crossings a second over the first half, where the sound is loud.
double measuredPitch(const EffectSound& s)
{
    const int n = s.length / 2;
    int crossings = 0;
    for (int k = 1; k < n; ++k)
        crossings += s.wave[k - 1] < 0 && s.wave[k] >= 0;
    return crossings * double(soundRate) / n;
}

struct RenderOnce {
    RenderOnce() { renderEffects(); }
} renderOnce;

}  // namespace

TEST(Effects, LengthPeakOffsetAndPitch)
{
    for (const Expected& x : effects) {
        SCOPED_TRACE(x.effect);
        const EffectSound s = effectSound(x.effect);
        EXPECT_EQ(s.length, int(x.seconds * soundRate));
        double sum = 0;
        float largest = 0;
        for (int k = 0; k < s.length; ++k) {
            sum += s.wave[k];
            largest = std::fmax(largest, std::fabs(s.wave[k]));
            EXPECT_EQ(s.samples[k], int16_t(std::lround(s.wave[k] * 32767.0f)));
        }
        EXPECT_LE(largest, 1.0f);
        EXPECT_GT(largest, 0.2f);  // audible
        EXPECT_FLOAT_EQ(s.peak, largest);
        EXPECT_LT(std::fabs(sum / s.length), 1e-4) << "offset";
        // Silent at both ends, so no click.
        EXPECT_LT(std::fabs(s.wave[0]), 0.02f);
        EXPECT_LT(std::fabs(s.wave[s.length - 1]), 0.02f);
        if (x.pitch > 0) {
            EXPECT_NEAR(measuredPitch(s), x.pitch, x.pitch * 0.12);
        }
    }
}

TEST(Effects, ThePlayersShotStandsOutFromTheEnemies)
{
    const EffectSound player = effectSound(soundPlayerShot);
    const EffectSound enemy = effectSound(soundEnemyShot);
    EXPECT_GT(player.peak, enemy.peak * 1.5f);
    EXPECT_GT(measuredPitch(player), 2 * measuredPitch(enemy));
}

TEST(Effects, TheSameBytesEveryTimeAndQuickToMake)
{
    std::vector<int16_t> first;
    for (const Expected& x : effects) {
        const EffectSound s = effectSound(x.effect);
        first.insert(first.end(), s.samples, s.samples + s.length);
    }
    const auto start = std::chrono::steady_clock::now();
    renderEffects();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("render_ms", std::to_string(ms));
    std::printf("rendering every effect took %.2f ms\n", ms);
    size_t at = 0;
    for (const Expected& x : effects) {
        const EffectSound s = effectSound(x.effect);
        EXPECT_EQ(std::memcmp(s.samples, first.data() + at, s.length * sizeof(int16_t)), 0);
        at += s.length;
    }
}

TEST(Mixer, NeverClipsAndTheOldestGivesWay)
{
    static float loud[1000], quiet[1000];
    for (float& v : loud)
        v = 1.0f;
    for (float& v : quiet)
        v = 0.25f;
    Mixer m{};
    for (int n = 0; n < soundVoices; ++n)
        startVoice(m, loud, 1000, 1.0f);
    int16_t out[100];
    mixVoices(m, out, 100);
    for (int16_t s : out)
        EXPECT_LE(std::abs(int(s)), 32767);
    EXPECT_EQ(out[0], 32767);  // six full voices, scaled to one
    // A seventh voice takes the oldest's place: the first loud one, 100 samples in. The
    // other five play on, as the mix says.
    startVoice(m, quiet, 1000, 0.25f);
    EXPECT_EQ(m.voices[0].wave, quiet);
    EXPECT_EQ(m.voices[0].position, 0);
    mixVoices(m, out, 100);
    const float expected = (5 * 1.0f + 0.25f) / 5.25f;
    EXPECT_EQ(out[0], int16_t(std::lround(expected * 32767.0f)));
    // Voices end with their waves, and a lone quiet one plays at its own level.
    Mixer one{};
    startVoice(one, quiet, 10, 0.25f);
    mixVoices(one, out, 20);
    EXPECT_EQ(out[0], int16_t(std::lround(0.25f * 32767.0f)));
    EXPECT_EQ(out[15], 0);
    // The ended voice is free: it no longer scales down a full one that follows.
    startVoice(one, loud, 1000, 1.0f);
    mixVoices(one, out, 1);
    EXPECT_EQ(out[0], 32767);
}
