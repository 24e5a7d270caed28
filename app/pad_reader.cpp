#include "app/pad_reader.h"

#define SDL_MAIN_HANDLED  // main stays the game's own; SDL only reads pads
#include <SDL.h>

#include "app/keyboard.h"
#include "shell/pad_keys.h"

namespace {

bool started;
SDL_GameController* pad;  // the first controller connected, or null
PadReading lastReading;

// A controller that comes while none is open becomes the pad; the open one gone, the next
// connected one (if any) takes its place.
void openFirstController()
{
    for (int k = 0, n = SDL_NumJoysticks(); k < n && !pad; ++k)
        if (SDL_IsGameController(k))
            pad = SDL_GameControllerOpen(k);
}

void takeDeviceEvents()
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_CONTROLLERDEVICEREMOVED && pad &&
            e.cdevice.which == SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad))) {
            SDL_GameControllerClose(pad);
            pad = nullptr;
        }
        if (e.type == SDL_CONTROLLERDEVICEADDED || !pad)
            openFirstController();
    }
}

float axis(SDL_GameControllerAxis a)
{
    return float(SDL_GameControllerGetAxis(pad, a)) / 32767.0f;
}

bool button(SDL_GameControllerButton b)
{
    return SDL_GameControllerGetButton(pad, b) != 0;
}

void padPress(unsigned char key)
{
    onKeyDown(key, 0, 0);
}

void padRelease(unsigned char key)
{
    onKeyUp(key, 0, 0);
}

}  // namespace

bool startPadReader()
{
    // Ctrl+C and the window's close stay as they were, not turned into SDL's quit event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetMainReady();
    started = SDL_Init(SDL_INIT_GAMECONTROLLER) == 0;
    return started;
}

PadReading readPad()
{
    if (!started)
        return {};
    takeDeviceEvents();
    if (!pad)
        return {};
    PadReading r = {};
    r.driveX = axis(SDL_CONTROLLER_AXIS_LEFTX);
    r.driveY = axis(SDL_CONTROLLER_AXIS_LEFTY);
    r.lookX = axis(SDL_CONTROLLER_AXIS_RIGHTX);
    r.lookY = axis(SDL_CONTROLLER_AXIS_RIGHTY);
    r.up = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    r.down = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    r.left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    r.right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    r.fire = button(SDL_CONTROLLER_BUTTON_A);
    r.pause = button(SDL_CONTROLLER_BUTTON_START);
    r.newGame = button(SDL_CONTROLLER_BUTTON_BACK);
    r.resetCamera = button(SDL_CONTROLLER_BUTTON_Y);
    return r;
}

void pollPad()
{
    if (!started)
        return;
    const PadReading now = readPad();
    const PadCommands c = padCommands(lastReading, now);
    lastReading = now;
    carryOutPadCommands(c, {padPress, padRelease});
}
