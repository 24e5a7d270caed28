#include "game_process.h"

#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

extern char** environ;

namespace {

void pause10ms()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

std::vector<char*> environmentWithout(const char* name)
{
    std::vector<char*> env;
    const size_t len = std::strlen(name);
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, name, len) != 0 || (*e)[len] != '=')
            env.push_back(*e);
    env.push_back(nullptr);
    return env;
}

void collectTitled(Display* display, Window window, const char* title, std::vector<Window>& out)
{
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        if (std::strcmp(name, title) == 0)
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

}  // namespace

GameProcess startGame(bool withDisplay)
{
    GameProcess game;
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return game;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* argv[] = {const_cast<char*>(TANKS_BINARY), nullptr};
    std::vector<char*> env = environmentWithout(withDisplay ? "" : "DISPLAY");
    if (posix_spawn(&game.pid, TANKS_BINARY, &actions, nullptr, argv, env.data()) != 0)
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
