// The page's keyboard and mouse, turned into the game's keys and the camera's drags; and
// the game's keys as every input of the page sends them.
#pragma once

// Keys and the mouse on the canvas named by the CSS selector.
void listenToInput(const char* canvas);

// A key of the game pressed or let go, from the keyboard, a touch control or a pad: the
// rules, then whatever they ask of the page.
void pressGameKey(unsigned char key);
void releaseGameKey(unsigned char key);

// Lets go of every key held on the keyboard, as when the field loses the keyboard.
void releaseHeldKeys();
