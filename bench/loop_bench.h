// The game's own start-up and GLUT loop, wired as main wires them, with counters
// around the tick and the display callback.
#pragma once

// Runs the game for warmUp + seconds and prints the tick rate over the last `seconds`
// beside its ceiling 1000 / (15 + frame ms), frame ms being measured in the same loop.
[[noreturn]] void runCountedLoop(double warmUp, double seconds);

// Starts the game and, once the first frame is drawn and finished, prints the
// milliseconds since launchedAt (steady-clock nanoseconds) and ends the process.
[[noreturn]] void runToFirstFrame(long long launchedAt);

// Launches this executable `runs` times in first-frame mode and prints each start-up
// time and their median.
int measureStartUp(const char* self, int runs);
