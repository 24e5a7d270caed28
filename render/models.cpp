#include "render/models.h"

#include <GL/gl.h>

#include <iterator>

#include "game/game_state.h"

const uint8_t boxFaceIndices[24] = {
    0, 1, 2, 3,  // top
    4, 7, 6, 5,  // bottom
    3, 2, 6, 7,  // +y side
    4, 5, 1, 0,  // -y side
    5, 6, 2, 1,  // +x side
    0, 3, 7, 4,  // -x side
};

const float boxFaceNormals[6][3] = {
    {0, 0, 1}, {0, 0, -1}, {0, 1, 0}, {0, -1, 0}, {1, 0, 0}, {-1, 0, 0},
};

namespace {

static_assert(sizeof(Box) == 24 * sizeof(float), "a run of boxes is one corner array");

// One GL_QUADS primitive for the whole model, each vertex preceded by its face's normal.
// The boxes lie one after the other with no gaps, so they are one array of corners, box b's
// from element 8b, pointed at once before the primitive as GL requires. The list being
// compiled copies every element as it is emitted; the array is left enabled, so the models'
// boxes are static and it never points at memory that has gone. (Switching the array off
// while the list is still open changes how Mesa lights the list's faces.)
void emitBoxes(const Box* boxes, int count)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, boxes);
    glBegin(GL_QUADS);
    for (int b = 0; b < count; ++b)
        for (int p = 0; p < 24; ++p) {
            glNormal3fv(boxFaceNormals[p / 4]);
            glArrayElement(8 * b + boxFaceIndices[p]);
        }
    glEnd();
}

}  // namespace

Box makeBox(float xmin, float xmax, float ymin, float ymax, float zmin, float zmax)
{
    return Box{{
        {xmin, ymin, zmax},
        {xmax, ymin, zmax},
        {xmax, ymax, zmax},
        {xmin, ymax, zmax},
        {xmin, ymin, zmin},
        {xmax, ymin, zmin},
        {xmax, ymax, zmin},
        {xmin, ymax, zmin},
    }};
}

// Lines one unit apart on z = 0, so every grid square holds 2 by 2 brick cells.
void buildGridModel()
{
    glBegin(GL_LINES);
    for (int k = -fieldHalfWidth; k <= fieldHalfWidth; ++k) {
        glVertex3f(-fieldHalfWidth, float(k), 0);
        glVertex3f(fieldHalfWidth, float(k), 0);
    }
    for (int k = -fieldHalfWidth; k <= fieldHalfWidth; ++k) {
        glVertex3f(float(k), -fieldHalfWidth, 0);
        glVertex3f(float(k), fieldHalfWidth, 0);
    }
    glEnd();
}

void buildTankModel()
{
    static const Box boxes[] = {
        makeBox(-0.4f, 0.4f, -0.8f, 0.2f, 0.2f, 1.0f),   // central block
        makeBox(-1.0f, -0.4f, -1.0f, 0.4f, 0.0f, 0.6f),  // left track
        makeBox(0.4f, 1.0f, -1.0f, 0.4f, 0.0f, 0.6f),    // right track
        makeBox(-0.2f, 0.2f, 0.2f, 0.8f, 0.4f, 0.8f),    // barrel
        makeBox(-0.3f, 0.3f, 0.8f, 1.0f, 0.3f, 0.9f),    // muzzle block
    };
    emitBoxes(boxes, int(std::size(boxes)));
}

// Longer along its flight, at barrel height.
void buildShellModel()
{
    static const Box shell = makeBox(-0.2f, 0.2f, -0.3f, 0.3f, 0.4f, 0.8f);
    emitBoxes(&shell, 1);
}

Box brickCellBox()
{
    constexpr float low = -fieldHalfWidth;
    constexpr float high = float(-fieldHalfWidth + cellSize);
    return makeBox(low, high, low, high, 0.0f, brickHeight);
}

// Exactly brick cell (0, 0); other cells are drawn translated.
void buildBrickModel()
{
    static const Box brick = brickCellBox();
    emitBoxes(&brick, 1);
}

// A stepped block; the top box rises 0.5 above the middle one it overlaps.
void buildBaseModel()
{
    static const Box boxes[] = {
        makeBox(-1.0f, 1.0f, -1.0f, 1.0f, 0.0f, 0.5f),
        makeBox(-0.75f, 0.75f, -0.75f, 0.75f, 0.5f, 1.0f),
        makeBox(-0.5f, 0.5f, -0.5f, 0.5f, 0.5f, 1.5f),
    };
    emitBoxes(boxes, int(std::size(boxes)));
}
