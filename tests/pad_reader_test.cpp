// The native pad reader over SDL's virtual joystick, a pad in SDL's standard layout: what it
// reads reaches the game through the keyboard's own path. What the readings mean is pad_test's.
#include <gtest/gtest.h>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "app/pad_reader.h"
#include "fixtures.h"
#include "render/scene.h"

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

// The stick turns the camera by itself: a mouse drag in progress goes on from its own anchor
// and does not take the stick's turn back.
TEST_F(PadReader, TheRightStickLeavesAMouseDragsAnchor)
{
    gameState.windowWidth = gameState.windowHeight = 800;
    onMouseButton(0, 0, 100, 200);                   // a left-button drag begins
    set(SDL_CONTROLLER_AXIS_RIGHTX, Sint16(32767));  // one tick's turn at full tilt
    EXPECT_EQ(gameState.cameraYaw, 1.5f);
    EXPECT_EQ(gameState.mouseLastX, 100);
    EXPECT_EQ(gameState.mouseLastY, 200);
    onMouseDrag(140, 200);  // a twentieth of the window: 9 degrees more
    EXPECT_EQ(gameState.cameraYaw, 10.5f);
}

}  // namespace
