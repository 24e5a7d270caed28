// The player gone from the game: the page hidden, its graphics taken away, or its help
// opened over the field (the page calls helpOpened). Every key and touch held is let go
// and the game pauses, until the player goes on.
#pragma once

// Watches the page and the canvas named by the CSS selector.
void listenForAway(const char* canvas);
