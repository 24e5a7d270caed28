// For a platform with no output yet: the effects are made, and nothing is heard.
#include "sound/output.h"

bool startSound()
{
    renderEffects();
    return false;
}

void playEffect(SoundEffect /*e*/) {}

void setSoundOn(bool /*on*/) {}
