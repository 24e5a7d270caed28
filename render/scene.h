// The lit 3-D view of the game and its camera; the GLUT display, reshape and mouse handlers.
#pragma once

void initScene();  // fixed GL state, lights, the five models, then the first game
void drawFrame();
void onReshape(int width, int height);
void onMouseButton(int button, int state, int x, int y);
void onMouseDrag(int x, int y);

// The view toggles of the keyboard.
void applyLighting(bool on);
void applyPolygonMode(bool filled);
