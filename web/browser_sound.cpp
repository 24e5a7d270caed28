// The page's hold on the sound: the browser's autoplay rule and the Sound button.
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

EMSCRIPTEN_KEEPALIVE void resumeSound()
{
    resumeAudioContexts();
}

EMSCRIPTEN_KEEPALIVE void switchSound(int on)
{
    setSoundOn(on != 0);
}

}  // extern "C"
