#include "render/overlay.h"

#include <GL/glut.h>

#include <algorithm>
#include <cstring>

#include "render/colors.h"

namespace {

constexpr char statusLayout[] = "LIVES:       ENEMIES: ";
constexpr int livesMarksAt = 7;
constexpr int livesMarksRoom = 6;  // the spaces before "ENEMIES:"
constexpr int enemyMarksAt = 22;

// Window pixels from the left edge to both lines, and from the top and the bottom edge to
// the baselines of the status line and of "GAME OVER!".
constexpr int textLeft = 20;
constexpr int statusBelowTop = 60;
constexpr int gameOverAboveBottom = 60;

void drawText(const char* text)
{
    for (const char* c = text; *c; ++c)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, *c);
}

}  // namespace

void fillHudText(const GameState& g, char (&hudText)[hudTextLength])
{
    std::memset(hudText, 0, sizeof hudText);
    std::memcpy(hudText, statusLayout, sizeof statusLayout - 1);
    // Counts are clamped to the room in the line, which also keeps the closing zero.
    const int lives = std::min<int>(g.livesLeft, livesMarksRoom);
    for (int k = 0; k < lives; ++k)
        hudText[livesMarksAt + k] = 'x';
    const int toCome = std::min(enemySlots - g.enemiesReleased, hudTextLength - enemyMarksAt - 1);
    for (int k = 0; k < toCome; ++k)
        hudText[enemyMarksAt + k] = 'x';
}

void drawHud(const GameState& g)
{
    // Set before anything is skipped: unlit models draw in the current colour, which must not
    // depend on whether an earlier frame had a size.
    glColor4fv(black);
    if (g.windowWidth <= 0 || g.windowHeight <= 0)
        return;  // an empty window has no pixels, and its projection would be degenerate
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, g.windowWidth, 0, g.windowHeight);

    char hudText[hudTextLength];
    fillHudText(g, hudText);

    // A lit raster position takes the material's colour, not the current one; the text is
    // to be black in both lighting states, so lighting is off while it is placed.
    const GLboolean lit = glIsEnabled(GL_LIGHTING);
    glDisable(GL_LIGHTING);
    glRasterPos2i(textLeft, g.windowHeight - statusBelowTop);
    drawText(hudText);
    glRasterPos2i(textLeft, gameOverAboveBottom);
    if (g.gameOver)
        drawText("GAME OVER!");
    if (lit)
        glEnable(GL_LIGHTING);

    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
