// A pad's commands as both shells carry them out: through the shell's own key handlers,
// so a pad presses exactly what a keyboard would, then the camera's turn.
#pragma once

#include "game/pad.h"

struct PadKeyHandlers {
    void (*press)(unsigned char key);
    void (*release)(unsigned char key);
};

// The turn goes straight to the camera, leaving a mouse drag's anchor where it was.
void carryOutPadCommands(const PadCommands& c, const PadKeyHandlers& keys);
