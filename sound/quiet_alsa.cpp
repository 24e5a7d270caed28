#include "sound/quiet_alsa.h"

#include <alsa/asoundlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

void ignoreAlsaError(const char* /*file*/, int /*line*/, const char* /*function*/, int /*err*/,
                     const char* /*fmt*/, ...)
{
}

}  // namespace

void quietSoundLibraries()
{
    snd_lib_error_set_handler(ignoreAlsaError);
    setenv("ALSOFT_LOGLEVEL", "0", 0);  // read when OpenAL Soft opens its first device
}

void sayWhySilent()
{
    int card = -1;
    if (snd_card_next(&card) == 0 && card >= 0)
        (void)std::fputs("tanks: playing without sound: the sound card would not open"
                         " (is another program holding it?)\n",
                         stderr);
}
