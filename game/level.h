// The fixed level, the enemy entry points, the first game and the new game.
#pragma once

#include "game/game_state.h"

constexpr float playerStartX = -4.0f;
constexpr float playerStartY = -edgeLane;
constexpr int8_t startingLives = 3;

void putPlayerAtStart(PlayerTank& p);  // left of the base, on the bottom lane
void buildLevel(GameState& g);         // sets every brick of the layout, touches nothing else
void resetEnemySlots(GameState& g);    // every slot back at its entry point, not alive
void resetGame(GameState& g);          // the new game of key "n"
void setUpFirstGame(GameState& g);     // the start-up set-up at the end of initScene

// Whether cell (i, j) is part of the level layout.
bool isLevelCell(int i, int j);
