// The game's two loops on the browser's timers, for a page that has one thread: the tick
// with its frame, and the enemy commander's cycle.
#pragma once

// The commander's first cycle at once, then one every 500 ms; the first frame, then ticks.
void startLoops();

// One tick and its frame; the next comes 15 ms after the frame unless paused or stopped.
void runTick();

// Lets go of every key and touch held and pauses, as when the page is hidden: the player
// cannot see the game. It stays paused until the player goes on.
void pauseWhileAway();

// Tells the page that gameState.paused has changed; the ticks follow it by themselves.
void applyPause();

// For good, as "q" does: no tick, no cycle; the page is told.
void stopLoops();
bool loopsStopped();
