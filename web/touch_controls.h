// A touch screen's controls: the drive stick and the buttons drawn by the page, and a
// finger on the field that turns the camera as a mouse drag does.
#pragma once

// The canvas and the controls, by the ids the page gives them.
void listenToTouch(const char* canvas);

// Lets go of what the fingers hold, as when the page is hidden.
void releaseTouches();
