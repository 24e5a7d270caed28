#include "app/start_up.h"

#include <GL/glut.h>

#include <system_error>
#include <thread>

#include "app/desktop_window.h"
#include "app/focus_watch.h"
#include "app/keyboard.h"
#include "game/commander.h"
#include "render/scene.h"

void openGameWindow(int* argc, char** argv)
{
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    const WindowPlace place = placeGameWindow({100, 100, 800});
    glutInitWindowSize(place.size, place.size);
    glutInitWindowPosition(place.x, place.y);
    glutCreateWindow(argv[0]);
    settleGameWindow();
    initScene();  // needs the context the window made current
}

void registerCallbacks(void (*display)(), void (*idle)())
{
    glutDisplayFunc(display);
    glutReshapeFunc(onReshape);
    glutMouseFunc(onMouseButton);
    glutMotionFunc(onMouseDrag);
    glutKeyboardFunc(onWindowKeyDown);
    glutKeyboardUpFunc(onWindowKeyUp);
    glutIdleFunc(idle);
    keysRunTick(idle);
}

void startEnemyCommander()
{
    try {
        std::thread(enemyCommander).detach();
    } catch (const std::system_error&) {
        // Out of threads: the game plays on without its enemies.
    }
}
