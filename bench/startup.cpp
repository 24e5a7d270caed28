// Start-up time measured from outside the process: from just before the launch of a
// fresh process to the end of its first frame.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/loop_bench.h"

extern char** environ;

namespace {

// The child's one line of output, its start-up in milliseconds; negative on failure.
double launchOnce(const char* self)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);

    const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count();
    std::string since = std::to_string(now);
    std::string mode = "first-frame";
    std::string program = self;
    char* argv[] = {program.data(), mode.data(), since.data(), nullptr};
    pid_t child;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return -1;
    }
    char line[64] = {};
    const ssize_t n = read(out[0], line, sizeof line - 1);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return n > 0 ? std::atof(line) : -1;
}

}  // namespace

int measureStartUp(const char* self, int runs)
{
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const double ms = launchOnce(self);
        if (ms < 0) {
            std::fprintf(stderr, "start-up run %d failed\n", r + 1);
            return 1;
        }
        times.push_back(ms);
        std::printf("start-up to first frame, run %d: %.1f ms\n", r + 1, ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to first frame: %.1f ms median of %d\n", times[times.size() / 2], runs);
    return 0;
}
