#include "app/focus_watch.h"

#include "app/key_places_native.h"
#include "app/keyboard.h"
#include "shell/key_places.h"

namespace {

// By place: a release lets go of what its press pressed, whatever the character says then.
bool held[drivingPlaces];

void letGo(int place)
{
    held[place] = false;
    onKeyUp(static_cast<unsigned char>(placeLetters[place]), 0, 0);
}

}  // namespace

void onWindowKeyDown(unsigned char typed, int x, int y)
{
    const unsigned char key = gameKeyOfPress(typed);
    if (key == 0)
        return;
    const int place = placeOfLetter(char(key));
    if (place >= 0 && place < drivingPlaces)
        held[place] = true;
    onKeyDown(key, x, y);
}

// A release the character no longer names (the layout changed meanwhile) is found by
// asking the keyboard which driving keys are still down.
void onWindowKeyUp(unsigned char typed, int /*x*/, int /*y*/)
{
    const int place = placeOfRelease(typed);
    if (place < 0)
        letGoOfKeysUpElsewhere();
    else if (place < drivingPlaces)
        letGo(place);
}

void letGoOfKeysUpElsewhere()
{
    bool any = false;
    for (bool h : held)
        any = any || h;
    if (!any)
        return;
    const unsigned down = drivingPlacesDown();
    for (int p = 0; p < drivingPlaces; ++p)
        if (held[p] && !(down >> p & 1))
            letGo(p);
}
