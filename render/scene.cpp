#include "render/scene.h"

#include <GL/glut.h>

#include "game/level.h"

void initScene()
{
    glClearColor(1, 1, 1, 0);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    std::lock_guard<std::mutex> lock(gameMutex);
    setUpFirstGame(gameState);
}

void drawFrame()
{
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

void onReshape(int width, int height)
{
    glViewport(0, 0, width, height);
    std::lock_guard<std::mutex> lock(gameMutex);
    gameState.windowWidth = width;
    gameState.windowHeight = height;
}

void onMouseButton(int, int, int, int) {}
void onMouseDrag(int, int) {}

void applyLighting(bool on)
{
    if (on)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
}

void applyPolygonMode(bool filled)
{
    glPolygonMode(GL_FRONT_AND_BACK, filled ? GL_FILL : GL_LINE);
}
