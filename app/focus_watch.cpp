#include "app/focus_watch.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <GL/glx.h>
#include <X11/Xlib.h>
#endif

#include <iterator>

#include "app/keyboard.h"

namespace {

constexpr unsigned char drivingKeys[] = {'w', 'a', 's', 'd'};
bool held[std::size(drivingKeys)];

int drivingKeyIndex(unsigned char key)
{
    for (int k = 0; k < int(std::size(drivingKeys)); ++k)
        if (drivingKeys[k] == key)
            return k;
    return -1;
}

#ifdef _WIN32

bool keyboardHolds(unsigned char key)
{
    const SHORT virtualKey = VkKeyScanA(char(key));
    return virtualKey != -1 && (GetAsyncKeyState(virtualKey & 0xff) & 0x8000) != 0;
}

#else

// The keys physically down, whatever window has the focus, asked of the X connection freeglut
// opened (it is the current GL context's). Without a context nothing can be asked, and every
// key reads as still held.
struct Keymap {
    Display* display;
    char keys[32];
};

Keymap keyboardNow()
{
    Keymap k = {glXGetCurrentDisplay(), {}};
    if (k.display)
        XQueryKeymap(k.display, k.keys);
    return k;
}

bool holds(const Keymap& k, unsigned char key)
{
    if (!k.display)
        return true;
    // The driving keys are Latin-1 letters, whose keysyms are their own codes.
    const KeyCode code = XKeysymToKeycode(k.display, KeySym(key));
    return code == 0 || (k.keys[code / 8] & (1 << (code % 8))) != 0;
}

#endif

}  // namespace

void onWindowKeyDown(unsigned char key, int x, int y)
{
    const int k = drivingKeyIndex(key);
    if (k >= 0)
        held[k] = true;
    onKeyDown(key, x, y);
}

void onWindowKeyUp(unsigned char key, int x, int y)
{
    const int k = drivingKeyIndex(key);
    if (k >= 0)
        held[k] = false;
    onKeyUp(key, x, y);
}

void letGoOfKeysUpElsewhere()
{
    bool any = false;
    for (bool h : held)
        any = any || h;
    if (!any)
        return;
#ifdef _WIN32
    auto stillDown = [](unsigned char key) { return keyboardHolds(key); };
#else
    const Keymap keymap = keyboardNow();
    auto stillDown = [&](unsigned char key) { return holds(keymap, key); };
#endif
    for (int k = 0; k < int(std::size(drivingKeys)); ++k)
        if (held[k] && !stillDown(drivingKeys[k]))
            onWindowKeyUp(drivingKeys[k], 0, 0);
}
