#include "web/touch_controls.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "game/pad.h"
#include "render/scene.h"
#include "web/game_commands.h"

namespace {

// A button acts once per tap, as one key press; a held one does not repeat.
struct TouchButton {
    const char* selector;
    unsigned char key;
};
constexpr TouchButton touchButtons[] = {
    {"#fire", 'j'},     {"#pause", '/'},   {"#step", '.'},   {"#new-game", 'n'},
    {"#lighting", 'l'}, {"#outline", 'p'}, {"#camera", 'r'},
};
constexpr const char* driveStick = "#drive";

// Each finger owns at most one control: lifting it lets go of that one alone.
constexpr int noFinger = -1;
int driveFinger = noFinger;
unsigned char driveKey;  // the drive key the stick holds down, or 0
int orbitFinger = noFinger;

const EmscriptenTouchPoint* changedTouch(const EmscriptenTouchEvent* e, int finger)
{
    for (int k = 0; k < e->numTouches; ++k)
        if (e->touches[k].isChanged && (finger == noFinger || e->touches[k].identifier == finger))
            return &e->touches[k];
    return nullptr;
}

// The page marks the direction the stick holds, for the player's eye.
void showDriveKey(unsigned char key)
{
    EM_ASM(
        {
            const stick = document.querySelector(UTF8ToString($0));
            if ($1)
                stick.dataset.key = String.fromCharCode($1);
            else
                delete stick.dataset.key;
        },
        driveStick, key);
}

void driveBy(unsigned char key)
{
    if (key == driveKey)
        return;
    if (driveKey)
        releaseGameKey(driveKey);
    driveKey = key;
    if (key)
        pressGameKey(key);
    showDriveKey(key);
}

// The finger's place against the stick's centre, as a pad's stick reads, -1 to 1.
void steer(const EmscriptenTouchPoint& t)
{
    double width, height;
    emscripten_get_element_css_size(driveStick, &width, &height);
    if (width <= 0 || height <= 0)
        return;
    const double x = (t.targetX - width / 2) / (width / 2);
    const double y = (t.targetY - height / 2) / (height / 2);
    driveBy(driveKeyOf(float(x), float(y)));
}

// Returning true cancels the browser's own use of the touch: scrolling, zooming,
// selecting, its long-press menu and the mouse events it would make.
EM_BOOL onDriveTouch(int eventType, const EmscriptenTouchEvent* e, void* /*unused*/)
{
    const EmscriptenTouchPoint* t = changedTouch(e, driveFinger);
    if (!t)
        return true;
    if (eventType == EMSCRIPTEN_EVENT_TOUCHSTART || eventType == EMSCRIPTEN_EVENT_TOUCHMOVE) {
        driveFinger = t->identifier;
        steer(*t);
    } else {
        driveFinger = noFinger;
        driveBy(0);
    }
    return true;
}

EM_BOOL onButtonTouch(int /*eventType*/, const EmscriptenTouchEvent* e, void* button)
{
    for (int k = 0; k < e->numTouches; ++k)
        if (e->touches[k].isChanged)
            pressGameKey(static_cast<const TouchButton*>(button)->key);
    return true;
}

// A click comes from a mouse, a keyboard or assistive software; a touch never makes one.
EM_BOOL onButtonClick(int /*eventType*/, const EmscriptenMouseEvent* /*e*/, void* button)
{
    pressGameKey(static_cast<const TouchButton*>(button)->key);
    return true;
}

// The first finger on the field turns the camera; the others are left alone.
EM_BOOL onFieldTouch(int eventType, const EmscriptenTouchEvent* e, void* /*unused*/)
{
    const EmscriptenTouchPoint* t = changedTouch(e, orbitFinger);
    if (!t)
        return true;
    const int x = int(t->targetX), y = int(t->targetY);
    if (eventType == EMSCRIPTEN_EVENT_TOUCHSTART) {
        orbitFinger = t->identifier;
        onMouseButton(0, 0, x, y);  // a left press anchors the drag
    } else if (eventType == EMSCRIPTEN_EVENT_TOUCHMOVE) {
        onMouseDrag(x, y);
    } else {
        orbitFinger = noFinger;
    }
    return true;
}

void listenToTouches(const char* target, void* data, em_touch_callback_func callback)
{
    emscripten_set_touchstart_callback(target, data, true, callback);
    emscripten_set_touchmove_callback(target, data, true, callback);
    emscripten_set_touchend_callback(target, data, true, callback);
    emscripten_set_touchcancel_callback(target, data, true, callback);
}

}  // namespace

void listenToTouch(const char* canvas)
{
    listenToTouches(canvas, nullptr, onFieldTouch);
    listenToTouches(driveStick, nullptr, onDriveTouch);
    for (const TouchButton& button : touchButtons) {
        void* data = const_cast<TouchButton*>(&button);
        emscripten_set_touchstart_callback(button.selector, data, true, onButtonTouch);
        emscripten_set_click_callback(button.selector, data, true, onButtonClick);
    }
}

void releaseTouches()
{
    driveFinger = orbitFinger = noFinger;
    driveBy(0);
}
