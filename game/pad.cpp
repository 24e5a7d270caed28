#include "game/pad.h"

#include <cmath>

namespace {

// A stick inside the dead zone, or reading nonsense, reads as centred.
float pastDeadZone(float value)
{
    return std::isfinite(value) && std::fabs(value) >= stickDeadZone ? value : 0.0f;
}

bool justPressed(bool before, bool now)
{
    return now && !before;
}

}  // namespace

unsigned char driveKeyOf(float x, float y)
{
    x = pastDeadZone(x);
    y = pastDeadZone(y);
    if (x == 0.0f && y == 0.0f)
        return 0;
    if (std::fabs(y) >= std::fabs(x))
        return y < 0 ? 'w' : 's';
    return x < 0 ? 'a' : 'd';
}

unsigned char driveKeyOf(const PadReading& pad)
{
    if (pad.up || pad.down || pad.left || pad.right)
        return driveKeyOf(float(pad.right - pad.left), float(pad.down - pad.up));
    return driveKeyOf(pad.driveX, pad.driveY);
}

// A held drive direction is one key held down; the buttons act once per press, as a key
// press does.
PadCommands padCommands(const PadReading& before, const PadReading& now)
{
    PadCommands c = {};
    const unsigned char drove = driveKeyOf(before);
    const unsigned char drives = driveKeyOf(now);
    int n = 0;
    if (drives != drove) {
        c.release = drove;
        if (drives)
            c.press[n++] = drives;
    }
    const struct {
        bool before, now;
        unsigned char key;
    } buttons[] = {{before.fire, now.fire, 'j'},
                   {before.pause, now.pause, '/'},
                   {before.newGame, now.newGame, 'n'},
                   {before.resetCamera, now.resetCamera, 'r'}};
    for (const auto& b : buttons)
        if (justPressed(b.before, b.now))
            c.press[n++] = b.key;
    c.turnX = pastDeadZone(now.lookX);
    c.turnY = pastDeadZone(now.lookY);
    return c;
}
