// The real program played through the X server: keys and drags in, the
// window's pixels out. The world is paused and stepped with "." wherever
// timing would matter; enemies still enter meanwhile (their commander keeps
// running), so the pictures are compared only where they cannot reach.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <X11/keysym.h>

#include "game_process.h"

namespace {

// Colour classes rather than exact shades, which follow the lights.
int red(uint32_t p)
{
    return int(p >> 16 & 0xff);
}
int green(uint32_t p)
{
    return int(p >> 8 & 0xff);
}
int blue(uint32_t p)
{
    return int(p & 0xff);
}
bool isBright(uint32_t p)
{
    return std::min({red(p), green(p), blue(p)}) > 230;
}
bool isDark(uint32_t p)
{
    return std::max({red(p), green(p), blue(p)}) < 90;
}
bool isGrey(uint32_t p)
{
    return std::max({red(p), green(p), blue(p)}) - std::min({red(p), green(p), blue(p)}) < 24;
}
bool isBrick(uint32_t p)
{
    return red(p) > green(p) + 30 && green(p) > blue(p) + 15;
}
bool isYellow(uint32_t p)
{
    return red(p) > 80 && std::abs(red(p) - green(p)) < 16 && blue(p) + 30 < red(p);
}
bool isGreen(uint32_t p)
{
    return green(p) > red(p) + 60 && green(p) > blue(p) + 60;
}
bool isBlue(uint32_t p)
{
    return blue(p) > red(p) + 40 && blue(p) >= green(p);
}

// The floor grid's lines are lit by whatever normal the previous frame left
// current, so their grey varies from frame to frame: pictures are compared by class.
int classOf(uint32_t p)
{
    if (isBright(p))
        return 0;
    if (isGrey(p))
        return 1;
    if (isYellow(p))
        return 2;
    if (isBrick(p))
        return 3;
    return isGreen(p) ? 4 : 5;
}

// Window pixels, half-open. At the start view a floor unit is 25 pixels and
// the field's centre is the window's.
struct Rect {
    int x0, y0, x1, y1;
    int area() const { return (x1 - x0) * (y1 - y0); }
};

const Rect wholeWindow{0, 0, 800, 800};
const Rect statusLine{15, 40, 400, 65};
const Rect margins[] = {{0, 100, 55, 800}, {745, 100, 800, 800}, {0, 745, 800, 800}};
const Rect emptyFloor{80, 560, 240, 720};   // bottom-left, between the wall and the edge
const Rect middleWall{100, 440, 330, 510};  // the wall's left half
const Rect baseArea{380, 685, 420, 725};
const Rect playerStart{265, 670, 335, 735};
// Where the first shell from the start cuts the wall: the floor under the cut
// row of cells, below the next row's near face, and the cells either side.
const Rect notch{282, 517, 318, 524};
const Rect besideNotch[] = {{240, 517, 270, 524}, {330, 517, 345, 524}};
// The three entry points along the top, clear of the status line.
const Rect entryRow{50, 70, 750, 135};
// What no enemy or enemy shell reaches in the few dozen ticks a test runs.
const Rect lowerField{0, 330, 800, 800};

int count(const Picture& p, Rect r, bool (*is)(uint32_t))
{
    int n = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x)
            n += is(p.at(x, y));
    return n;
}

double share(const Picture& p, Rect r, bool (*is)(uint32_t))
{
    return double(count(p, r, is)) / r.area();
}

// The share of pixels whose colour class differs.
double changed(const Picture& a, const Picture& b, Rect r)
{
    int n = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x)
            n += classOf(a.at(x, y)) != classOf(b.at(x, y));
    return double(n) / r.area();
}

// The lowest row of the player's tank. Its tracks' lower edge lies on the
// floor, so it moves 2.5 pixels a tick (0.1 units of 25 pixels).
int tankBottom(const Picture& p)
{
    for (int y = 790; y >= 450; --y)
        if (count(p, {250, y, 350, y + 1}, isYellow) >= 4)
            return y;
    return -1;
}

bool hasSanitizerReport(const std::string& text)
{
    for (const char* report : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer",
                               "WARNING: ThreadSanitizer", "runtime error:"})
        if (text.find(report) != std::string::npos)
            return true;
    return false;
}

