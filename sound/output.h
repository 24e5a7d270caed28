// Playing the effects on the platform's sound output: OpenAL on Linux and in the browser,
// winmm's waveOut on Windows. Without a device everything here does nothing: the game plays
// on silently. Called from the thread that runs the ticks, never holding the game's lock.
#pragma once

#include "sound/effects.h"

// Renders the effects and opens the default device. False when there is none, or it failed.
bool startSound();

// Starts the effect on a free voice or in place of the oldest; returns at once.
void playEffect(SoundEffect e);

// Silences the output, or lets it play again, for the browser's sound button.
void setSoundOn(bool on);
