#include "game/controls.h"

#include "game/level.h"
#include "game/orders.h"

namespace {

int32_t moveDirOfKey(unsigned char key)
{
    switch (key) {
    case 'w': return moveUp;
    case 's': return moveDown;
    case 'a': return moveLeft;
    case 'd': return moveRight;
    default: return moveNone;
    }
}

uint8_t toggled(uint8_t flag)
{
    return flag ? 0 : 1;
}

}  // namespace

KeyEffect pressKey(GameState& g, unsigned char key)
{
    const int32_t dir = moveDirOfKey(key);
    if (dir != moveNone) {
        turnTank(g.player, dir);
        return keyNoEffect;
    }
    switch (key) {
    case 'j':
        if (launchShell(g.player))
            recordEvent(g.events, eventPlayerShot);
        return keyNoEffect;
    case 'l': g.lightingOn = toggled(g.lightingOn); return keyApplyLighting;
    case 'p': g.filledPolygons = toggled(g.filledPolygons); return keyApplyPolygonMode;
    case 'n': resetGame(g); return keyNoEffect;
    case 'q': return keyQuit;
    case 'r':
        g.cameraPitch = 0.0f;
        g.cameraYaw = 0.0f;
        return keyNoEffect;
    case '/': g.paused = toggled(g.paused); return keyApplyPause;
    case '.': return g.paused ? keyRunTick : keyNoEffect;
    default: return keyNoEffect;
    }
}

void releaseKey(GameState& g, unsigned char key)
{
    const int32_t dir = moveDirOfKey(key);
    if (dir != moveNone && g.player.moveDir == dir)
        g.player.moveDir = moveNone;
}
