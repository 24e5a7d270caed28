#include "app/desktop_window.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/window_icon_pixels.h"

namespace {

// Up to `count` items of a format-32 CARDINAL property; returns how many it read. Xlib hands
// such items over as longs, whatever the size of a long.
int readCardinals(Display* display, Window window, const char* name, long* out, int count)
{
    const Atom property = XInternAtom(display, name, True);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (property == None ||
        XGetWindowProperty(display, window, property, 0, count, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) != Success)
        return 0;
    int read = 0;
    if (data && format == 32) {
        read = std::min(int(items), count);
        std::copy_n(reinterpret_cast<const long*>(data), read, out);
    }
    if (data)
        XFree(data);
    return read;
}

// A coordinate or length read from a property, within the 16 bits X has for them, so that
// sums of a few cannot overflow whatever a window manager wrote.
int pixels(long value)
{
    return int(std::clamp(value, -32768L, 65535L));
}

ScreenRect wholeScreen(Display* display)
{
    const int screen = DefaultScreen(display);
    return {0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
}

// The monitor holding the point, else the primary one; the whole screen without RandR 1.5.
ScreenRect monitorAt(Display* display, int x, int y)
{
    int events = 0, errors = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &events, &errors) ||
        !XRRQueryVersion(display, &major, &minor) || (major == 1 && minor < 5))
        return wholeScreen(display);
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
    ScreenRect found = wholeScreen(display);
    for (int k = 0; k < count; ++k) {
        const ScreenRect m = {monitors[k].x, monitors[k].y, monitors[k].width, monitors[k].height};
        if (x >= m.x && y >= m.y && x < m.x + m.width && y < m.y + m.height) {
            found = m;
            break;
        }
        if (monitors[k].primary)
            found = m;
    }
    if (monitors)
        XRRFreeMonitors(monitors);
    return found;
}

// The monitor less the panels a window manager keeps clear. _NET_WORKAREA, which only a
// window manager sets, spans all monitors at once; without one, the whole monitor is free.
ScreenRect workAreaAt(Display* display, int x, int y)
{
    const Window root = DefaultRootWindow(display);
    const ScreenRect monitor = monitorAt(display, x, y);
    long desktop = 0;
    readCardinals(display, root, "_NET_CURRENT_DESKTOP", &desktop, 1);
    // One rectangle for each desktop; a desktop beyond those read takes the first's.
    long areas[4 * 32];
    const int read = readCardinals(display, root, "_NET_WORKAREA", areas, int(std::size(areas)));
    if (read < 4)
        return monitor;
    const long* area = desktop >= 0 && 4 * desktop + 4 <= read ? areas + 4 * desktop : areas;
    const ScreenRect free =
        intersect(monitor, {pixels(area[0]), pixels(area[1]), pixels(area[2]), pixels(area[3])});
    return free.width > 0 && free.height > 0 ? free : monitor;
}

// Resizes and moves the mapped window, when it does not fit, so that its frame does. Under a
// window manager the frame's corner goes where the window is moved to (the default gravity);
// without one there is no frame.
void fitToWorkArea(Display* display, Window window)
{
    XWindowAttributes attributes;
    int x = 0, y = 0;
    Window child;
    if (!XGetWindowAttributes(display, window, &attributes) ||
        !XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child))
        return;
    long extents[4] = {};  // left, right, top, bottom
    readCardinals(display, window, "_NET_FRAME_EXTENTS", extents, 4);
    const FrameExtents frame = {pixels(extents[0]), pixels(extents[1]), pixels(extents[2]),
                                pixels(extents[3])};
    const WindowPlace now = {x - frame.left, y - frame.top, attributes.width};
    const WindowPlace fitted =
        fitWindow(now, frame, workAreaAt(display, now.x + frame.left, now.y + frame.top));
    if (fitted.x != now.x || fitted.y != now.y || fitted.size != now.size)
        XMoveResizeWindow(display, window, fitted.x, fitted.y, unsigned(fitted.size),
                          unsigned(fitted.size));
}

void setCardinals(Display* display, Window window, const char* name, const long* items, int count)
{
    XChangeProperty(display, window, XInternAtom(display, name, False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(items), count);
}

// The process, for a desktop to tie the window to the launch it made. freeglut names it only
// under a window manager that speaks EWMH; the host goes with it, as EWMH asks.
void nameProcess(Display* display, Window window)
{
    long pid = 0;
    if (readCardinals(display, window, "_NET_WM_PID", &pid, 1) == 1)
        return;
    // uname, not gethostname: the same name with no buffer length to check, which the
    // hardened build would want fortified.
    utsname system = {};
    if (uname(&system) != 0)
        return;
    const char* host = system.nodename;
    pid = long(getpid());
    setCardinals(display, window, "_NET_WM_PID", &pid, 1);
    XChangeProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(host), int(std::strlen(host)));
}

constexpr int iconItemCount()
{
    int count = 0;
    for (int size : windowIconSizes)
        count += 2 + size * size;
    return count;
}

// Each size's runs end where its pixels do, so unpacking writes exactly iconItemCount() items.
constexpr bool runsFillEachSize()
{
    int run = 0;
    for (int size : windowIconSizes) {
        int left = size * size;
        while (left > 0 && run < int(std::size(windowIconRuns)))
            left -= windowIconRuns[run++].count;
        if (left != 0)
            return false;
    }
    return run == int(std::size(windowIconRuns));
}
static_assert(runsFillEachSize(), "scripts/make-icons wrote runs that do not fit the sizes");

// _NET_WM_ICON's items: each size's width and height, then its pixels as 0xAARRGGBB.
struct IconItems {
    long items[iconItemCount()];
};

void unpackIcon(IconItems& icon)
{
    long* out = icon.items;
    const IconPixelRun* run = windowIconRuns;
    for (int size : windowIconSizes) {
        *out++ = size;
        *out++ = size;
        for (int left = size * size; left > 0; left -= run->count, ++run)
            out = std::fill_n(out, run->count, long(run->argb));
    }
}

}  // namespace

WindowPlace placeGameWindow(WindowPlace asked)
{
    return asked;
}

void settleGameWindow()
{
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (!display || window == None)
        return;
    fitToWorkArea(display, window);
    // The class is the one the desktop entry names as StartupWMClass, so that its launcher,
    // dock or task bar knows the window for its own.
    char instance[] = "tanks", windowClass[] = TANKS_WINDOW_CLASS;
    XClassHint hint = {instance, windowClass};
    XSetClassHint(display, window, &hint);
    nameProcess(display, window);
    static IconItems icon;
    unpackIcon(icon);
    setCardinals(display, window, "_NET_WM_ICON", icon.items, int(std::size(icon.items)));
    XFlush(display);
}
