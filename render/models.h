// The five models of the game, emitted as GL commands into the display list being compiled.
#pragma once

#include <cstdint>

// An axis-aligned block: corners 0-3 on the top face, 4-7 below them, each face
// walked xmin,ymin -> xmax,ymin -> xmax,ymax -> xmin,ymax.
struct Box {
    float corners[8][3];  // x, y, z in world units, 24 floats with no gaps
};

// The faces of a box in the order of the tables below.
enum BoxFace { faceTop, faceBottom, facePlusY, faceMinusY, facePlusX, faceMinusX };

// Four corner numbers per face, counter-clockwise seen from outside, in BoxFace order.
extern const uint8_t boxFaceIndices[24];
extern const float boxFaceNormals[6][3];  // outward unit normal of each face

Box makeBox(float xmin, float xmax, float ymin, float ymax, float zmin, float zmax);

// The block of brick cell (0, 0); other cells are the same block moved.
constexpr float brickHeight = 1.0f;
Box brickCellBox();

// Tanks and the shell face +y, centred on the origin; the brick sits on cell (0, 0).
void buildGridModel();
void buildTankModel();
void buildShellModel();
void buildBrickModel();
void buildBaseModel();
