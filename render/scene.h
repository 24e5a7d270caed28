// The lit 3-D view of the game and its camera; the GLUT display, reshape and mouse handlers.
#pragma once

#include "game/game_state.h"

void initScene();  // fixed GL state, lights, the five models, then the first game
void drawFrame();  // draws a snapshot of gameState taken under the lock, then swaps
void onReshape(int width, int height);
void onMouseButton(int button, int state, int x, int y);
void onMouseDrag(int x, int y);

// The view toggles of the keyboard.
void applyLighting(bool on);
void applyPolygonMode(bool filled);

// One frame into the back buffer, without the swap: the world, then the overlay.
void renderFrame(const GameState& g);

// The 3-D scene and its object passes; the modelview matrix is the identity on entry.
void drawWorld(const GameState& g);
void drawBricks(const GameState& g);
void drawPlayer(const GameState& g);
void drawEnemies(const GameState& g);
