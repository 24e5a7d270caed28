// Windows: winmm's waveOut, a system DLL, fed by a thread of its own from the mixer.
#include <windows.h>

#include <mmsystem.h>

#include <mutex>
#include <system_error>
#include <thread>

#include "game/never_destroyed.h"
#include "sound/mixer.h"
#include "sound/output.h"
#include "sound/synth.h"

namespace {

// Four blocks of about 12 ms queued: a sound starts within 50 ms of its event.
constexpr int blocks = 4;
constexpr int blockFrames = 256;

struct WaveOutput {
    HWAVEOUT device;
    HANDLE blockDone;  // set by winmm whenever a block has played
    WAVEHDR headers[blocks];
    int16_t samples[blocks][blockFrames];
    Mixer mixer;  // guarded by mixerLock, taken by the game's thread and the feeder alike
    bool ready;
    bool on = true;
};

WaveOutput out;

// The feeder runs until the process ends, so its lock must outlive every static destructor
// that exit runs; the rest of out has no destructor to run.
NeverDestroyed<std::mutex> mixerLockHolder;
std::mutex& mixerLock = mixerLockHolder.object;

void queueBlock(WAVEHDR& h, int16_t* samples)
{
    {
        std::lock_guard<std::mutex> guard(mixerLock);
        mixVoices(out.mixer, samples, blockFrames);
    }
    waveOutWrite(out.device, &h, sizeof h);
}

// Refills every block winmm has finished with, for as long as the process lives.
void feed()
{
    for (;;) {
        WaitForSingleObject(out.blockDone, INFINITE);
        for (int b = 0; b < blocks; ++b)
            if (out.headers[b].dwFlags & WHDR_DONE)
                queueBlock(out.headers[b], out.samples[b]);
    }
}

bool openDevice()
{
    if (waveOutGetNumDevs() == 0)
        return false;
    out.blockDone = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!out.blockDone)
        return false;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = soundRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = soundRate * 2;
    return waveOutOpen(&out.device, WAVE_MAPPER, &format, DWORD_PTR(out.blockDone), 0,
                       CALLBACK_EVENT) == MMSYSERR_NOERROR;
}

}  // namespace

bool startSound()
{
    renderEffects();
    if (!openDevice())
        return false;  // under Wine without audio, on a server: silence
    for (int b = 0; b < blocks; ++b) {
        WAVEHDR& h = out.headers[b];
        h.lpData = reinterpret_cast<LPSTR>(out.samples[b]);
        h.dwBufferLength = sizeof out.samples[b];
        waveOutPrepareHeader(out.device, &h, sizeof h);
        queueBlock(h, out.samples[b]);
    }
    try {
        std::thread(feed).detach();
    } catch (const std::system_error&) {
        waveOutReset(out.device);
        waveOutClose(out.device);
        return false;
    }
    out.ready = true;
    return true;
}

void playEffect(SoundEffect e)
{
    if (!out.ready || !out.on)
        return;
    const EffectSound s = effectSound(e);
    std::lock_guard<std::mutex> guard(mixerLock);
    startVoice(out.mixer, s.wave, s.length, s.peak);
}

void setSoundOn(bool on)
{
    out.on = on;
}
