#include "game_process.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

extern char** environ;

namespace {

void pause10ms()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

bool namesVariable(const char* entry, const char* name, size_t length)
{
    return std::strncmp(entry, name, length) == 0 && entry[length] == '=';
}

// This process's environment without the variable `without` (when not empty) and
// with the NAME=value entries of `added` in place of any it had.
std::vector<char*> childEnvironment(const char* without, const std::vector<std::string>& added)
{
    std::vector<char*> env;
    for (char** e = environ; *e; ++e) {
        bool keep = !*without || !namesVariable(*e, without, std::strlen(without));
        for (const std::string& a : added)
            keep = keep && !namesVariable(*e, a.c_str(), a.find('='));
        if (keep)
            env.push_back(*e);
    }
    for (const std::string& a : added)
        env.push_back(const_cast<char*>(a.c_str()));
    env.push_back(nullptr);
    return env;
}

bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

void collectTitled(Display* display, Window window, const char* title, std::vector<Window>& out)
{
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        if (std::strcmp(name, title) == 0 && isViewable(display, window))
            out.push_back(window);
        XFree(name);
    }
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned k = 0; k < count; ++k)
            collectTitled(display, children[k], title, out);
        if (children)
            XFree(children);
    }
}

const char* environmentOr(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

}  // namespace

const char* gameFile()
{
    return environmentOr("TANKS_GAME", TANKS_BINARY);
}

const char* gameTitle()
{
    return environmentOr("TANKS_GAME_TITLE", gameFile());
}

GameProcess startGame(bool withDisplay, const std::vector<std::string>& addedEnvironment)
{
    GameProcess game;
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return game;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const char* launcher = environmentOr("TANKS_GAME_LAUNCHER", nullptr);
    char* withLauncher[] = {const_cast<char*>(launcher), const_cast<char*>(gameFile()), nullptr};
    char** argv = launcher ? withLauncher : withLauncher + 1;
    std::vector<char*> env = childEnvironment(withDisplay ? "" : "DISPLAY", addedEnvironment);
    if (posix_spawnp(&game.pid, argv[0], &actions, nullptr, argv, env.data()) != 0)
        game.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    game.stderrFd = pipeFds[0];
    fcntl(game.stderrFd, F_SETFL, O_NONBLOCK);
    return game;
}

int waitForExit(GameProcess& game, double seconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (game.pid > 0) {
        int status = 0;
        if (waitpid(game.pid, &status, WNOHANG) == game.pid) {
            game.pid = -1;
            return status;
        }
        if (std::chrono::steady_clock::now() > until)
            return -1;
        pause10ms();
    }
    return -1;
}

void stopGame(GameProcess& game)
{
    if (game.pid > 0) {
        kill(game.pid, SIGKILL);
        waitpid(game.pid, nullptr, 0);
        game.pid = -1;
    }
    if (game.stderrFd >= 0) {
        close(game.stderrFd);
        game.stderrFd = -1;
    }
}

std::string readStderr(GameProcess& game)
{
    std::string text;
    char buffer[512];
    ssize_t n;
    while (game.stderrFd >= 0 && (n = read(game.stderrFd, buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    return text;
}

int findWindows(Display* display, const char* title, double seconds, Window* found)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::vector<Window> windows;
    do {
        windows.clear();
        collectTitled(display, DefaultRootWindow(display), title, windows);
        if (!windows.empty())
            break;
        pause10ms();
    } while (std::chrono::steady_clock::now() < until);
    if (!windows.empty() && found)
        *found = windows.front();
    return int(windows.size());
}

WindowGeometry windowGeometry(Display* display, Window window)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

Picture capturePicture(Display* display, Window window)
{
    Picture picture;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return picture;
    XImage* image = XGetImage(display, window, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return picture;
    picture.width = image->width;
    picture.height = image->height;
    picture.pixels.reserve(size_t(image->width) * size_t(image->height));
    // A TrueColor visual of depth 24: eight bits a channel in the masks' places.
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            const uint32_t r = uint32_t((p & image->red_mask) >> __builtin_ctzl(image->red_mask));
            const uint32_t g =
                uint32_t((p & image->green_mask) >> __builtin_ctzl(image->green_mask));
            const uint32_t b = uint32_t((p & image->blue_mask) >> __builtin_ctzl(image->blue_mask));
            picture.pixels.push_back(r << 16 | g << 8 | b);
        }
    XDestroyImage(image);
    return picture;
}

namespace {

void sendKey(Display* display, const char* keysym, bool down)
{
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysym));
    XTestFakeKeyEvent(display, code, down, CurrentTime);
    XSync(display, False);
}

}  // namespace

