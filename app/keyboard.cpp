#include "app/keyboard.h"

#include <GL/glut.h>

#include <cstdlib>

#include "app/game_loop.h"
#include "shell/key_press.h"

namespace {

// The ticks are GLUT's idle callback: paused, there is none.
void followPause(bool paused)
{
    glutIdleFunc(paused ? nullptr : simulationTick);
}

void quitGame()
{
    std::exit(0);
}

constexpr ShellHooks nativeHooks = {followPause, simulationTick, quitGame};

}  // namespace

void onKeyDown(unsigned char key, int /*x*/, int /*y*/)
{
    pressKeyInShell(key, nativeHooks);
}

void onKeyUp(unsigned char key, int /*x*/, int /*y*/)
{
    releaseKeyInShell(key);
}
