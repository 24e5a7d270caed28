// The bricks' visible faces as one vertex array, so that a frame draws the whole level
// with one call instead of a display list per brick. No GL here: the batch is plain data.
#pragma once

#include "game/game_state.h"

constexpr int brickCellCount = gridCells * gridCells;

// How far the brick model moves to stand on cell i along either axis: a multiple of half a
// unit within the field, exact in a float.
inline float brickCellOffset(int i)
{
    return float(cellSize * i);
}

constexpr int vertsPerFace = 4;
// Room for every face of every cell: more than any grid can show, so no grid overflows it.
constexpr int brickBatchVertices = brickCellCount * 6 * vertsPerFace;

// The faces lie in three runs, bottoms, then sides, then tops, so that whichever of the
// bottoms and tops the eye can see, the faces to draw are one unbroken range.
struct BrickBatch {
    BrickGrid builtFrom;  // the bricks the arrays hold
    bool built;
    int firstBottom;                        // vertex where the bottoms begin
    int firstSide;                          // where the bottoms end and the sides begin
    int firstTop;                           // where the sides end and the tops begin
    int end;                                // one past the last top
    float vertices[brickBatchVertices][3];  // world units
    float normals[brickBatchVertices][3];   // each vertex carries its face's normal
};

// Each face is two triangles, drawn by index so its four corners are lit once.
constexpr int indicesPerFace = 6;
static_assert(brickBatchVertices <= 65536, "vertex numbers must fit 16-bit indices");

// The triangles of every face the batch can hold, face k's from vertex 4k.
const uint16_t* brickFaceIndices();

struct VertexRange {
    int first;
    int count;
};

// One walk over the cells: every face of every brick that does not touch a neighbouring
// brick, with the corners and normal the brick's own model has at that cell.
void buildBrickBatch(const BrickGrid& bricks, BrickBatch& batch);

// Rebuilds the batch when the bricks differ from the ones it holds; true if it did.
bool refreshBrickBatch(const BrickGrid& bricks, BrickBatch& batch);

// The height of the eye above the floor for the camera's two angles, in world units.
double eyeHeight(float cameraPitch, float cameraYaw);

// The faces that can face an eye at this height: no bottoms from above the floor, no
// tops from below the bricks' tops; the sides always.
VertexRange visibleBrickFaces(const BrickBatch& batch, double eyeZ);
