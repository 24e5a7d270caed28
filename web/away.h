// The player gone from the game: the page hidden, or its graphics taken away. Every key and
// touch held is let go and the game pauses, until the player goes on.
#pragma once

// Watches the page and the canvas named by the CSS selector.
void listenForAway(const char* canvas);
