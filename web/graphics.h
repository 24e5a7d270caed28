// The page's WebGL as the game lives with it: started, and made again when the browser
// gives a lost context back.
#pragma once

// Starts the GL layer on the canvas; false when it could not, after telling the page why.
bool startGraphics(const char* canvas);

// Makes everything GL again and draws the frame; false, after telling the page why, when
// that failed.
bool restoreGraphics();
