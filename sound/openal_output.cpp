#include <AL/al.h>
#include <AL/alc.h>

#include <cstdlib>

#include "sound/output.h"
#include "sound/synth.h"
#include "sound/voices.h"
#ifndef __EMSCRIPTEN__
#include "sound/quiet_alsa.h"
#endif

namespace {

struct OpenAlOutput {
    ALCdevice* device;
    ALCcontext* context;
    ALuint buffers[soundEffectCount];
    ALuint sources[soundVoices];
    VoiceTurns turns;
    bool ready;
    bool on = true;
};

OpenAlOutput out;

bool loadEffects()
{
    alGenBuffers(soundEffectCount, out.buffers);
    for (int e = 0; e < soundEffectCount; ++e) {
        const EffectSound s = effectSound(SoundEffect(e));
        alBufferData(out.buffers[e], AL_FORMAT_MONO16, s.samples, ALsizei(s.length * 2), soundRate);
    }
    alGenSources(soundVoices, out.sources);
    return alGetError() == AL_NO_ERROR;
}

int voiceToUse()
{
    bool playing[soundVoices];
    for (int v = 0; v < soundVoices; ++v) {
        ALint state = AL_STOPPED;
        alGetSourcei(out.sources[v], AL_SOURCE_STATE, &state);
        playing[v] = state == AL_PLAYING;
    }
    return takeVoice(out.turns, playing);
}

void closeDevice()
{
    alcMakeContextCurrent(nullptr);
    if (out.context)
        alcDestroyContext(out.context);
    alcCloseDevice(out.device);
    out.context = nullptr;
    out.device = nullptr;
}

}  // namespace

bool startSound()
{
    renderEffects();
#ifndef __EMSCRIPTEN__
    quietSoundLibraries();
#endif
    out.device = alcOpenDevice(nullptr);
    if (!out.device) {
#ifndef __EMSCRIPTEN__
        sayWhySilent();
#endif
        return false;
    }
    out.context = alcCreateContext(out.device, nullptr);
    if (!out.context || !alcMakeContextCurrent(out.context) || !loadEffects()) {
        closeDevice();
        return false;
    }
    out.ready = true;
    // The game ends by exit(); closed before OpenAL's own clean-up, which would complain.
    // Should there be no room for it, that complaint is all that follows.
    (void)std::atexit([] {
        out.ready = false;
        closeDevice();
    });
    return true;
}

void playEffect(SoundEffect e)
{
    if (!out.ready || !out.on)
        return;
    const int v = voiceToUse();
    const ALuint source = out.sources[v];
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, ALint(out.buffers[e]));
    alSourcePlay(source);
    alGetError();  // a device that went away fails quietly, and the game plays on
}

void setSoundOn(bool on)
{
    out.on = on;
    if (!out.ready || on)
        return;
    for (ALuint source : out.sources)
        alSourceStop(source);
}