void pauseBriefly(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

class Play : public ::testing::Test {
protected:
    // Generous: a sanitized game under software GL is slow, and these limits only catch hangs.
    static constexpr double hangGuard = 60.0;

    Display* display = nullptr;
    Window window = 0;
    WindowGeometry frame{};
    GameProcess game;
    Picture start;
    bool repeatWas = true;
    std::vector<std::string> gameEnvironment;  // NAME=value entries added to the game's

    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X display";
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        ignoreXErrors();
        // A held key must stay one press and one release.
        repeatWas = keyRepeatOn(display);
        setKeyRepeat(display, false);
        waitUntilNoGameWindow();
        game = startGame(true, gameEnvironment);
        ASSERT_GT(game.pid, 0);
        ASSERT_EQ(findWindows(display, gameTitle(), hangGuard, &window), 1);
        frame = windowGeometry(display, window);
        movePointer(display, frame.x + 400, frame.y + 400);  // focus follows the pointer
        start = waitFor("the first frame", [](const Picture& p) {
            return count(p, playerStart, isYellow) > 500 && count(p, statusLine, isDark) > 300;
        });
    }

    void TearDown() override
    {
        if (!display)
            return;
        if (game.pid > 0) {
            tapKey(display, "q");
            expectCleanExit();
        }
        stopGame(game);
        waitUntilNoGameWindow();
        setKeyRepeat(display, repeatWas);
        XCloseDisplay(display);
    }

    // Asks for redraws and reads the window until `ready` holds.
    Picture waitFor(const char* what, const std::function<bool(const Picture&)>& ready)
    {
        Picture p;
        if (waitForPicture(display, window, hangGuard, ready, p))
            return p;
        ADD_FAILURE() << "the window never showed " << what;
        return p.width == 800 && p.height == 800 ? p : start;
    }

    bool looksLike(const Picture& expected, const Picture& p) const
    {
        return changed(expected, p, lowerField) < 0.002;
    }

    // Keys are handled in order, so once a toggle sent last has shown, all keys
    // before it have been handled. Lighting off and on again leaves nothing else changed.
    Picture settled()
    {
        tapKey(display, "l");
        waitFor("the unlit field",
                [](const Picture& p) { return count(p, middleWall, isBrick) == 0; });
        tapKey(display, "l");
        return waitFor("the lit field",
                       [](const Picture& p) { return share(p, middleWall, isBrick) > 0.9; });
    }

    void tapTimes(const char* key, int times)
    {
        for (int k = 0; k < times; ++k)
            tapKey(display, key);
    }

    void expectCleanExit()
    {
        const int status = waitForExit(game, hangGuard);
        ASSERT_NE(status, -1) << "the game did not end";
        EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0);
        const std::string said = readStderr(game);
        EXPECT_FALSE(hasSanitizerReport(said)) << said;
    }

    void waitUntilNoGameWindow()
    {
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(hangGuard);
        while (findWindows(display, gameTitle(), 0.0, nullptr) > 0 &&
               std::chrono::steady_clock::now() < until)
            pauseBriefly(20);
    }
};

TEST_F(Play, StartShowsTheFieldFromAboveWithTheStatusLine)
{
    for (const Rect& r : margins)
        EXPECT_GT(share(start, r, isBright), 0.99);
    EXPECT_GT(share(start, emptyFloor, isBright), 0.8);
    EXPECT_GT(share(start, emptyFloor, isGrey), 0.05) << "the floor grid";
    EXPECT_GT(share(start, middleWall, isBrick), 0.95);
    EXPECT_GT(share(start, baseArea, isGreen), 0.5);
    // The player's tank, left of the base, is the only yellow thing.
    EXPECT_GT(count(start, playerStart, isYellow), 1500);
    EXPECT_EQ(count(start, playerStart, isYellow), count(start, wholeWindow, isYellow));
    EXPECT_GT(count(start, statusLine, isDark), 300);
    EXPECT_EQ(count(start, statusLine, isBrick) + count(start, statusLine, isYellow), 0);
}

TEST_F(Play, HeldKeyDrivesTheTankAndReleaseStopsIt)
{
    tapKey(display, "slash");
    const int startRow = tankBottom(start);
    holdKey(display, "w");
    tapTimes("period", 10);
    const Picture moved = waitFor("the tank ten ticks up",
                                  [&](const Picture& p) { return tankBottom(p) <= startRow - 24; });
    EXPECT_NEAR(tankBottom(moved), startRow - 25, 1);

    releaseKey(display, "w");
    tapTimes("period", 10);
    EXPECT_EQ(tankBottom(settled()), tankBottom(moved));
}

