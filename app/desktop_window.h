// The game's window on the desktop it opens on: fitted to the work area of its monitor, and
// known to the desktop's launcher and task bar. Each platform has its own source file.
#pragma once

#include "app/window_fit.h"

// Before glutCreateWindow: where to ask for the window that the game asks for at `asked`. On
// Windows, scaled to the monitor's DPI and fitted there; X11 learns the frame's size only once
// the window is mapped, so it is asked for as it is.
WindowPlace placeGameWindow(WindowPlace asked);

// Right after glutCreateWindow, with the window's context current. On X11: fits the mapped
// window to its monitor's work area, and names its class, process and icon, which freeglut
// leaves unset. Windows has all of that from placeGameWindow and the program's resources.
void settleGameWindow();