void holdKey(Display* display, const char* keysym)
{
    sendKey(display, keysym, true);
}

void releaseKey(Display* display, const char* keysym)
{
    sendKey(display, keysym, false);
}

void tapKey(Display* display, const char* keysym)
{
    sendKey(display, keysym, true);
    sendKey(display, keysym, false);
}

void movePointer(Display* display, int rootX, int rootY)
{
    XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
    XSync(display, False);
}

void dragPointer(Display* display, int fromX, int fromY, int toX, int toY, int steps)
{
    movePointer(display, fromX, fromY);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    for (int k = 1; k <= steps; ++k)
        movePointer(display, fromX + (toX - fromX) * k / steps, fromY + (toY - fromY) * k / steps);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

bool keyRepeatOn(Display* display)
{
    XKeyboardState state;
    XGetKeyboardControl(display, &state);
    return state.global_auto_repeat == AutoRepeatModeOn;
}

void setKeyRepeat(Display* display, bool on)
{
    XKeyboardControl control;
    control.auto_repeat_mode = on ? AutoRepeatModeOn : AutoRepeatModeOff;
    XChangeKeyboardControl(display, KBAutoRepeatMode, &control);
    XSync(display, False);
}

void askForRedraw(Display* display, Window window)
{
    XEvent event{};
    event.xexpose.type = Expose;
    event.xexpose.window = window;
    event.xexpose.width = 1;
    event.xexpose.height = 1;
    event.xexpose.count = 0;  // the last of its series, so the game acts on it
    XSendEvent(display, window, False, ExposureMask, &event);
    XSync(display, False);
}

bool waitForPicture(Display* display, Window window, double seconds,
                    const std::function<bool(const Picture&)>& ready, Picture& picture)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    do {
        askForRedraw(display, window);
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        picture = capturePicture(display, window);
        if (picture.width == 800 && picture.height == 800 && ready(picture))
            return true;
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

void askToClose(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
}

void ignoreXErrors()
{
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

std::vector<long> cardinalProperty(Display* display, Window window, const char* name)
{
    Atom type;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1 << 20, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        data && format == 32)
        items.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
    if (data)
        XFree(data);
    return items;
}

namespace {

pid_t startQuietly(std::vector<const char*> argv, const std::vector<std::string>& added)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    argv.push_back(nullptr);
    std::vector<char*> env = childEnvironment("", added);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, const_cast<char**>(argv.data()),
                     env.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// The line Xvfb writes to -displayfd once it takes clients: its display number.
std::string readDisplayNumber(int fd)
{
    std::string number;
    char c;
    pollfd ready = {fd, POLLIN, 0};
    while (poll(&ready, 1, 10000) == 1 && read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return number;
}

bool hasWorkArea(const std::string& name)
{
    Display* display = XOpenDisplay(name.c_str());
    const bool has =
        display && !cardinalProperty(display, DefaultRootWindow(display), "_NET_WORKAREA").empty();
    if (display)
        XCloseDisplay(display);
    return has;
}

}  // namespace

XServer startXServer(const char* screen, bool withWindowManager)
{
    XServer x;
    int fds[2];
    if (pipe(fds) != 0)
        return x;
    const std::string fd = std::to_string(fds[1]);
    x.server = startQuietly(
        {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
        {});
    close(fds[1]);
    const std::string number = x.server > 0 ? readDisplayNumber(fds[0]) : "";
    close(fds[0]);
    if (number.empty()) {
        stopXServer(x);
        return x;
    }
    x.name = ":" + number;
    if (withWindowManager) {
        x.windowManager = startQuietly({"openbox"}, {"DISPLAY=" + x.name});
        // It names the work area once it manages the screen.
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!hasWorkArea(x.name) && std::chrono::steady_clock::now() < until)
            pause10ms();
    }
    return x;
}

void stopXServer(XServer& x)
{
    for (pid_t* pid : {&x.windowManager, &x.server})
        if (*pid > 0) {
            kill(*pid, SIGTERM);
            waitpid(*pid, nullptr, 0);
            *pid = -1;
        }
}
