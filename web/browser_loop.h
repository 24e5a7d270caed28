// The game's two loops on the browser's timers, for a page that has one thread: the tick
// with its frame, and the enemy commander's cycle.
#pragma once

// The commander's first cycle at once, then one every commanderPeriodMs; the first frame,
// then ticks. beforeEachTick runs before every tick, and as often while paused.
void startLoops(void (*beforeEachTick)());

// One tick and its frame; the next comes 15 ms after the frame unless paused or stopped.
void runTick();

// For good, as "q" does: no tick, no cycle; the page is told.
void stopLoops();
