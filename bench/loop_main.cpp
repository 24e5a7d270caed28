// loop_bench run SECONDS     the real loop's tick rate beside its ceiling
// loop_bench startup RUNS    start-up to the first frame, over fresh processes
// loop_bench first-frame NS  one such process (started by "startup")
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/loop_bench.h"

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "run";
    const char* value = argc > 2 ? argv[2] : nullptr;
    if (std::strcmp(mode, "run") == 0)
        runCountedLoop(2.0, value ? std::atof(value) : 10.0);
    if (std::strcmp(mode, "startup") == 0)
        return measureStartUp("/proc/self/exe", value ? std::atoi(value) : 7);
    if (std::strcmp(mode, "first-frame") == 0 && value)
        runToFirstFrame(std::atoll(value));
    std::fprintf(stderr, "usage: %s run SECONDS | startup RUNS\n", argv[0]);
    return 2;
}
