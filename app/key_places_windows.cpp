// On Windows freeglut's window is an ANSI one: a press comes as a byte of the process's
// code page, "?" for a letter the code page lacks (every Cyrillic or Greek one in 1252).
// What each place types is asked of the layout in use; a "?" is traced to its place by
// the keys down at that moment.
#include "app/key_places_native.h"

#include <windows.h>

#include "shell/key_places.h"

namespace {

// The set-1 scan codes of the ten places, in the order of placeLetters.
constexpr UINT placeScanCodes[placeCount] = {0x11, 0x1f, 0x1e, 0x20, 0x24,
                                             0x26, 0x19, 0x31, 0x10, 0x13};

struct Layout {
    HKL id;
    UINT virtualKeys[placeCount];
    PlaceSymbols symbols;
    unsigned unsentPlaces;  // bit p: the code page cannot carry what place p types
};
Layout layout = {};
unsigned placesDownBefore;  // at the last press
int lastPlacePressed = -1;  // the one a held key repeats

// The flag 4 keeps a dead key from changing the layout's state (Windows 10 and later).
char32_t typedAt(const Layout& l, int place, bool shift)
{
    BYTE keys[256] = {};
    if (shift)
        keys[VK_SHIFT] = 0x80;
    WCHAR typed[4];
    const int n = ToUnicodeEx(l.virtualKeys[place], placeScanCodes[place], keys, typed, 4, 4, l.id);
    return n == 1 ? char32_t(typed[0]) : 0;
}

bool codePageCarries(char32_t symbol)
{
    const WCHAR wide = WCHAR(symbol);
    char narrow;
    BOOL lost = FALSE;
    return symbol != 0 && symbol <= 0xffff &&
           WideCharToMultiByte(CP_ACP, 0, &wide, 1, &narrow, 1, nullptr, &lost) == 1 && !lost;
}

// Asked again only when the thread's layout changes.
const Layout& layoutNow()
{
    HKL id = GetKeyboardLayout(0);
    if (id == layout.id)
        return layout;
    layout = {id, {}, {}, 0};
    for (int p = 0; p < placeCount; ++p) {
        layout.virtualKeys[p] = MapVirtualKeyExW(placeScanCodes[p], MAPVK_VSC_TO_VK, id);
        layout.symbols.plain[p] = typedAt(layout, p, false);
        layout.symbols.shifted[p] = typedAt(layout, p, true);
        if (!codePageCarries(layout.symbols.plain[p]))
            layout.unsentPlaces |= 1u << p;
    }
    return layout;
}

char32_t codePointOf(unsigned char typed)
{
    const char narrow = char(typed);
    WCHAR wide = 0;
    return MultiByteToWideChar(CP_ACP, 0, &narrow, 1, &wide, 1) == 1 ? char32_t(wide) : 0;
}

bool down(UINT virtualKey)
{
    return (GetKeyState(int(virtualKey)) & 0x8000) != 0;
}

// Caps Lock and Shift together type lower case.
bool shifted()
{
    return down(VK_SHIFT) != ((GetKeyState(VK_CAPITAL) & 1) != 0);
}

// The place among those whose letter came as "?": the one gone down since the last press,
// or else the one a held key repeats.
int placeSentUnknown(const Layout& l)
{
    unsigned now = 0;
    for (int p = 0; p < placeCount; ++p)
        if ((l.unsentPlaces >> p & 1) && down(l.virtualKeys[p]))
            now |= 1u << p;
    const unsigned pressed = now & ~placesDownBefore;
    placesDownBefore = now;
    for (int p = 0; p < placeCount; ++p)
        if (pressed >> p & 1)
            return lastPlacePressed = p;
    return lastPlacePressed >= 0 && (now >> lastPlacePressed & 1) ? lastPlacePressed : -1;
}

}  // namespace

unsigned char gameKeyOfPress(unsigned char typed)
{
    const Layout& l = layoutNow();
    const unsigned char key = gameKeyTyped(l.symbols, codePointOf(typed));
    if (key != 0 || typed != '?' || l.unsentPlaces == 0 || shifted())
        return key;
    const int place = placeSentUnknown(l);
    return place < 0 ? 0 : static_cast<unsigned char>(placeLetters[place]);
}

int placeOfRelease(unsigned char typed)
{
    return placeTyping(layoutNow().symbols, codePointOf(typed));
}

unsigned drivingPlacesDown()
{
    const Layout& l = layoutNow();
    unsigned held = 0;
    for (int p = 0; p < drivingPlaces; ++p)
        if (GetAsyncKeyState(int(l.virtualKeys[p])) & 0x8000)
            held |= 1u << p;
    return held;
}
