#include "app/window_fit.h"

#include <algorithm>

namespace {

// The nearest start in [low, high - length]; `low` when the length does not fit at all.
int keepInside(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

}  // namespace

ScreenRect intersect(ScreenRect a, ScreenRect b)
{
    const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

WindowPlace fitWindow(WindowPlace asked, FrameExtents frame, ScreenRect workArea)
{
    const int across = frame.left + frame.right, down = frame.top + frame.bottom;
    const bool fits = asked.x >= workArea.x && asked.y >= workArea.y &&
                      asked.x + asked.size + across <= workArea.x + workArea.width &&
                      asked.y + asked.size + down <= workArea.y + workArea.height;
    if (fits)
        return asked;
    // A window of no pixels would give the view a zero height to divide by.
    const int size =
        std::max(1, std::min({asked.size, workArea.width - across, workArea.height - down}));
    return {keepInside(asked.x, size + across, workArea.x, workArea.x + workArea.width),
            keepInside(asked.y, size + down, workArea.y, workArea.y + workArea.height), size};
}
