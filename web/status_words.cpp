#include "web/status_words.h"

#include <emscripten/emscripten.h>

#include <cstring>

#include "game/game_state.h"
#include "render/overlay.h"

namespace {

char toldLine[hudTextLength];
int toldOver = -1;  // nothing told yet

}  // namespace

// The very line the overlay draws, so the words follow its marks and its clamping.
void tellStatusIfChanged()
{
    char line[hudTextLength];
    fillHudText(gameState, line);
    if (gameState.gameOver == toldOver && std::memcmp(line, toldLine, sizeof line) == 0)
        return;
    std::memcpy(toldLine, line, sizeof line);
    toldOver = gameState.gameOver;
    EM_ASM(
        {
            if (Module.onStatusChanged)
                Module.onStatusChanged(UTF8ToString($0), $1);
        },
        line, toldOver);
}
