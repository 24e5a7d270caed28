// The real program, started as a player would start it.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "game_process.h"

TEST(App, WithoutADisplayItSaysWhyAndExits)
{
    GameProcess game = startGame(false);
    ASSERT_GT(game.pid, 0);
    const int status = waitForExit(game, 30.0);
    ASSERT_NE(status, -1) << "still running without a display";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0);
    EXPECT_NE(readStderr(game).find("display"), std::string::npos);
    stopGame(game);
}

TEST(App, OpensOneWindowTitledWithItsPath)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X display";
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    GameProcess game = startGame();
    Window window = 0;
    EXPECT_EQ(findWindows(display, gameTitle(), 30.0, &window), 1);
    if (window) {
        const WindowGeometry g = windowGeometry(display, window);
        EXPECT_EQ(g.x, 100);
        EXPECT_EQ(g.y, 100);
        EXPECT_EQ(g.width, 800);
        EXPECT_EQ(g.height, 800);
    }
    EXPECT_EQ(waitForExit(game, 0.5), -1) << "the game should keep running";
    stopGame(game);
    XCloseDisplay(display);
}
