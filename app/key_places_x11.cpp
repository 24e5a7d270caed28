// On X11 freeglut hands over the character XLookupString made of a key, with the group
// (the layout) of the moment. Each place's symbols in the current group are kept in a
// table; the table is made again only after Xkb reports a new group or a new keymap, which
// freeglut's event loop would drop unseen, so the reports are noted as Xlib reads them.
#include "app/key_places_native.h"

#include <GL/glx.h>
#include <X11/XKBlib.h>
#include <X11/Xlibint.h>
#include <X11/extensions/XKBproto.h>

#include <cstring>

#include "shell/key_places.h"

namespace {

// Xkb's names of the ten places, in the order of placeLetters.
constexpr char placeNames[placeCount][XkbKeyNameLength + 1] = {
    "AD02", "AC02", "AC01", "AC03", "AC07", "AC09", "AD10", "AB06", "AD01", "AD04"};

struct Keyboard {
    Display* display;
    KeyCode codes[placeCount];  // 0: a place this keyboard lacks
    int group;
    PlaceSymbols symbols;
};
Keyboard keyboard = {nullptr, {}, 0, usPlaceSymbols()};

// What changed since the table was made, noted as Xlib reads the events, on the GLUT thread
// like every key callback. A new group comes with its number; a new map is asked for.
enum KeyboardChange { unchanged, newGroup, newMap };
KeyboardChange keyboardChange = unchanged;

using WireToEvent = Bool (*)(Display*, XEvent*, xEvent*);
WireToEvent xlibsXkbEvents;

// Xlib's own handling comes first: it keeps its copy of the keymap, which XLookupString and
// XkbLookupKeySym read, up to date. The reports asked for here go no further; freeglut has
// no use for them.
Bool noteKeyboardChange(Display* display, XEvent* event, xEvent* wire)
{
    const xkbEvent& xkb = *reinterpret_cast<const xkbEvent*>(wire);
    const Bool queued = xlibsXkbEvents(display, event, wire);
    if (xkb.u.any.xkbType == XkbStateNotify) {
        keyboard.group = xkb.u.state.group;
        keyboardChange = keyboardChange == newMap ? newMap : newGroup;
    } else if (xkb.u.any.xkbType == XkbMapNotify || xkb.u.any.xkbType == XkbNewKeyboardNotify) {
        keyboardChange = newMap;
    } else {
        return queued;
    }
    return False;
}

bool watchKeyboard(Display* display)
{
    int opcode, eventBase, errorBase, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &eventBase, &errorBase, &major, &minor))
        return false;
    xlibsXkbEvents = XESetWireToEvent(display, eventBase, noteKeyboardChange);
    XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbGroupStateMask,
                          XkbGroupStateMask);
    constexpr unsigned long newMap = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
    XkbSelectEvents(display, XkbUseCoreKbd, newMap, newMap);
    return true;
}

void findPlaces(Display* display, KeyCode (&codes)[placeCount])
{
    std::memset(codes, 0, sizeof codes);
    XkbDescPtr names = XkbGetMap(display, 0, XkbUseCoreKbd);
    if (names && XkbGetNames(display, XkbKeyNamesMask, names) == Success && names->names->keys)
        for (int code = names->min_key_code; code <= names->max_key_code; ++code)
            for (int p = 0; p < placeCount; ++p)
                if (std::strncmp(names->names->keys[code].name, placeNames[p], XkbKeyNameLength) ==
                    0)
                    codes[p] = KeyCode(code);
    if (names)
        XkbFreeKeyboard(names, 0, True);
}

// The characters freeglut can hand over are Latin-1; other keysyms match none of them.
char32_t latin1Of(KeySym symbol)
{
    return symbol <= 0xff ? char32_t(symbol) : 0;
}

char32_t typedAt(Display* display, KeyCode code, unsigned modifiers, int group)
{
    unsigned unused;
    KeySym symbol = NoSymbol;
    if (code == 0 ||
        !XkbLookupKeySym(display, code, XkbBuildCoreState(modifiers, group), &unused, &symbol))
        return 0;
    return latin1Of(symbol);
}

// A new map takes three round trips to the server; a new group none, as Xlib keeps the
// keymap and the group came with its report.
void learnSymbols(Keyboard& k, KeyboardChange change)
{
    if (change == newMap) {
        XkbStateRec state = {};
        XkbGetState(k.display, XkbUseCoreKbd, &state);
        k.group = state.group;
        findPlaces(k.display, k.codes);
    }
    for (int p = 0; p < placeCount; ++p) {
        k.symbols.plain[p] = typedAt(k.display, k.codes[p], 0, k.group);
        k.symbols.shifted[p] = typedAt(k.display, k.codes[p], ShiftMask, k.group);
    }
}

// The connection freeglut opened, as the current GL context's; asked for until there is
// one, as asking costs a system call in GLVND. Without one, or without Xkb, the keyboard
// is taken for a US one.
const Keyboard& keyboardNow()
{
    if (!keyboard.display) {
        keyboard.display = glXGetCurrentDisplay();
        if (keyboard.display && watchKeyboard(keyboard.display))
            keyboardChange = newMap;
    }
    if (keyboardChange != unchanged) {
        learnSymbols(keyboard, keyboardChange);
        keyboardChange = unchanged;
    }
    return keyboard;
}

}  // namespace

unsigned char gameKeyOfPress(unsigned char typed)
{
    return gameKeyTyped(keyboardNow().symbols, typed);
}

int placeOfRelease(unsigned char typed)
{
    return placeTyping(keyboardNow().symbols, typed);
}

unsigned drivingPlacesDown()
{
    const Keyboard& k = keyboardNow();
    char keys[32];
    if (!k.display)
        return ~0u;
    XQueryKeymap(k.display, keys);
    unsigned down = 0;
    for (int p = 0; p < drivingPlaces; ++p) {
        const KeyCode code = k.codes[p];
        if (code == 0 || (keys[code / 8] & (1 << (code % 8))) != 0)
            down |= 1u << p;
    }
    return down;
}
