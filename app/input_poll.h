// What the game asks for itself rather than hears from GLUT: whether the keys it holds are
// still down, and the game pad.
#pragma once

// Starts the pad reader and a GLUT timer that polls while paused, when no tick runs, so that
// a pad's Start goes on and a key let go elsewhere is let go here.
void startInputPolling();

// Once a tick, before it: the keys let go elsewhere, then the pad.
void pollInput();
