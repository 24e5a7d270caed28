// Keys held in the game's window are let go when the keyboard leaves it. freeglut has no
// focus callback, and a key released in another window sends its release there, so the
// driving keys held here are checked against the keyboard itself each tick.
#pragma once

// The GLUT keyboard callbacks: they turn the typed character into the game key of its place
// on the keyboard, note the driving keys held, then hand on to onKeyDown and onKeyUp.
void onWindowKeyDown(unsigned char typed, int x, int y);
void onWindowKeyUp(unsigned char typed, int x, int y);

// Lets go of each driving key noted as held that the keyboard no longer holds down, as its
// release would have. Asks the system only while such a key is held.
void letGoOfKeysUpElsewhere();
