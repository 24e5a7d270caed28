// The installed tree, laid out as the Debian package lays it out, checked the
// way a desktop and a packager check it: the validators of the desktop entry,
// the software-centre entry and the manual page, and the installed game itself.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "game_process.h"

namespace {

const std::string root = TANKS_INSTALL_ROOT;
const std::string appId = TANKS_APP_ID;
const double hangGuard = 30.0;  // seconds; a guard against a hang, not a measurement

struct CommandResult {
    int status = -1;     // the exit status, or -1 if it did not exit normally
    std::string output;  // standard output and standard error together
};

CommandResult run(const std::string& command)
{
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    char buffer[512];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    return result;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isFile(const std::string& path, mode_t* mode = nullptr)
{
    struct stat s;
    if (stat(path.c_str(), &s) != 0 || !S_ISREG(s.st_mode))
        return false;
    if (mode)
        *mode = s.st_mode;
    return true;
}

const std::string desktopFile = root + "/usr/share/applications/" + appId + ".desktop";
const std::string metainfoFile = root + "/usr/share/metainfo/" + appId + ".metainfo.xml";
const std::string manPage = root + "/usr/share/man/man6/tanks.6.gz";

}  // namespace

TEST(Installed, EveryFileIsWhereThePackagePutsIt)
{
    mode_t mode = 0;
    ASSERT_TRUE(isFile(TANKS_BINARY, &mode));
    EXPECT_EQ(mode & 0777, 0755u);
    EXPECT_FALSE(isFile(root + "/usr/bin/tanks")) << "Debian keeps games in /usr/games";
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"}) {
        const std::string icon =
            root + "/usr/share/icons/hicolor/" + size + "/apps/" + appId + ".png";
        EXPECT_EQ(readFile(icon).substr(1, 3), "PNG") << icon;
    }
    EXPECT_TRUE(isFile(root + "/usr/share/icons/hicolor/scalable/apps/" + appId + ".svg"));
    EXPECT_TRUE(isFile(desktopFile));
    EXPECT_TRUE(isFile(metainfoFile));
    // gzip's magic number: man reads the page compressed, as Debian ships it.
    EXPECT_EQ(readFile(manPage).substr(0, 2), "\x1f\x8b");
}

// The menu finds the icon by the entry's Icon=, the software centre finds the
// entry by its launchable, and both by the one id.
TEST(Installed, MenuEntryAndSoftwareCentreEntryNameEachOther)
{
    const std::string entry = readFile(desktopFile);
    EXPECT_NE(entry.find("\nIcon=" + appId + "\n"), std::string::npos);
    EXPECT_NE(entry.find("\nExec=tanks\n"), std::string::npos);
    const std::string metainfo = readFile(metainfoFile);
    EXPECT_NE(metainfo.find("<id>" + appId + "</id>"), std::string::npos);
    EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">" + appId + ".desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(metainfo.find("<binary>tanks</binary>"), std::string::npos);
    EXPECT_NE(metainfo.find("<release version=\"" TANKS_VERSION "\""), std::string::npos);
}

TEST(Installed, ValidatorsHaveNothingToSay)
{
    CommandResult desktop = run("desktop-file-validate '" + desktopFile + "'");
    EXPECT_EQ(desktop.status, 0) << desktop.output;
    EXPECT_EQ(desktop.output, "");

    // Exits non-zero on warnings too, not only on errors.
    CommandResult metainfo = run("appstreamcli validate --no-net '" + metainfoFile + "'");
    EXPECT_EQ(metainfo.status, 0) << metainfo.output;

    CommandResult groff = run("zcat '" + manPage + "' | groff -man -ww -z");
    EXPECT_EQ(groff.status, 0) << groff.output;
    EXPECT_EQ(groff.output, "");
    CommandResult mandoc = run("mandoc -T lint '" + manPage + "'");
    EXPECT_EQ(mandoc.status, 0) << mandoc.output;
    EXPECT_EQ(mandoc.output, "");
}

TEST(Installed, ManualPageNamesEveryKeyAndHasTheProjectsVersion)
{
    CommandResult page = run("zcat '" + manPage + "' | groff -man -Tascii -P-cbou");
    ASSERT_EQ(page.status, 0) << page.output;
    EXPECT_NE(page.output.find("tanks " TANKS_VERSION), std::string::npos);
    for (const char* section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "KEYS", "MOUSE",
                                "EXIT STATUS", "ENVIRONMENT", "FILES"})
        EXPECT_NE(page.output.find(std::string("\n") + section + "\n"), std::string::npos)
            << section;
    for (const char* key :
         {"w, s, a, d", "\n       j ", "\n       n ", "\n       / ", "\n       . ", "\n       l ",
          "\n       p ", "\n       r ", "\n       q "})
        EXPECT_NE(page.output.find(key), std::string::npos) << key;
}

TEST(Installed, GameOpensItsWindowAndQuitsOnQ)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X display";
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    ignoreXErrors();
    GameProcess game = startGame();
    ASSERT_GT(game.pid, 0);
    Window window = 0;
    ASSERT_EQ(findWindows(display, TANKS_BINARY, hangGuard, &window), 1);
    const WindowGeometry frame = windowGeometry(display, window);
    EXPECT_EQ(frame.width, 800);
    EXPECT_EQ(frame.height, 800);
    // Drawn at least once: the floor is white between the grid lines.
    Picture picture;
    ASSERT_TRUE(waitForPicture(
        display, window, hangGuard, [](const Picture& p) { return p.at(412, 412) == 0xffffff; },
        picture))
        << "never drawn";
    movePointer(display, frame.x + 400, frame.y + 400);  // focus follows the pointer
    tapKey(display, "q");
    const int status = waitForExit(game, hangGuard);
    EXPECT_TRUE(status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << readStderr(game);
    stopGame(game);
    XCloseDisplay(display);
}
