#include "sound/mixer.h"

#include <cmath>

namespace {

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
    bool playing[soundVoices];
    for (int v = 0; v < soundVoices; ++v)
        playing[v] = m.voices[v].wave != nullptr;
    m.voices[takeVoice(m.turns, playing)] = {wave, length, 0, peak};
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