// Alt+Tab as a player does it: the keyboard goes to another window, which then gets the
// release. The game never hears it, yet must stop the tank before its next tick.
TEST_F(Play, KeyReleasedInAnotherWindowStopsTheTank)
{
    tapKey(display, "slash");
    const int startRow = tankBottom(start);
    holdKey(display, "w");
    settled();
    const Window other =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 50, 50, 0, 0, 0);
    XMapWindow(display, other);
    XSync(display, False);
    XSetInputFocus(display, other, RevertToPointerRoot, CurrentTime);
    XSync(display, False);
    releaseKey(display, "w");
    XSetInputFocus(display, PointerRoot, RevertToPointerRoot, CurrentTime);
    XDestroyWindow(display, other);
    XSync(display, False);
    tapTimes("period", 4);
    EXPECT_EQ(tankBottom(settled()), startRow);
}

TEST_F(Play, PauseFreezesTheWorldAndEachStepIsOneTick)
{
    tapKey(display, "slash");
    const int startRow = tankBottom(start);
    holdKey(display, "w");
    EXPECT_EQ(tankBottom(settled()), startRow) << "moved while paused";
    EXPECT_EQ(tankBottom(settled()), startRow) << "moved while paused";
    for (int k = 1; k <= 4; ++k) {
        tapKey(display, "period");
        const int expected = startRow - (5 * k) / 2;
        const Picture p = waitFor("one more step",
                                  [&](const Picture& q) { return tankBottom(q) <= expected + 1; });
        EXPECT_NEAR(tankBottom(p), expected, 1) << "after " << k << " steps";
    }
    EXPECT_NEAR(tankBottom(settled()), startRow - 10, 1);

    tapKey(display, "slash");
    waitFor("the tank driving on", [&](const Picture& p) { return tankBottom(p) < startRow - 20; });
    tapKey(display, "slash");
    releaseKey(display, "w");
}

TEST_F(Play, FireCutsANotchAndNewGameRestoresIt)
{
    EXPECT_GT(share(start, notch, isBrick), 0.9);
    tapKey(display, "slash");
    tapKey(display, "j");
    tapTimes("period", 30);  // enough for the shell to reach the wall, 6.8 units at 0.25 a tick
    const Picture cut = waitFor("a notch in the wall",
                                [](const Picture& p) { return share(p, notch, isBright) > 0.7; });
    for (const Rect& r : besideNotch)
        EXPECT_GT(share(cut, r, isBrick), 0.9) << "only two units of wall go";

    tapKey(display, "n");
    const Picture restored = waitFor(
        "the wall whole again", [](const Picture& p) { return share(p, notch, isBrick) > 0.9; });
    EXPECT_TRUE(looksLike(start, restored));
}

TEST_F(Play, LightingAndOutlineKeysChangeThePictureAndBack)
{
    tapKey(display, "slash");
    tapKey(display, "l");
    const Picture unlit = waitFor(
        "the unlit field", [](const Picture& p) { return count(p, middleWall, isBrick) == 0; });
    EXPECT_GT(share(unlit, middleWall, isDark), 0.95);
    EXPECT_EQ(count(unlit, wholeWindow, isYellow), 0);
    tapKey(display, "l");
    waitFor("the lit field as at the start", [&](const Picture& p) { return looksLike(start, p); });

    tapKey(display, "p");
    const Picture outlined =
        waitFor("outlines", [](const Picture& p) { return share(p, middleWall, isBrick) < 0.5; });
    EXPECT_GT(share(outlined, middleWall, isBright), 0.4);
    EXPECT_GT(count(outlined, middleWall, isBrick), 100) << "the bricks' edges";
    tapKey(display, "p");
    waitFor("filled polygons as at the start",
            [&](const Picture& p) { return looksLike(start, p); });
}

TEST_F(Play, DragOrbitsTheCameraAndResetFacesDownAgain)
{
    tapKey(display, "slash");
    // A quarter of the width: 45 degrees of yaw.
    dragPointer(display, frame.x + 400, frame.y + 400, frame.x + 600, frame.y + 400, 10);
    waitFor("the field turned",
            [&](const Picture& p) { return changed(start, p, lowerField) > 0.05; });
    tapKey(display, "r");
    waitFor("the view from above again", [&](const Picture& p) { return looksLike(start, p); });
}

TEST_F(Play, EnemiesEnterAlongTheTop)
{
    waitFor("an enemy at an entry point",
            [](const Picture& p) { return count(p, entryRow, isBlue) > 200; });
}

// The enemy thread refused at start, by a library preloaded into the game.
class PlayWithoutTheEnemyThread : public Play {
protected:
    PlayWithoutTheEnemyThread()
    {
        gameEnvironment.push_back("LD_PRELOAD=" FAIL_THREAD_START_LIBRARY);
        // AddressSanitizer wants its runtime loaded first; the preloaded library needs none.
        const char* asanOptions = std::getenv("ASAN_OPTIONS");
        gameEnvironment.push_back(std::string("ASAN_OPTIONS=") + (asanOptions ? asanOptions : "") +
                                  ":verify_asan_link_order=0");
    }
};

