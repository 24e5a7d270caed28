#include "shell/pad_keys.h"

#include "render/scene.h"

void carryOutPadCommands(const PadCommands& c, const PadKeyHandlers& keys)
{
    if (c.release)
        keys.release(c.release);
    for (unsigned char key : c.press)
        if (key)
            keys.press(key);
    if (c.turnX == 0.0f && c.turnY == 0.0f)
        return;
    std::lock_guard<std::mutex> lock(gameMutex);
    turnCamera(gameState, c.turnX * padTurnDegreesPerTick, c.turnY * padTurnDegreesPerTick);
}
