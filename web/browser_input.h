// The page's keyboard and mouse, turned into the game's keys and the camera's drags.
#pragma once

// Keys and the mouse on the canvas named by the CSS selector.
void listenToInput(const char* canvas);

// Lets go of every key held on the keyboard, as when the field loses the keyboard.
void releaseHeldKeys();
