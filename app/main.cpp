// tanks: a 3-D tank battle for one player at one keyboard.
#include <GL/glut.h>

#include "app/game_loop.h"
#include "app/start_up.h"
#include "render/scene.h"
#include "sound/output.h"

int main(int argc, char** argv)
{
    openGameWindow(&argc, argv);
    registerCallbacks(drawFrame, simulationTick);
    startSound();  // without a device the game plays on silently
    startEnemyCommander();
    glutMainLoop();
    return 0;
}
