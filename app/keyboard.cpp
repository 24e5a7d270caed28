#include "app/keyboard.h"

#include <GL/glut.h>

#include <cstdlib>

#include "shell/key_press.h"

namespace {

void (*gameTick)();  // null until the callbacks are registered

// The ticks are GLUT's idle callback: paused, there is none.
void followPause(bool paused)
{
    glutIdleFunc(paused ? nullptr : gameTick);
}

void stepWhilePaused()
{
    if (gameTick)
        gameTick();
}

void quitGame()
{
    std::exit(0);
}

constexpr ShellHooks nativeHooks = {followPause, stepWhilePaused, quitGame};

}  // namespace

void keysRunTick(void (*tick)())
{
    gameTick = tick;
}

void onKeyDown(unsigned char key, int /*x*/, int /*y*/)
{
    pressKeyInShell(key, nativeHooks);
}

void onKeyUp(unsigned char key, int /*x*/, int /*y*/)
{
    releaseKeyInShell(key);
}