// The window stays up and the tank drives; no enemy ever enters.
TEST_F(PlayWithoutTheEnemyThread, TheGameGoesOnWithoutEnemies)
{
    const int startRow = tankBottom(start);
    holdKey(display, "w");
    waitFor("the tank driving", [&](const Picture& p) { return tankBottom(p) < startRow - 20; });
    releaseKey(display, "w");
    EXPECT_EQ(count(settled(), entryRow, isBlue), 0);
    EXPECT_EQ(count(start, entryRow, isBlue), 0);
}

// A French keyboard prints "q" where a US one has "a" and "a" where it has "q": by their
// place, its "q" drives left and its "a" quits. The layout changes under the running game,
// as a player's switch does. Keys are sent through a connection opened after the change,
// whose keymap is the new one.
class PlayOnAzerty : public Play {
protected:
    Display* azerty = nullptr;

    void SetUp() override
    {
        Play::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        if (std::getenv("TANKS_GAME_LAUNCHER"))
            GTEST_SKIP() << "Wine takes its layout from the X keymap its own way";
        settled();  // keys read with the US layout first
        const KeyCode usQ = XKeysymToKeycode(display, XK_q);
        ASSERT_EQ(std::system("setxkbmap -layout fr"), 0);
        azerty = XOpenDisplay(nullptr);
        ASSERT_NE(azerty, nullptr);
        if (XKeysymToKeycode(azerty, XK_q) == usQ)
            GTEST_SKIP() << "this X server kept its US keymap";
    }

    // The US layout back, and a connection that knows it for the quit that ends the test.
    void TearDown() override
    {
        if (azerty) {
            XCloseDisplay(azerty);
            EXPECT_EQ(std::system("setxkbmap -layout us"), 0);
            XCloseDisplay(display);
            display = XOpenDisplay(nullptr);
        }
        Play::TearDown();
    }
};

TEST_F(PlayOnAzerty, TheKeysGoByTheirPlace)
{
    holdKey(azerty, "q");
    const Picture moved = waitFor("the tank driving left", [&](const Picture& p) {
        return count(p, playerStart, isYellow) < count(start, playerStart, isYellow) / 2;
    });
    releaseKey(azerty, "q");
    EXPECT_EQ(tankBottom(moved), tankBottom(start)) << "only left, not up or down";
    tapKey(azerty, "a");
    expectCleanExit();
}

TEST_F(Play, QuitEndsTheGameWithStatusZero)
{
    tapKey(display, "q");
    expectCleanExit();
}

// These machines have no sound card: OpenAL Soft's probe of ALSA, and SDL's pad input, must
// not reach the terminal.
TEST_F(Play, SaysNothingFromStartToQuit)
{
    settled();
    tapKey(display, "q");
    expectCleanExit();
    EXPECT_EQ(readStderr(game), "");
}

TEST_F(Play, ClosingTheWindowEndsTheGame)
{
    askToClose(display, window);
    expectCleanExit();
}

// A stretch of random play, for the sanitized builds above all: any report
// fails the clean exit at the end.
TEST_F(Play, RandomKeysAndDragsLeaveItClean)
{
    const char* keys[] = {"w", "s", "a", "d", "j", "l", "p", "n", "r", "slash", "period"};
    const int movementKeys = 4;
    bool held[movementKeys] = {};
    std::mt19937 random(20240501);  // fixed, so a failure replays the same play
    for (int event = 0; event < 400; ++event) {
        if (random() % 16 == 0) {
            auto spot = [&] { return int(100 + random() % 600); };
            dragPointer(display, frame.x + spot(), frame.y + spot(), frame.x + spot(),
                        frame.y + spot(), 4);
        } else {
            const int k = int(random() % std::size(keys));
            if (k >= movementKeys)
                tapKey(display, keys[k]);
            else if ((held[k] = !held[k]))
                holdKey(display, keys[k]);
            else
                releaseKey(display, keys[k]);
        }
        pauseBriefly(int(random() % 20));
    }
    for (int k = 0; k < movementKeys; ++k)
        if (held[k])
            releaseKey(display, keys[k]);
    movePointer(display, frame.x + 400, frame.y + 400);
    tapKey(display, "q");
    expectCleanExit();
}

