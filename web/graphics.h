// The page's WebGL as the game lives with it: started, taken away by the browser and given
// back.
#pragma once

// Starts the GL layer on the canvas; false when it could not, after telling the page why.
bool startGraphics(const char* canvas);

// A lost context pauses the game as a hidden page does, and the page says so. Given back,
// everything GL is made again and the frame drawn again; the game stays paused until the
// player goes on.
void listenForLostGraphics(const char* canvas);
