#include "web/browser_input.h"

#include <emscripten/em_js.h>
#include <emscripten/html5.h>

#include <cstring>

#include "render/scene.h"
#include "shell/key_places.h"
#include "web/game_commands.h"

namespace {

// Keys the browser would act on for the page while the field has the keyboard: scrolling,
// and quick find ("/" in Chromium, "'" in Firefox).
constexpr const char* pageCodes[] = {"Space",      "ArrowUp", "ArrowDown", "ArrowLeft",
                                     "ArrowRight", "PageUp",  "PageDown",  "Home",
                                     "End",        "Slash",   "Quote"};

// A key held down, by the physical key that pressed it: its release must let go of the
// game key it pressed, whatever the modifiers make of it by then ("w" comes up as "W"
// once Shift is down).
struct HeldKey {
    char code[sizeof EmscriptenKeyboardEvent::code];
    unsigned char key;  // 0: a free entry
};
HeldKey heldKeys[8];

bool withModifier(const EmscriptenKeyboardEvent* e)
{
    return e->ctrlKey || e->altKey || e->metaKey;
}

// A capital letter in any script with case. The browser knows every script's case; the C
// library's tables would add 2 KiB to the gzipped download.
EM_JS(int, isCapital, (const char* key), {
    const k = UTF8ToString(key);
    return Array.from(k).length == 1 && k != k.toLowerCase();
});

// A letter key typed with Shift or Caps Lock: no game key, as in the native game.
constexpr int capitalTyped = -2;

// The letter keys by their place, from the event's code ("KeyW"), whatever the layout
// prints there; the event carries no Caps Lock state, so a capital in the key, in any
// script with case, says Shift or Caps Lock. -1: not one of the game's letter places.
int letterPlaceOf(const EmscriptenKeyboardEvent* e)
{
    const char* code = e->code;
    if (std::strncmp(code, "Key", 3) != 0 || code[3] < 'A' || code[3] > 'Z' || code[4] != 0)
        return -1;
    const int place = placeOfLetter(char(code[3] - 'A' + 'a'));
    return isCapital(e->key) ? capitalTyped : place;
}

// What a typed character presses: the letters as a US keyboard prints them, "/" and ".".
const PlaceSymbols usKeyboard = usPlaceSymbols();

// The game key: a letter by its place, "/" and "." by the character typed, and every key
// by its character where the event names no place (some on-screen keyboards); combinations
// with Ctrl, Alt or Meta stay the browser's.
bool gameKeyOf(const EmscriptenKeyboardEvent* e, unsigned char& key)
{
    if (withModifier(e))
        return false;
    const int place = letterPlaceOf(e);
    if (place >= 0)
        key = static_cast<unsigned char>(placeLetters[place]);
    else if (place == -1 && e->key[0] != 0 && e->key[1] == 0 &&
             (e->code[0] == 0 || e->key[0] == '/' || e->key[0] == '.'))
        key = gameKeyTyped(usKeyboard, char32_t(static_cast<unsigned char>(e->key[0])));
    else
        return false;
    return key != 0;
}

bool pageKey(const EmscriptenKeyboardEvent* e)
{
    if (withModifier(e))
        return false;
    for (const char* code : pageCodes)
        if (std::strcmp(e->code, code) == 0)
            return true;
    return false;
}

HeldKey* heldKeyOf(const char* code)
{
    for (HeldKey& held : heldKeys)
        if (held.key && std::strcmp(held.code, code) == 0)
            return &held;
    return nullptr;
}

void holdKey(const char* code, unsigned char key)
{
    if (heldKeyOf(code))
        return;
    for (HeldKey& held : heldKeys)
        if (!held.key) {
            std::strncpy(held.code, code, sizeof held.code - 1);
            held.code[sizeof held.code - 1] = 0;
            held.key = key;
            return;
        }
}

// Repeats of a held key come through as presses, as GLUT's default key repeat sends them.
EM_BOOL onKeyDown(int /*eventType*/, const EmscriptenKeyboardEvent* e, void* /*unused*/)
{
    unsigned char key;
    if (!gameKeyOf(e, key) || !pressGameKey(key))
        return pageKey(e);
    holdKey(e->code, key);
    return true;
}

EM_BOOL onKeyUp(int /*eventType*/, const EmscriptenKeyboardEvent* e, void* /*unused*/)
{
    unsigned char key;
    if (HeldKey* held = heldKeyOf(e->code)) {
        key = held->key;
        held->key = 0;
    } else if (!gameKeyOf(e, key)) {
        return pageKey(e);
    }
    return releaseGameKey(key) || pageKey(e);
}

// Focus gone to another element, tab or window: no key-up will come for what is held.
EM_BOOL onBlur(int /*eventType*/, const EmscriptenFocusEvent* /*e*/, void* /*unused*/)
{
    releaseHeldKeys();
    return false;
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

void releaseHeldKeys()
{
    for (HeldKey& held : heldKeys)
        if (held.key) {
            releaseGameKey(held.key);
            held.key = 0;
        }
}

void listenToInput(const char* canvas)
{
    emscripten_set_keydown_callback(canvas, nullptr, true, onKeyDown);
    emscripten_set_keyup_callback(canvas, nullptr, true, onKeyUp);
    emscripten_set_blur_callback(canvas, nullptr, true, onBlur);
    emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, true, onBlur);
    emscripten_set_mousedown_callback(canvas, nullptr, true, onMouseDown);
    emscripten_set_mouseup_callback(canvas, nullptr, true, onMouseUp);
    emscripten_set_mousemove_callback(canvas, nullptr, true, onMouseMove);
}