// Sound: OpenAL Soft is steered by its environment. These machines have no sound device, so
// the plain Play tests above already play without one.
class PlayWithSoundTo : public Play {
protected:
    void fireAndQuit()
    {
        tapTimes("j", 10);
        settled();
        const std::string saidWhilePlaying = readStderr(game);
        tapKey(display, "q");
        expectCleanExit();
        EXPECT_EQ(saidWhilePlaying.find("AL lib"), std::string::npos) << saidWhilePlaying;
    }
};

class PlayWithNullSound : public PlayWithSoundTo {
protected:
    PlayWithNullSound() { gameEnvironment.push_back("ALSOFT_DRIVERS=null"); }
};

// No output of OpenAL's matches, so no device opens: as on a machine without sound.
class PlayWithoutASoundDevice : public PlayWithSoundTo {
protected:
    PlayWithoutASoundDevice() { gameEnvironment.push_back("ALSOFT_DRIVERS=none-here"); }
};

TEST_F(PlayWithNullSound, FiresAndQuitsCleanly)
{
    fireAndQuit();
}

TEST_F(PlayWithoutASoundDevice, FiresAndQuitsCleanly)
{
    fireAndQuit();
}

// OpenAL Soft's wave writer records what a player would hear, as 32-bit float stereo at
// 44.1 kHz, in real time.
class PlayRecordingSound : public Play {
protected:
    std::string recording = ::testing::TempDir() + "tanks-sound-" + std::to_string(getpid());

    PlayRecordingSound()
    {
        const std::string config = recording + ".conf";
        recording += ".wav";
        std::remove(recording.c_str());
        std::FILE* f = std::fopen(config.c_str(), "w");
        std::fprintf(f, "[general]\ndrivers = wave\n[wave]\nfile = %s\n", recording.c_str());
        std::fclose(f);
        gameEnvironment.push_back("ALSOFT_CONF=" + config);
    }

    long recordedBytes() const
    {
        std::FILE* f = std::fopen(recording.c_str(), "rb");
        if (!f)
            return 0;
        std::fseek(f, 0, SEEK_END);
        const long n = std::ftell(f);
        std::fclose(f);
        return n;
    }

    // The left channel, from the first sample at or after byte `from` of the file.
    std::vector<float> samplesFrom(long from) const
    {
        std::vector<float> left;
        std::FILE* f = std::fopen(recording.c_str(), "rb");
        if (!f)
            return left;
        std::fseek(f, from - from % 8, SEEK_SET);
        float frame[2];
        while (std::fread(frame, sizeof frame, 1, f) == 1)
            left.push_back(frame[0]);
        std::fclose(f);
        return left;
    }
};

// 10 ms stretches that sound like the player's shot: loud enough, and a tone between
// 550 and 1100 Hz by its zero crossings. The enemies' sounds lie lower, noises higher.
int shotLikeStretches(const std::vector<float>& s, size_t from, size_t to)
{
    constexpr size_t stretch = 441;
    int found = 0;
    for (size_t at = from; at + stretch <= to; at += stretch) {
        double energy = 0;
        int crossings = 0;
        for (size_t k = at + 1; k < at + stretch; ++k) {
            energy += double(s[k]) * s[k];
            crossings += s[k - 1] < 0 && s[k] >= 0;
        }
        const bool loud = std::sqrt(energy / stretch) > 0.03;
        found += loud && crossings * 100 >= 550 && crossings * 100 <= 1100;
    }
    return found;
}

TEST_F(PlayRecordingSound, ThePlayersShotIsHeardAfterJ)
{
    tapKey(display, "slash");  // paused: no tick, so nothing hits anything
    settled();
    // The commander goes on while paused, and what it did is heard with the next key: one
    // step lets out the enemies' entries so far, rather than have them drown the shot.
    tapKey(display, "period");
    settled();
    pauseBriefly(300);  // what the pause and the step let out has played
    const long before = recordedBytes();
    ASSERT_GT(before, 44) << "nothing recorded at " << recording;
    tapKey(display, "j");
    settled();
    pauseBriefly(400);  // the writer keeps real time
    tapKey(display, "q");
    expectCleanExit();
    const std::vector<float> all = samplesFrom(0);
    const size_t mark = size_t(before / 8);
    ASSERT_GT(all.size(), mark + 4410);
    EXPECT_EQ(shotLikeStretches(all, 0, mark), 0) << "a shot before the key";
    EXPECT_GE(shotLikeStretches(all, mark, all.size()), 4) << "no shot after the key";
    std::remove(recording.c_str());
    std::remove((recording.substr(0, recording.size() - 4) + ".conf").c_str());
}
