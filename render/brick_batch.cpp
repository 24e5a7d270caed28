#include "render/brick_batch.h"

#include <cstring>

#include "render/models.h"
#include "render/view_transform.h"

namespace {

constexpr int maxBottomVertices = brickCellCount * vertsPerFace;
constexpr int maxSideVertices = brickCellCount * 4 * vertsPerFace;
// The sides start where the room for every bottom ends; the bottoms grow down from there.
constexpr int sidesStart = maxBottomVertices;
// The tops are gathered past the room for every side, then moved to follow the sides.
constexpr int topsStaging = sidesStart + maxSideVertices;

// Slack for the float rounding of the eye's position: near a plane both runs are kept.
constexpr double planeMargin = 1e-3;

void emitFace(const Box& box, BoxFace face, BrickBatch& batch, int at)
{
    for (int c = 0; c < vertsPerFace; ++c) {
        std::memcpy(batch.vertices[at + c], box.corners[boxFaceIndices[face * vertsPerFace + c]],
                    sizeof batch.vertices[0]);
        std::memcpy(batch.normals[at + c], boxFaceNormals[face], sizeof batch.normals[0]);
    }
}

// The brick model at cell (i, j), moved as the plain pass translates it. Every sum is a
// multiple of half a unit within the field, exact in a float.
Box brickAtCell(int i, int j)
{
    Box box = brickCellBox();
    for (float* corner : box.corners) {
        corner[0] += brickCellOffset(i);
        corner[1] += brickCellOffset(j);
    }
    return box;
}

}  // namespace

void buildBrickBatch(const BrickGrid& bricks, BrickBatch& batch)
{
    int bottom = sidesStart;
    int side = sidesStart;
    int top = topsStaging;
    for (int i = 0; i < gridCells; ++i)
        for (int j = 0; j < gridCells; ++j) {
            if (!bricks.cells[i][j])
                continue;
            const Box box = brickAtCell(i, j);
            bottom -= vertsPerFace;
            emitFace(box, faceBottom, batch, bottom);
            const struct {
                BoxFace face;
                int di, dj;
            } sides[] = {
                {facePlusY, 0, 1}, {faceMinusY, 0, -1}, {facePlusX, 1, 0}, {faceMinusX, -1, 0}};
            for (const auto& s : sides)
                if (!brickAt(bricks, i + s.di, j + s.dj)) {
                    emitFace(box, s.face, batch, side);
                    side += vertsPerFace;
                }
            emitFace(box, faceTop, batch, top);
            top += vertsPerFace;
        }
    const int topCount = top - topsStaging;
    std::memmove(batch.vertices[side], batch.vertices[topsStaging],
                 sizeof batch.vertices[0] * size_t(topCount));
    std::memmove(batch.normals[side], batch.normals[topsStaging],
                 sizeof batch.normals[0] * size_t(topCount));
    batch.firstBottom = bottom;
    batch.firstSide = sidesStart;
    batch.firstTop = side;
    batch.end = side + topCount;
    batch.builtFrom = bricks;
    batch.built = true;
}

// GL leaves it to the driver how a quad splits into triangles, and the split decides how
// the corners' colours blend across the face. This is the split Mesa gives the quads of a
// display list, so the batch shades each face exactly as the brick's own list does.
const uint16_t* brickFaceIndices()
{
    constexpr int count = brickBatchVertices / vertsPerFace * indicesPerFace;
    static uint16_t indices[count];
    static const bool filled = [] {
        constexpr uint16_t corners[indicesPerFace] = {0, 1, 3, 1, 2, 3};
        for (int k = 0; k < count; ++k)
            indices[k] = uint16_t(k / indicesPerFace * vertsPerFace + corners[k % indicesPerFace]);
        return true;
    }();
    (void)filled;
    return indices;
}

bool refreshBrickBatch(const BrickGrid& bricks, BrickBatch& batch)
{
    if (batch.built && std::memcmp(&batch.builtFrom, &bricks, sizeof bricks) == 0)
        return false;
    buildBrickBatch(bricks, batch);
    return true;
}

double eyeHeight(float cameraPitch, float cameraYaw)
{
    double eye[3];
    eyePosition(worldTransform(cameraPitch, cameraYaw), eye);
    return eye[2];
}

// A closed wall's faces that look away from the eye always lie behind its other faces,
// so leaving them out changes no pixel.
VertexRange visibleBrickFaces(const BrickBatch& batch, double eyeZ)
{
    const int first = eyeZ > planeMargin ? batch.firstSide : batch.firstBottom;
    const int end = eyeZ < brickHeight - planeMargin ? batch.firstTop : batch.end;
    return {first, end - first};
}
