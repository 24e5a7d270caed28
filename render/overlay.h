// The 2-D text drawn over the scene: the status line and "GAME OVER!".
#pragma once

#include "game/game_state.h"

constexpr int hudTextLength = 64;

// "LIVES:" with a mark per spare life, then "ENEMIES:" with a mark per enemy still to enter,
// zero-filled after the last mark.
void fillHudText(const GameState& g, char (&hudText)[hudTextLength]);

// Window-pixel text in black; leaves the matrices, matrix mode and lighting as it found them.
void drawHud(const GameState& g);
