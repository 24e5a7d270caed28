// tanks: a 3-D tank battle for one player at one keyboard.
#include <GL/glut.h>

#include <thread>

#include "app/game_loop.h"
#include "app/keyboard.h"
#include "game/commander.h"
#include "render/scene.h"

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 800);
    glutInitWindowPosition(100, 100);
    glutCreateWindow(argv[0]);
    initScene();

    glutDisplayFunc(drawFrame);
    glutReshapeFunc(onReshape);
    glutMouseFunc(onMouseButton);
    glutMotionFunc(onMouseDrag);
    glutKeyboardFunc(onKeyDown);
    glutKeyboardUpFunc(onKeyUp);
    glutIdleFunc(simulationTick);

    std::thread(enemyCommander).detach();
    glutMainLoop();
    return 0;
}
