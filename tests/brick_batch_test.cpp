// The brick batch on small hand-made grids: exactly the faces that can show, with the
// corners and normals of each brick's own model, rebuilt when the bricks change.
#include "render/brick_batch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "render/models.h"

namespace {

// A face of the batch, named for where it looks: "top", "bottom", "+x", "-x", "+y", "-y".
std::string faceName(const float* normal)
{
    if (normal[2] != 0)
        return normal[2] > 0 ? "top" : "bottom";
    if (normal[0] != 0)
        return normal[0] > 0 ? "+x" : "-x";
    return normal[1] > 0 ? "+y" : "-y";
}

// The brick cell a face belongs to: the centre of the face, a quarter unit in from a side.
void cellOfFace(const BrickBatch& b, int first, int& i, int& j)
{
    float cx = 0, cy = 0;
    for (int c = 0; c < vertsPerFace; ++c) {
        cx += b.vertices[first + c][0] / vertsPerFace;
        cy += b.vertices[first + c][1] / vertsPerFace;
    }
    cx -= 0.25f * b.normals[first][0];
    cy -= 0.25f * b.normals[first][1];
    i = int((cx + 13.0f) * 2.0f);
    j = int((cy + 13.0f) * 2.0f);
}

// Every face of the batch as "i,j:name", in the batch's order, within [first, end).
std::string facesIn(const BrickBatch& b, int first, int end)
{
    std::string out;
    for (int v = first; v < end; v += vertsPerFace) {
        int i, j;
        cellOfFace(b, v, i, j);
        out += std::to_string(i) + "," + std::to_string(j) + ":" + faceName(b.normals[v]) + " ";
    }
    return out;
}

// Arrays this size belong in static storage, as in the game; the tests take one each.
std::unique_ptr<BrickBatch> batchOf(const BrickGrid& grid)
{
    auto b = std::make_unique<BrickBatch>();
    buildBrickBatch(grid, *b);
    return b;
}

TEST(BrickBatch, LoneBrickShowsAllSixFacesAsItsModelDoes)
{
    BrickGrid grid{};
    grid.cells[7][3] = 1;
    const auto b = batchOf(grid);
    EXPECT_EQ(facesIn(*b, b->firstBottom, b->firstSide), "7,3:bottom ");
    EXPECT_EQ(facesIn(*b, b->firstSide, b->firstTop), "7,3:+y 7,3:-y 7,3:+x 7,3:-x ");
    EXPECT_EQ(facesIn(*b, b->firstTop, b->end), "7,3:top ");

    // The brick model's box moved by (0.5 i, 0.5 j): the same corners, face by face.
    const Box model =
        makeBox(-13.0f + 3.5f, -12.5f + 3.5f, -13.0f + 1.5f, -12.5f + 1.5f, 0.0f, 1.0f);
    const int faceAt[6] = {b->firstTop,      b->firstBottom,   b->firstSide,
                           b->firstSide + 4, b->firstSide + 8, b->firstSide + 12};
    for (int face = 0; face < 6; ++face)
        for (int c = 0; c < vertsPerFace; ++c) {
            const float* want = model.corners[boxFaceIndices[face * 4 + c]];
            EXPECT_EQ(std::memcmp(b->vertices[faceAt[face] + c], want, sizeof(float[3])), 0)
                << "face " << face << ", corner " << c;
            EXPECT_EQ(
                std::memcmp(b->normals[faceAt[face] + c], boxFaceNormals[face], sizeof(float[3])),
                0)
                << "face " << face << ", corner " << c;
        }
}

TEST(BrickBatch, TouchingBricksHideTheFacesBetweenThem)
{
    BrickGrid row{};
    row.cells[10][10] = row.cells[11][10] = 1;
    auto b = batchOf(row);
    EXPECT_EQ(facesIn(*b, b->firstSide, b->firstTop),
              "10,10:+y 10,10:-y 10,10:-x 11,10:+y 11,10:-y 11,10:+x ");
    EXPECT_EQ(facesIn(*b, b->firstTop, b->end), "10,10:top 11,10:top ");
    EXPECT_EQ(b->firstSide - b->firstBottom, 2 * vertsPerFace);

    BrickGrid block{};
    block.cells[20][30] = block.cells[20][31] = block.cells[21][30] = block.cells[21][31] = 1;
    b = batchOf(block);
    EXPECT_EQ(facesIn(*b, b->firstSide, b->firstTop),
              "20,30:-y 20,30:-x 20,31:+y 20,31:-x 21,30:-y 21,30:+x 21,31:+y 21,31:+x ");
    EXPECT_EQ(b->end - b->firstTop, 4 * vertsPerFace);
    EXPECT_EQ(b->firstSide - b->firstBottom, 4 * vertsPerFace);
}

// Beyond the grid's edge there is no brick to hide a face.
TEST(BrickBatch, BricksAtTheGridsEdgesKeepTheirOuterFaces)
{
    BrickGrid grid{};
    grid.cells[0][0] = grid.cells[51][51] = grid.cells[0][51] = 1;
    const auto b = batchOf(grid);
    EXPECT_EQ(facesIn(*b, b->firstSide, b->firstTop),
              "0,0:+y 0,0:-y 0,0:+x 0,0:-x 0,51:+y 0,51:-y 0,51:+x 0,51:-x 51,51:+y 51,51:-y "
              "51,51:+x 51,51:-x ");

    BrickGrid full;
    std::memset(full.cells, 1, sizeof full.cells);
    const auto all = batchOf(full);
    EXPECT_EQ(all->firstTop - all->firstSide, 4 * gridCells * vertsPerFace)
        << "only the outer walls";
    EXPECT_EQ(all->end - all->firstTop, brickCellCount * vertsPerFace);
    EXPECT_EQ(all->firstSide - all->firstBottom, brickCellCount * vertsPerFace);
}

// No brick touching another: the most faces any grid can show, which must still fit.
TEST(BrickBatch, CheckerboardFitsAndEmptyGridDrawsNothing)
{
    BrickGrid checker{};
    for (int i = 0; i < gridCells; ++i)
        for (int j = 0; j < gridCells; ++j)
            checker.cells[i][j] = uint8_t((i + j) % 2);
    const auto b = batchOf(checker);
    EXPECT_EQ(b->end - b->firstBottom, brickCellCount / 2 * 6 * vertsPerFace);
    EXPECT_GE(b->firstBottom, 0);
    EXPECT_LE(b->end, brickBatchVertices);

    const auto empty = batchOf(BrickGrid{});
    for (double eyeZ : {-40.0, 0.5, 40.0})
        EXPECT_EQ(visibleBrickFaces(*empty, eyeZ).count, 0);
}

TEST(BrickBatch, StrikeRebuildsAndNothingElseDoes)
{
    BrickGrid grid{};
    grid.cells[5][5] = grid.cells[5][6] = 1;
    auto b = std::make_unique<BrickBatch>();
    EXPECT_TRUE(refreshBrickBatch(grid, *b)) << "a new batch is built";
    EXPECT_FALSE(refreshBrickBatch(grid, *b));
    EXPECT_EQ(b->firstTop - b->firstSide, 6 * vertsPerFace);

    clearBrick(grid, 5, 6);
    EXPECT_TRUE(refreshBrickBatch(grid, *b));
    EXPECT_EQ(facesIn(*b, b->firstSide, b->firstTop), "5,5:+y 5,5:-y 5,5:+x 5,5:-x ")
        << "the face it hid shows";
    EXPECT_FALSE(refreshBrickBatch(grid, *b));
}

// From above, the bottoms face away; from below, the tops; from within the bricks' height,
// both. Near either plane both runs stay, as rounding could put the eye on either side.
TEST(BrickBatch, EyeHeightPicksTheRuns)
{
    BrickGrid grid{};
    grid.cells[1][1] = 1;
    const auto b = batchOf(grid);
    const int bottoms = b->firstBottom, sides = b->firstSide, tops = b->firstTop;

    EXPECT_DOUBLE_EQ(eyeHeight(0, 0), 40.0);
    EXPECT_NEAR(eyeHeight(180, 0), -40.0, 1e-9);
    EXPECT_NEAR(eyeHeight(60, 0), 20.0, 1e-9);
    EXPECT_NEAR(eyeHeight(0, -60), 20.0, 1e-9);
    EXPECT_NEAR(eyeHeight(90, 37), 0.0, 1e-9);

    auto range = [&](double eyeZ) {
        const VertexRange r = visibleBrickFaces(*b, eyeZ);
        return std::to_string(r.first) + "+" + std::to_string(r.count);
    };
    auto span = [](int first, int end) {
        return std::to_string(first) + "+" + std::to_string(end - first);
    };
    EXPECT_EQ(range(40), span(sides, b->end));
    EXPECT_EQ(range(1.01), span(sides, b->end));
    EXPECT_EQ(range(0.5), span(sides, tops));
    EXPECT_EQ(range(-0.5), span(bottoms, tops));
    EXPECT_EQ(range(-40), span(bottoms, tops));
    EXPECT_EQ(range(0), span(bottoms, tops));
    EXPECT_EQ(range(1), span(sides, b->end));
}

}  // namespace
