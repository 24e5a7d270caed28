#include "shell/key_places.h"

namespace {

int placeIn(const char32_t (&symbols)[placeCount], char32_t typed)
{
    for (int p = 0; p < placeCount; ++p)
        if (typed != 0 && symbols[p] == typed)
            return p;
    return -1;
}

}  // namespace

int placeOfLetter(char letter)
{
    for (int p = 0; p < placeCount; ++p)
        if (placeLetters[p] == letter)
            return p;
    return -1;
}

PlaceSymbols usPlaceSymbols()
{
    PlaceSymbols us = {};
    for (int p = 0; p < placeCount; ++p) {
        us.plain[p] = char32_t(placeLetters[p]);
        us.shifted[p] = char32_t(placeLetters[p] - 'a' + 'A');
    }
    return us;
}

unsigned char gameKeyTyped(const PlaceSymbols& places, char32_t typed)
{
    if (typed == '/' || typed == '.')
        return static_cast<unsigned char>(typed);
    const int place = placeIn(places.plain, typed);
    return place < 0 ? 0 : static_cast<unsigned char>(placeLetters[place]);
}

int placeTyping(const PlaceSymbols& places, char32_t typed)
{
    const int place = placeIn(places.plain, typed);
    return place >= 0 ? place : placeIn(places.shifted, typed);
}
