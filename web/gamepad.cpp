#include "web/gamepad.h"

#include <emscripten/html5.h>

#include <cstring>

#include "game/pad.h"
#include "shell/pad_keys.h"
#include "web/game_commands.h"

namespace {

// The standard mapping's places.
enum StandardButton {
    bottomFace = 0,
    topFace = 3,
    back = 8,
    start = 9,
    dpadUp = 12,
    dpadDown,
    dpadLeft,
    dpadRight,
};
enum StandardAxis { leftX, leftY, rightX, rightY };

PadReading lastReading;

double axis(const EmscriptenGamepadEvent& pad, int k)
{
    return k < pad.numAxes ? pad.axis[k] : 0.0;
}

bool button(const EmscriptenGamepadEvent& pad, int k)
{
    return k < pad.numButtons && pad.digitalButton[k];
}

PadReading readingOf(const EmscriptenGamepadEvent& pad)
{
    PadReading r = {};
    r.driveX = float(axis(pad, leftX));
    r.driveY = float(axis(pad, leftY));
    r.lookX = float(axis(pad, rightX));
    r.lookY = float(axis(pad, rightY));
    r.up = button(pad, dpadUp);
    r.down = button(pad, dpadDown);
    r.left = button(pad, dpadLeft);
    r.right = button(pad, dpadRight);
    r.fire = button(pad, bottomFace);
    r.pause = button(pad, start);
    r.newGame = button(pad, back);
    r.resetCamera = button(pad, topFace);
    return r;
}

// Pads of another mapping put their buttons elsewhere, so they are not guessed at.
PadReading readPad()
{
    if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS)
        return {};
    for (int k = 0, n = emscripten_get_num_gamepads(); k < n; ++k) {
        EmscriptenGamepadEvent pad;
        if (emscripten_get_gamepad_status(k, &pad) == EMSCRIPTEN_RESULT_SUCCESS && pad.connected &&
            std::strcmp(pad.mapping, "standard") == 0)
            return readingOf(pad);
    }
    return {};
}

void padPress(unsigned char key)
{
    pressGameKey(key);
}

void padRelease(unsigned char key)
{
    releaseGameKey(key);
}

}  // namespace

void pollGamepad()
{
    const PadReading now = readPad();
    const PadCommands c = padCommands(lastReading, now);
    lastReading = now;
    carryOutPadCommands(c, {padPress, padRelease});
}
