// Starting the real game as a child process, finding its window on the X
// display, playing it through the server as a player would, and reading back
// what it shows: for the tests that play it from outside.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct GameProcess {
    pid_t pid = -1;
    int stderrFd = -1;  // the child's standard error, for reading what it said
};

// The game the tests play: the build's own, or another build of it named by
// the environment, as the Windows build under Wine is:
//   TANKS_GAME           the game's file
//   TANKS_GAME_LAUNCHER  a program on the PATH that starts it, e.g. wine
//   TANKS_GAME_TITLE     the title its window then gets
const char* gameFile();
const char* gameTitle();

// Starts the game with its path as the only argument; without a display when
// withDisplay is false, and with the NAME=value entries of addedEnvironment.
GameProcess startGame(bool withDisplay = true,
                      const std::vector<std::string>& addedEnvironment = {});

// Waits for the child to end, for at most the given seconds (a guard against
// a hang, not a measurement). Returns its wait status, or -1 if it still runs.
int waitForExit(GameProcess& game, double seconds);

// Ends the child if it still runs and reaps it.
void stopGame(GameProcess& game);

// Everything the child wrote to standard error so far.
std::string readStderr(GameProcess& game);

// The visible windows titled exactly so; polls until at least one shows up
// or the seconds pass. Returns how many were found, the first in *found.
// Hidden ones do not count: Wine keeps some of its own under the same title.
int findWindows(Display* display, const char* title, double seconds, Window* found);

struct WindowGeometry {
    int x, y, width, height;  // position relative to the root window
};

WindowGeometry windowGeometry(Display* display, Window window);

// What the window shows, as 0xRRGGBB pixels row by row from the top-left corner.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Empty when the window cannot be read (not mapped yet, or gone).
Picture capturePicture(Display* display, Window window);

// Input through the XTest extension, so it reaches the game exactly as real
// keys and mouse moves do. Keys are named by keysym: "w", "slash", "period".
// Focus follows the pointer here, so the pointer must be over the window.
void holdKey(Display* display, const char* keysym);
void releaseKey(Display* display, const char* keysym);
void tapKey(Display* display, const char* keysym);
void movePointer(Display* display, int rootX, int rootY);
// Left button down at the first point, moved in steps, up at the last.
void dragPointer(Display* display, int fromX, int fromY, int toX, int toY, int steps);

// The server's key auto-repeat, which would turn a held key into many presses.
bool keyRepeatOn(Display* display);
void setKeyRepeat(Display* display, bool on);

// A synthetic Expose: the game redraws its current state even while paused.
void askForRedraw(Display* display, Window window);

// Asks for redraws and reads the window until an 800 x 800 picture satisfies `ready`, for
// at most `seconds`; false if none did. `picture` is left with the last one read.
bool waitForPicture(Display* display, Window window, double seconds,
                    const std::function<bool(const Picture&)>& ready, Picture& picture);
// What a window manager sends when the user closes the window.
void askToClose(Display* display, Window window);

// A format-32 CARDINAL property's items, as Xlib hands them over: longs. Empty when unset.
std::vector<long> cardinalProperty(Display* display, Window window, const char* name);

// A private X server of a given screen size for one test ("1366x768x24"), with Debian's openbox
// as its window manager when asked. `name` is empty when it did not start.
struct XServer {
    std::string name;  // the display, ":N"
    pid_t server = -1, windowManager = -1;
};
XServer startXServer(const char* screen, bool withWindowManager);
void stopXServer(XServer& x);

// Keeps X protocol errors (a window not mapped yet or already gone) from
// ending the test program; they show up as empty results instead.
void ignoreXErrors();
