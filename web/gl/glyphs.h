// A GLUT bitmap font as freeglut stores it, for the printable ASCII characters.
#pragma once

#include <cstdint>

constexpr int glyphCount = 95;  // ' ' to '~'
constexpr int glyphRows = 23;
constexpr int maxGlyphBytes = 1 + glyphRows * 3;  // the width, then rows of up to 24 pixels

struct GlyphFont {
    int height;  // pixel rows of every glyph, glyphRows
    int xorig;   // the glyph's origin, in pixels from its lower-left corner
    int yorig;
    int first;  // the character of glyphs[0]
    int last;
    // Per glyph: its width, which is also its advance, then its rows from the bottom, each
    // (width + 7) / 8 bytes, leftmost pixel in the top bit.
    uint8_t glyphs[glyphCount][maxGlyphBytes];
};

extern const GlyphFont helvetica18;
