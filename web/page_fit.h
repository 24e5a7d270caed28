// The canvas at the size the page gives it: the drawing buffer at the screen's own
// resolution, the game's window in CSS pixels.
#pragma once

// Fits the canvas named by the CSS selector now, and again whenever the window changes
// size or the phone turns.
void fitCanvasToPage(const char* canvas);
