// A pad's sticks and buttons as the game's keys.
#include "game/pad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The keys a reading presses after another, with the released one first as "-k".
std::string keysOf(const PadCommands& c)
{
    std::string keys = c.release ? std::string("-") + char(c.release) : "";
    for (unsigned char key : c.press)
        if (key)
            keys += char(key);
    return keys;
}

TEST(Pad, SticksDriveByTheLargerAxisOutsideTheDeadZone)
{
    const float nan = std::nanf("");
    const struct {
        float x, y;
        char key;
    } cases[] = {
        {0, 0, 0},         {0.29f, -0.29f, 0}, {0, -0.3f, 'w'},   {0, 1, 's'}, {-1, 0, 'a'},
        {0.8f, 0.5f, 'd'}, {0.5f, -0.8f, 'w'}, {0.7f, 0.7f, 's'},  // a tie drives along y
        {0.2f, 0.9f, 's'}, {nan, 0, 0},        {nan, -1, 'w'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(driveKeyOf(c.x, c.y), c.key) << c.x << ", " << c.y;
}

TEST(Pad, ChangesBecomeKeyPressesAndReleases)
{
    PadReading rest = {};
    PadReading stickUp = rest, dpadLeft = rest, fire = rest, all = rest, leftAndFire = rest;
    stickUp.driveY = -1;
    dpadLeft.left = true;
    dpadLeft.driveY = -1;  // the d-pad wins over the stick
    fire.fire = true;
    all.fire = all.pause = all.newGame = all.resetCamera = all.down = true;
    leftAndFire = dpadLeft;
    leftAndFire.fire = true;
    const struct {
        const PadReading& before;
        const PadReading& now;
        const char* keys;
    } cases[] = {
        {rest, rest, ""},       {rest, stickUp, "w"},
        {stickUp, stickUp, ""}, {stickUp, dpadLeft, "-wa"},
        {dpadLeft, rest, "-a"}, {rest, fire, "j"},
        {fire, fire, ""},       {fire, rest, ""},
        {rest, all, "sj/nr"},   {dpadLeft, leftAndFire, "j"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keysOf(padCommands(c.before, c.now)), c.keys) << c.keys;
}

TEST(Pad, TheRightStickTurnsPastItsDeadZone)
{
    PadReading look = {};
    look.lookX = 0.1f;
    look.lookY = -0.9f;
    const PadCommands c = padCommands(look, look);
    EXPECT_EQ(c.turnX, 0.0f);
    EXPECT_EQ(c.turnY, -0.9f);
}

}  // namespace
