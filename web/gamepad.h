// A game pad through the browser's Gamepad API, in its standard mapping.
#pragma once

// Reads the first connected pad and sends what changed as the game's keys and camera
// turns; a pad gone reads as one let go.
void pollGamepad();
