// The real program, started as a player would start it.
#include <gtest/gtest.h>

#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "game_process.h"

namespace {

std::string startupWMClass()
{
    std::ifstream entry(TANKS_DESKTOP_ENTRY);
    const std::string key = "StartupWMClass=";
    for (std::string line; std::getline(entry, line);)
        if (line.rfind(key, 0) == 0)
            return line.substr(key.size());
    return "";
}

// What a launcher, dock or task bar reads to know the window as the game's.
void expectKnownToTheDesktop(Display* display, Window window, pid_t pid)
{
    XClassHint hint = {};
    ASSERT_TRUE(XGetClassHint(display, window, &hint));
    EXPECT_EQ(std::string(hint.res_class), startupWMClass());
    EXPECT_NE(startupWMClass(), "");
    XFree(hint.res_name);
    XFree(hint.res_class);
    EXPECT_EQ(cardinalProperty(display, window, "_NET_WM_PID"), std::vector<long>{pid});
    const std::vector<long> icon = cardinalProperty(display, window, "_NET_WM_ICON");
    ASSERT_GE(icon.size(), 2u);
    EXPECT_GT(icon[0], 0);
    EXPECT_EQ(icon[0], icon[1]) << "a square icon first";
    EXPECT_GE(long(icon.size()), 2 + icon[0] * icon[1]);
}

}  // namespace

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

// On a 1366 x 768 laptop screen the 800 x 800 window at (100, 100) would hide its bottom rows,
// the player's tank among them: it is the largest square whose frame fits the work area.
TEST(App, FitsASmallScreenWithAndWithoutAWindowManager)
{
    for (const bool withWindowManager : {false, true}) {
        SCOPED_TRACE(withWindowManager ? "under openbox" : "without a window manager");
        XServer x = startXServer("1366x768x24", withWindowManager);
        ASSERT_NE(x.name, "") << "Xvfb did not start";
        Display* display = XOpenDisplay(x.name.c_str());
        ASSERT_NE(display, nullptr);
        GameProcess game = startGame(true, {"DISPLAY=" + x.name});
        Window window = 0;
        EXPECT_EQ(findWindows(display, gameTitle(), 30.0, &window), 1);
        std::vector<long> work =
            cardinalProperty(display, DefaultRootWindow(display), "_NET_WORKAREA");
        EXPECT_EQ(work.empty(), !withWindowManager);
        if (work.empty())
            work = {0, 0, 1366, 768};
        // The game fits the window and then names its icon, last; a window manager frames it
        // and honours the resize in its own time: wait for all of it.
        std::vector<long> frame;  // left, right, top, bottom
        WindowGeometry g = {};
        for (int tries = 0; window && tries < 300; ++tries) {
            frame = cardinalProperty(display, window, "_NET_FRAME_EXTENTS");
            frame.resize(4);
            g = windowGeometry(display, window);
            if (g.height + frame[2] + frame[3] <= work[3] &&
                !cardinalProperty(display, window, "_NET_WM_ICON").empty())
                break;
            usleep(10000);
        }
        EXPECT_EQ(g.width, g.height);
        EXPECT_GE(g.x - frame[0], work[0]);
        EXPECT_GE(g.y - frame[2], work[1]);
        EXPECT_LE(g.x + g.width + frame[1], work[0] + work[2]);
        EXPECT_EQ(g.y + g.height + frame[3], work[1] + work[3]) << "the largest square";
        if (window)
            expectKnownToTheDesktop(display, window, game.pid);
        stopGame(game);
        XCloseDisplay(display);
        stopXServer(x);
    }
}
