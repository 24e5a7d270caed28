#include "app/input_poll.h"

#include <GL/glut.h>

#include <mutex>

#include "app/focus_watch.h"
#include "app/pad_reader.h"
#include "game/game_state.h"

namespace {

// The tick's own pace, so a pad feels the same paused or not.
constexpr unsigned pausedPollMs = 15;

void pollWhilePaused(int /*unused*/)
{
    bool paused;
    {
        std::lock_guard<std::mutex> lock(gameMutex);
        paused = gameState.paused;
    }
    if (paused)
        pollInput();
    glutTimerFunc(pausedPollMs, pollWhilePaused, 0);
}

}  // namespace

void startInputPolling()
{
    startPadReader();
    glutTimerFunc(pausedPollMs, pollWhilePaused, 0);
}

void pollInput()
{
    letGoOfKeysUpElsewhere();
    pollPad();
}
