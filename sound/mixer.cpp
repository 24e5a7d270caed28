#include "sound/mixer.h"

#include <cmath>

namespace {

MixerVoice& voiceToUse(Mixer& m)
{
    MixerVoice* oldest = &m.voices[0];
    for (MixerVoice& v : m.voices) {
        if (!v.wave)
            return v;
        if (v.startedAt - oldest->startedAt > 0x80000000u)  // older, across wrap-around
            oldest = &v;
    }
    return *oldest;
}

float mixGain(const Mixer& m)
{
    float sum = 0;
    for (const MixerVoice& v : m.voices)
        if (v.wave)
            sum += v.peak;
    return sum > 1.0f ? 1.0f / sum : 1.0f;
}

}  // namespace

void startVoice(Mixer& m, const float* wave, int32_t length, float peak)
{
    MixerVoice& v = voiceToUse(m);
    v = {wave, length, 0, peak, m.starts++};
}

void mixVoices(Mixer& m, int16_t* out, int32_t frames)
{
    const float gain = mixGain(m);
    for (int32_t k = 0; k < frames; ++k) {
        float s = 0;
        for (MixerVoice& v : m.voices) {
            if (!v.wave)
                continue;
            s += v.wave[v.position++];
            if (v.position >= v.length)
                v.wave = nullptr;
        }
        out[k] = int16_t(std::lround(s * gain * 32767.0f));
    }
}

int activeVoices(const Mixer& m)
{
    int n = 0;
    for (const MixerVoice& v : m.voices)
        n += v.wave != nullptr;
    return n;
}
