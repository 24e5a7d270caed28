// OpenAL Soft probes ALSA for a card: on a machine without one, alsa-lib and OpenAL Soft would
// print lines that read like a crash. These keep them quiet and say what matters once.
#pragma once

// Silences alsa-lib's printing in this process and OpenAL Soft's log, unless the player asked
// for that log through ALSOFT_LOGLEVEL. Before the first OpenAL call.
void quietSoundLibraries();

// No device opened: says so once, in the game's words, when a card is there to be opened
// (another program may hold it). With no card at all there is nothing to say.
void sayWhySilent();
