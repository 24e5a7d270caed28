#include "sound/voices.h"

namespace {

int freeOrOldest(const VoiceTurns& turns, const bool (&playing)[soundVoices])
{
    int oldest = 0;
    for (int v = 0; v < soundVoices; ++v) {
        if (!playing[v])
            return v;
        // Older, across wrap-around.
        if (turns.startedAt[v] - turns.startedAt[oldest] > 0x80000000u)
            oldest = v;
    }
    return oldest;
}

}  // namespace

int takeVoice(VoiceTurns& turns, const bool (&playing)[soundVoices])
{
    const int v = freeOrOldest(turns, playing);
    turns.startedAt[v] = turns.starts++;
    return v;
}
