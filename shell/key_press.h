// A key of the game as both shells carry it out: the rules, then what the key asks of GL,
// then what it asks of the shell itself.
#pragma once

// The parts of a key's effect that each shell does its own way.
struct ShellHooks {
    void (*pauseChanged)(bool paused);
    void (*stepWhilePaused)();  // one tick with its frame
    // Runs with the game's lock held, so the commander stays out while the game ends.
    void (*quit)();
};

// Presses the key under the game's lock; a shot it fires is heard at once, even while
// paused, not at the next tick.
void pressKeyInShell(unsigned char key, const ShellHooks& hooks);
void releaseKeyInShell(unsigned char key);
