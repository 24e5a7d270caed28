// The game's start-up, step by step, so the benchmarks can start it exactly as main does.
#pragma once

// glutInit, the 800 x 800 double-buffered window at (100, 100) titled with
// argv[0], made smaller where that does not fit the screen (app/desktop_window.h),
// then initScene: the GL state, the models and the first game.
void openGameWindow(int* argc, char** argv);

// Every GLUT callback, in the order they are documented; display and idle are
// drawFrame and simulationTick in the game. Idle is also the tick the keys pause and step.
void registerCallbacks(void (*display)(), void (*idle)());

// The enemy commander on a thread of its own, never joined: it ends with the process. Should
// the thread not start, the game goes on without it: no enemies ever enter and the player is
// never respawned.
void startEnemyCommander();
