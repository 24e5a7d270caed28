// Where a square window goes so that all of it, frame included, lies in a screen's work area.
#pragma once

// A square window: the outer corner of its frame at (x, y), its drawing area size by size.
// Both freeglut's Windows code and a window manager honouring the X11 default gravity put the
// frame's corner, not the drawing area's, where the program asks.
struct WindowPlace {
    int x, y, size;
};

// What a desktop draws around the drawing area, in pixels on each side.
struct FrameExtents {
    int left, right, top, bottom;
};

struct ScreenRect {
    int x, y, width, height;
};

// The overlap of two rectangles; empty (zero width or height) when they do not meet.
ScreenRect intersect(ScreenRect a, ScreenRect b);

// `asked` itself where it lies wholly in `workArea`. Otherwise the largest square no bigger than
// asked that fits there, kept as near its asked corner as the work area lets it.
WindowPlace fitWindow(WindowPlace asked, FrameExtents frame, ScreenRect workArea);
