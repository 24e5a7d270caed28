#include "web/game_commands.h"

#include <emscripten/emscripten.h>

#include "shell/key_press.h"
#include "web/browser_loop.h"

namespace {

bool ended;

// The ticks follow gameState.paused by themselves; the page says how to go on.
void tellPagePaused(bool paused)
{
    EM_ASM(
        {
            if (Module.onPauseChanged)
                Module.onPauseChanged($0);
        },
        paused);
}

void endGame()
{
    ended = true;
    stopLoops();
}

constexpr ShellHooks pageHooks = {tellPagePaused, runTick, endGame};

}  // namespace

bool pressGameKey(unsigned char key)
{
    if (ended)
        return false;
    pressKeyInShell(key, pageHooks);
    return true;
}

bool releaseGameKey(unsigned char key)
{
    if (ended)
        return false;
    releaseKeyInShell(key);
    return true;
}
