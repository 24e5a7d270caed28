// The GLUT calls the game's drawing code makes, defined by the browser build's GL layer;
// the browser's own events stand in for the rest of GLUT (web/main.cpp).
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#define GLUT_LEFT_BUTTON 0
#define GLUT_DOWN 0
// freeglut's font numbers are addresses; here the font is named by a plain number.
#define GLUT_BITMAP_HELVETICA_18 ((void*)8)

#ifdef __cplusplus
extern "C" {
#endif

void glutBitmapCharacter(void* font, int character);
void glutSwapBuffers(void);

#ifdef __cplusplus
}
#endif
