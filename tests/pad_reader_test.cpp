// The native pad reader over SDL's virtual joystick, a pad in SDL's standard layout: what it
// reads reaches the game through the keyboard's own path. What the readings mean is pad_test's.
#include <gtest/gtest.h>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "app/pad_reader.h"
#include "fixtures.h"

namespace {

class PadReader : public ::testing::Test {
protected:
    SDL_Joystick* stick = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(startPadReader());
        gameState = startedGame();
        SDL_VirtualJoystickDesc d = {};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = SDL_CONTROLLER_AXIS_MAX;
        d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        // Every axis and button, in SDL's own order, so index k is the standard one.
        d.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        d.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        d.name = "virtual pad";
        const int device = SDL_JoystickAttachVirtualEx(&d);
        ASSERT_GE(device, 0) << SDL_GetError();
        stick = SDL_JoystickOpen(device);
        ASSERT_NE(stick, nullptr) << SDL_GetError();
        pollPad();  // the pad plugged in, nothing held
    }

    void TearDown() override { unplug(); }

    void unplug()
    {
        if (!stick)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(stick);
        SDL_JoystickClose(stick);
        stick = nullptr;
        for (int k = 0; k < SDL_NumJoysticks(); ++k)
            if (SDL_JoystickGetDeviceInstanceID(k) == id)
                SDL_JoystickDetachVirtual(k);
    }

    void set(SDL_GameControllerButton b, bool down)
    {
        SDL_JoystickSetVirtualButton(stick, b, down ? 1 : 0);
        pollPad();
    }

    void set(SDL_GameControllerAxis a, Sint16 value)
    {
        SDL_JoystickSetVirtualAxis(stick, a, value);
        pollPad();
    }
};

TEST_F(PadReader, DpadAndStickDriveAndUnpluggingLetsGo)
{
    set(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    EXPECT_EQ(gameState.player.moveDir, moveUp);
    set(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
    EXPECT_EQ(gameState.player.moveDir, moveNone);
    set(SDL_CONTROLLER_AXIS_LEFTX, Sint16(-32768));
    EXPECT_EQ(gameState.player.moveDir, moveLeft);
    unplug();
    pollPad();
    EXPECT_EQ(gameState.player.moveDir, moveNone);
}

TEST_F(PadReader, TheBottomButtonFires)
{
    set(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(gameState.player.shells.active[0]);
}

}  // namespace
