// A game pad natively, through SDL's game-controller API: its standard layout knows hundreds of
// pads, numbering their buttons alike, and it sees pads plugged in and out during play.
#pragma once

#include "game/pad.h"

// Starts SDL's controller input alone (no window, no video, so X stays freeglut's). False, and
// silent, when SDL cannot: the game then plays from the keyboard as before.
bool startPadReader();

// The first connected controller as it is now, after SDL has looked at its devices; all let go
// when there is none or SDL never started.
PadReading readPad();

// Reads the pad and carries out what changed through the keyboard's own path and the camera's
// turn. On the GLUT thread, once a tick and on as often while paused.
void pollPad();
