// The lit 3-D view of the game and its camera; the GLUT display, reshape and mouse handlers.
#pragma once

#include "game/game_state.h"

void initScene();  // fixed GL state, lights, the five models, then the first game
void drawFrame();  // draws a snapshot of gameState taken under the lock, then swaps
void onReshape(int width, int height);
void onMouseButton(int button, int state, int x, int y);
void onMouseDrag(int x, int y);
// Every turn of the camera, the mouse's and a pad's, with the game's lock held.
void turnCamera(GameState& g, double yawDegrees, double pitchDegrees);

// The view toggles of the keyboard.
void applyLighting(bool on);
void applyPolygonMode(bool filled);

// The 3-D scene's object passes.
void drawBricks(const GameState& g);      // the visible faces of all bricks in one batch
void drawBrickCells(const GameState& g);  // every brick by its own list: the plain pass
void drawPlayer(const GameState& g);
void drawEnemies(const GameState& g);

// Either brick pass draws the same picture; the plain one stays as the reference to
// compare the batch with, and it draws the outlines.
using BrickPass = void (*)(const GameState&);

// drawFrame with the given brick pass.
void drawFrameWith(BrickPass brickPass);

// The game as the next frame draws it, copied under the lock; the copy is the GLUT
// thread's own, valid until the next call.
const GameState& takeFrameSnapshot();

// One frame into the back buffer, without the swap: the world, then the overlay.
void renderFrame(const GameState& g, BrickPass brickPass = drawBricks);

// The 3-D scene; the modelview matrix is the identity on entry.
void drawWorld(const GameState& g, BrickPass brickPass = drawBricks);
