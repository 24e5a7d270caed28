// The letter keys by their place: what each layout types at the ten places, turned back
// into the game's keys.
#include <gtest/gtest.h>

#include "shell/key_places.h"

namespace {

// What a layout types at the places "w s a d j l p n q r" of a US keyboard, alone and shifted.
PlaceSymbols layout(const char (&plain)[placeCount + 1], const char (&shifted)[placeCount + 1])
{
    PlaceSymbols l = {};
    for (int p = 0; p < placeCount; ++p) {
        l.plain[p] = char32_t(plain[p]);
        l.shifted[p] = char32_t(shifted[p]);
    }
    return l;
}

struct Typed {
    const char* layout;
    PlaceSymbols places;
    char typed;
    char key;  // 0: none
};

const PlaceSymbols us = usPlaceSymbols();
const PlaceSymbols azerty = layout("zsqdjlpnar", "ZSQDJLPNAR");
const PlaceSymbols qwertz = layout("wsadjlpnqr", "WSADJLPNQR");
const PlaceSymbols dvorak = layout(",oaehnlb'p", "<OAEHNLB\"P");

const Typed table[] = {
    {"US", us, 'w', 'w'},         {"US", us, 'q', 'q'},          {"US", us, 'W', 0},
    {"US", us, 'z', 0},           {"US", us, '/', '/'},          {"US", us, '.', '.'},
    {"AZERTY", azerty, 'z', 'w'}, {"AZERTY", azerty, 'q', 'a'},  {"AZERTY", azerty, 'a', 'q'},
    {"AZERTY", azerty, 'w', 0},   {"AZERTY", azerty, 'Q', 0},    {"AZERTY", azerty, '.', '.'},
    {"QWERTZ", qwertz, 'w', 'w'}, {"QWERTZ", qwertz, 'z', 0},    {"QWERTZ", qwertz, 'y', 0},
    {"Dvorak", dvorak, ',', 'w'}, {"Dvorak", dvorak, 'o', 's'},  {"Dvorak", dvorak, 'e', 'd'},
    {"Dvorak", dvorak, 'h', 'j'}, {"Dvorak", dvorak, '\'', 'q'}, {"Dvorak", dvorak, 'w', 0},
    {"Dvorak", dvorak, 'O', 0},   {"Dvorak", dvorak, 'q', 0},
};

TEST(KeyPlaces, ATypedCharacterPressesTheKeyOfItsPlaceAndShiftNone)
{
    for (const Typed& t : table)
        EXPECT_EQ(gameKeyTyped(t.places, char32_t(t.typed)), t.key)
            << t.layout << " typing '" << t.typed << "'";
}

// The release of a key pressed alone may come shifted: it still finds its place.
TEST(KeyPlaces, AReleaseFindsItsPlaceShiftedOrNot)
{
    EXPECT_EQ(placeTyping(azerty, 'z'), placeOfLetter('w'));
    EXPECT_EQ(placeTyping(azerty, 'Z'), placeOfLetter('w'));
    EXPECT_EQ(placeTyping(dvorak, '<'), placeOfLetter('w'));
    EXPECT_EQ(placeTyping(azerty, 'w'), -1);
}

}  // namespace
