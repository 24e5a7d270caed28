// Starting the real game as a child process and finding its window on the
// X display, for the tests that play it from outside.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>

struct GameProcess {
    pid_t pid = -1;
    int stderrFd = -1;  // the child's standard error, for reading what it said
};

// Starts the game with its path as the only argument; without a display when
// withDisplay is false.
GameProcess startGame(bool withDisplay = true);

// Waits for the child to end, for at most the given seconds (a guard against
// a hang, not a measurement). Returns its wait status, or -1 if it still runs.
int waitForExit(GameProcess& game, double seconds);

// Ends the child if it still runs and reaps it.
void stopGame(GameProcess& game);

// Everything the child wrote to standard error so far.
std::string readStderr(GameProcess& game);

// The top-level windows titled exactly so; polls until at least one shows up
// or the seconds pass. Returns how many were found, the first in *found.
int findWindows(Display* display, const char* title, double seconds, Window* found);

struct WindowGeometry {
    int x, y, width, height;  // position relative to the root window
};

WindowGeometry windowGeometry(Display* display, Window window);
