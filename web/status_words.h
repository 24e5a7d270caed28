// The status line as the page's live region speaks it: told to the page only when what
// the line shows has changed, never once a tick.
#pragma once

// Compares the line with the one last told; a new one goes to the page's onStatusChanged.
void tellStatusIfChanged();
