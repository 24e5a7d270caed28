// The page's hold on the sound: the browser's autoplay rule and the Sound button. The
// audio context is made at the player's first key, click or touch, never before: a
// context made earlier starts suspended, and browsers warn of it in the console.
#include <emscripten/emscripten.h>

#include "sound/output.h"

// emscripten's OpenAL keeps its AudioContext in AL; its own resumer listens for keydown,
// mousedown and touchstart only, and a touchstart is no user activation, so a phone
// whose touches the game takes would stay silent. The page calls this from touchend too.
// clang-format off
EM_JS(void, resumeAudioContexts, (), {
    if (typeof AL === 'undefined')
        return;
    for (var id in AL.contexts) {
        var audio = AL.contexts[id] && AL.contexts[id].audioCtx;
        if (audio && audio.state === 'suspended')
            audio.resume();
    }
});
// clang-format on

extern "C" {

// Called by the page only from an event that lets a page start its sound.
EMSCRIPTEN_KEEPALIVE void resumeSound()
{
    static bool started = false;
    if (!started) {
        started = true;
        startSound();  // silently nothing where the browser has no Web Audio
    }
    resumeAudioContexts();
}

EMSCRIPTEN_KEEPALIVE void switchSound(int on)
{
    setSoundOn(on != 0);
}

}  // extern "C"
