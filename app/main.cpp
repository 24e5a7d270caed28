// tanks: a 3-D tank battle for one player at a keyboard or a game pad.
#include <GL/glut.h>

#include "app/game_loop.h"
#include "app/input_poll.h"
#include "app/start_up.h"
#include "render/scene.h"
#include "sound/output.h"

int main(int argc, char** argv)
{
    openGameWindow(&argc, argv);
    registerCallbacks(drawFrame, simulationTick);
    startSound();         // without a device the game plays on silently
    startInputPolling();  // without a pad, or without SDL, the keyboard alone as ever
    startEnemyCommander();
    glutMainLoop();
    return 0;
}
