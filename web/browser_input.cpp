#include "web/browser_input.h"

#include <emscripten/html5.h>

#include <cstring>

#include "game/controls.h"
#include "render/scene.h"
#include "web/browser_loop.h"

namespace {

// The twelve keys of the game: the browser must not act on them as well ("/" would open
// its find bar).
constexpr char gameKeys[] = "wsadjlpnqr/.";

// The character the key types, from the event's key, so that a shifted "q" is "Q" as in
// the native game; combinations with Ctrl, Alt or Meta stay the browser's.
bool gameKeyOf(const EmscriptenKeyboardEvent* e, unsigned char& key)
{
    if (e->ctrlKey || e->altKey || e->metaKey || e->key[0] == 0 || e->key[1] != 0)
        return false;
    key = static_cast<unsigned char>(e->key[0]);
    return std::strchr(gameKeys, key) != nullptr;
}

// Repeats of a held key come through as presses, as GLUT's default key repeat sends them.
EM_BOOL onKeyDown(int /*eventType*/, const EmscriptenKeyboardEvent* e, void* /*unused*/)
{
    unsigned char key;
    if (loopsStopped() || !gameKeyOf(e, key))
        return false;
    switch (pressKey(gameState, key)) {
    case keyApplyLighting: applyLighting(gameState.lightingOn); break;
    case keyApplyPolygonMode: applyPolygonMode(gameState.filledPolygons); break;
    case keyApplyPause: applyPause(); break;
    case keyRunTick: runTick(); break;
    case keyQuit: stopLoops(); break;
    default: break;
    }
    return true;
}

EM_BOOL onKeyUp(int /*eventType*/, const EmscriptenKeyboardEvent* e, void* /*unused*/)
{
    unsigned char key;
    if (loopsStopped() || !gameKeyOf(e, key))
        return false;
    releaseKey(gameState, key);
    return true;
}

// Not cancelled: the press also gives the canvas the keyboard focus.
EM_BOOL onMouseDown(int /*eventType*/, const EmscriptenMouseEvent* e, void* /*unused*/)
{
    onMouseButton(e->button, 0, int(e->targetX), int(e->targetY));  // GLUT_DOWN
    return false;
}

EM_BOOL onMouseUp(int /*eventType*/, const EmscriptenMouseEvent* e, void* /*unused*/)
{
    onMouseButton(e->button, 1, int(e->targetX), int(e->targetY));  // GLUT_UP
    return false;
}

// GLUT reports motion only while a button is held.
EM_BOOL onMouseMove(int /*eventType*/, const EmscriptenMouseEvent* e, void* /*unused*/)
{
    if (e->buttons == 0)
        return false;
    onMouseDrag(int(e->targetX), int(e->targetY));
    return true;
}

}  // namespace

void listenToInput(const char* canvas)
{
    emscripten_set_keydown_callback(canvas, nullptr, true, onKeyDown);
    emscripten_set_keyup_callback(canvas, nullptr, true, onKeyUp);
    emscripten_set_mousedown_callback(canvas, nullptr, true, onMouseDown);
    emscripten_set_mouseup_callback(canvas, nullptr, true, onMouseUp);
    emscripten_set_mousemove_callback(canvas, nullptr, true, onMouseMove);
}
