// The game's ten letter keys go by their place on the keyboard, not by the letter printed
// there: "w a s d" were chosen for where they sit under the left hand, and on AZERTY the
// same places print "z q s d", while "a" and "q" (quit) lie elsewhere. "/" and "." go by
// the character typed, since players find them by their printed symbol.
#pragma once

constexpr int placeCount = 10;

// The game's letter at each place: the letter a US keyboard prints there. Driving first.
constexpr char placeLetters[placeCount + 1] = "wsadjlpnqr";
constexpr int drivingPlaces = 4;  // "w s a d"

// The place where a US keyboard prints this lower-case letter, or -1.
int placeOfLetter(char letter);

// What each place types on the keyboard in use now, as Unicode code points, 0 where
// nothing is known: alone, and with Shift.
struct PlaceSymbols {
    char32_t plain[placeCount];
    char32_t shifted[placeCount];
};

// A US keyboard's: what a keyboard that cannot be asked is taken to type.
PlaceSymbols usPlaceSymbols();

// The game key a typed character presses: the letter of the place that types it alone,
// "/" and "." as typed, and 0 for everything else, a letter typed with Shift or Caps Lock
// too, as the game's keys are lower case.
unsigned char gameKeyTyped(const PlaceSymbols& places, char32_t typed);

// The place whose key typed this character, alone or shifted, or -1: a key let go while
// Shift is down still lets go of what its press pressed.
int placeTyping(const PlaceSymbols& places, char32_t typed);
