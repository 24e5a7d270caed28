#include "app/desktop_window.h"

#include <windows.h>

namespace {

// The style freeglut gives a top-level window: its frame is what freeglut adds around the
// drawing area it is asked for.
constexpr DWORD windowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// The monitor's own DPI (Windows 8.1 on), else the system's. Looked up when the game runs:
// older Windows has no shcore.dll, and a program importing from it would not start there.
int monitorDpi(HMONITOR monitor)
{
    using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    UINT x = 0, y = 0;
    if (HMODULE shcore = LoadLibraryA("shcore.dll")) {
        const auto getDpi = reinterpret_cast<GetDpiForMonitorCall>(
            reinterpret_cast<void (*)()>(GetProcAddress(shcore, "GetDpiForMonitor")));
        const int effectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose
        if (!getDpi || getDpi(monitor, effectiveDpi, &x, &y) != S_OK)
            y = 0;
        FreeLibrary(shcore);
    }
    if (y > 0)
        return int(y);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

FrameExtents freeglutFrame()
{
    RECT r = {0, 0, 0, 0};
    AdjustWindowRectEx(&r, windowStyle, FALSE, 0);
    return {int(-r.left), int(r.right), int(-r.top), int(r.bottom)};
}

}  // namespace

// The program declares itself DPI-aware in its manifest, so Windows no longer stretches the
// window: it asks for its place and size in the monitor's scale instead, as large as the
// stretched window was, and drawn sharp.
WindowPlace placeGameWindow(WindowPlace asked)
{
    HMONITOR monitor = MonitorFromPoint({asked.x, asked.y}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info))
        return asked;
    const int dpi = monitorDpi(monitor);
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); };
    const RECT& work = info.rcWork;
    return fitWindow(
        {scaled(asked.x), scaled(asked.y), scaled(asked.size)}, freeglutFrame(),
        {int(work.left), int(work.top), int(work.right - work.left), int(work.bottom - work.top)});
}

void settleGameWindow()
{
}
