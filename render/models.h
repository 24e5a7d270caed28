// The five models of the game, emitted as GL commands into the display list being compiled.
#pragma once

#include <cstdint>

// An axis-aligned block: corners 0-3 on the top face, 4-7 below them, each face
// walked xmin,ymin -> xmax,ymin -> xmax,ymax -> xmin,ymax.
struct Box {
    float corners[8][3];  // x, y, z in world units, 24 floats with no gaps
};

// Four corner numbers per face, counter-clockwise seen from outside: top, bottom, +y, -y, +x, -x.
extern const uint8_t boxFaceIndices[24];
extern const float boxFaceNormals[6][3];  // outward unit normal of each face

Box makeBox(float xmin, float xmax, float ymin, float ymax, float zmin, float zmax);

// Tanks and the shell face +y, centred on the origin; the brick sits on cell (0, 0).
void buildGridModel();
void buildTankModel();
void buildShellModel();
void buildBrickModel();
void buildBaseModel();
