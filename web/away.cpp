#include "web/away.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "game/game_state.h"
#include "web/browser_input.h"
#include "web/game_commands.h"
#include "web/graphics.h"
#include "web/touch_controls.h"

namespace {

// No key-up or touch-end will come for what was held while the player could not see.
void pauseWhileAway()
{
    releaseHeldKeys();
    releaseTouches();
    if (!gameState.paused)
        pressGameKey('/');
}

// A hidden page gets its timers slowed to about one a second, which would run ticks and
// commander cycles one for one instead of thirty to one: other rules. So it pauses, and
// stays paused until the player goes on.
EM_BOOL onVisibilityChange(int /*eventType*/, const EmscriptenVisibilityChangeEvent* e,
                           void* /*unused*/)
{
    if (e->hidden)
        pauseWhileAway();
    return false;
}

// Cancelled, so that the browser may give the context back.
EM_BOOL onGraphicsLost(int /*eventType*/, const void* /*reserved*/, void* /*unused*/)
{
    pauseWhileAway();
    EM_ASM(if (Module.onGraphicsLost) Module.onGraphicsLost(););
    return true;
}

// The game stays paused until the player goes on.
EM_BOOL onGraphicsRestored(int /*eventType*/, const void* /*reserved*/, void* /*unused*/)
{
    if (restoreGraphics())
        EM_ASM(if (Module.onGraphicsRestored) Module.onGraphicsRestored(););
    return true;
}

}  // namespace

// The page's help covers the field: the player cannot see the game, as with a hidden page.
extern "C" EMSCRIPTEN_KEEPALIVE void helpOpened()
{
    pauseWhileAway();
}

void listenForAway(const char* canvas)
{
    emscripten_set_visibilitychange_callback(nullptr, false, onVisibilityChange);
    emscripten_set_webglcontextlost_callback(canvas, nullptr, false, onGraphicsLost);
    emscripten_set_webglcontextrestored_callback(canvas, nullptr, false, onGraphicsRestored);
}
