// The five models as GL received them from their display lists, read back in feedback mode.
#include "render/models.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "tests/render_window.h"

namespace {

constexpr float tolerance = 1e-3f;

// Twice the signed area vector of a polygon (Newell's method): its direction follows the winding.
Vertex areaVector(const std::vector<Vertex>& p)
{
    Vertex n{0, 0, 0};
    for (size_t k = 0; k < p.size(); ++k) {
        const Vertex& a = p[k];
        const Vertex& b = p[(k + 1) % p.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

// Checks one block of a model: its bounds, and that its surface is the six faces of that
// block, each wound counter-clockwise seen from outside and covering the whole face.
void expectBlock(const std::vector<std::vector<Vertex>>& polygons, const Bounds& want,
                 const char* what)
{
    expectBounds(boundsOf(polygons, 0, polygons.size()), want, what);
    const float size[3] = {want.hi[0] - want.lo[0], want.hi[1] - want.lo[1],
                           want.hi[2] - want.lo[2]};
    float facing[6] = {};  // area facing +x, -x, +y, -y, +z, -z
    for (const auto& p : polygons) {
        const Vertex n = areaVector(p);
        const float c[3] = {n.x, n.y, n.z};
        for (int a = 0; a < 3; ++a)
            facing[2 * a + (c[a] < 0)] += std::fabs(c[a]) / 2;
    }
    for (int a = 0; a < 3; ++a) {
        const float faceArea = size[(a + 1) % 3] * size[(a + 2) % 3];
        EXPECT_NEAR(facing[2 * a], faceArea, 1e-3) << what << ", outward along axis " << a;
        EXPECT_NEAR(facing[2 * a + 1], faceArea, 1e-3) << what << ", inward along axis " << a;
    }
    // Outward: a face wound towards +axis lies on the block's upper side of that axis.
    for (const auto& p : polygons) {
        const Vertex n = areaVector(p);
        const float c[3] = {n.x, n.y, n.z};
        const float at[3] = {p[0].x, p[0].y, p[0].z};
        for (int a = 0; a < 3; ++a)
            if (std::fabs(c[a]) > 1e-6f) {
                EXPECT_NEAR(at[a], c[a] > 0 ? want.hi[a] : want.lo[a], tolerance) << what;
            }
    }
}

// Splits a model's polygons into its blocks, which GL receives one after the other.
void expectBlocks(int32_t list, const std::vector<Bounds>& blocks, const char* what)
{
    const Captured c = captureEyeCoordinates([list] { glCallList(GLuint(list)); });
    EXPECT_TRUE(c.lines.empty());
    ASSERT_EQ(c.polygons.size() % blocks.size(), 0u) << what;
    const size_t perBlock = c.polygons.size() / blocks.size();
    // Each quad arrives whole or as two triangles, depending on the GL.
    EXPECT_TRUE(perBlock == 6 || perBlock == 12)
        << what << ": " << perBlock << " polygons per block";
    for (size_t b = 0; b < blocks.size(); ++b) {
        const std::vector<std::vector<Vertex>> block(c.polygons.begin() + long(b * perBlock),
                                                     c.polygons.begin() + long((b + 1) * perBlock));
        expectBlock(block, blocks[b], what);
    }
}

const struct {
    const char* what;
    int32_t GameState::*list;
    std::vector<Bounds> blocks;  // in drawing order
} boxModels[] = {
    {"tank",
     &GameState::tankList,
     {{{-0.4f, -0.8f, 0.2f}, {0.4f, 0.2f, 1.0f}},
      {{-1.0f, -1.0f, 0.0f}, {-0.4f, 0.4f, 0.6f}},
      {{0.4f, -1.0f, 0.0f}, {1.0f, 0.4f, 0.6f}},
      {{-0.2f, 0.2f, 0.4f}, {0.2f, 0.8f, 0.8f}},
      {{-0.3f, 0.8f, 0.3f}, {0.3f, 1.0f, 0.9f}}}},
    {"shell", &GameState::shellList, {{{-0.2f, -0.3f, 0.4f}, {0.2f, 0.3f, 0.8f}}}},
    {"brick", &GameState::brickList, {{{-13.0f, -13.0f, 0.0f}, {-12.5f, -12.5f, 1.0f}}}},
    {"base",
     &GameState::baseList,
     {{{-1.0f, -1.0f, 0.0f}, {1.0f, 1.0f, 0.5f}},
      {{-0.75f, -0.75f, 0.5f}, {0.75f, 0.75f, 1.0f}},
      {{-0.5f, -0.5f, 0.5f}, {0.5f, 0.5f, 1.5f}}}},
};

// The blocks as plain immediate-mode quads: every corner given directly, after its face's
// normal. This is what a model's list must hold, whatever arrays it was built from.
void emitDirectly(const std::vector<Bounds>& blocks)
{
    glBegin(GL_QUADS);
    for (const Bounds& b : blocks) {
        const Box box = makeBox(b.lo[0], b.hi[0], b.lo[1], b.hi[1], b.lo[2], b.hi[2]);
        for (int p = 0; p < 24; ++p) {
            glNormal3fv(boxFaceNormals[p / 4]);
            glVertex3fv(box.corners[boxFaceIndices[p]]);
        }
    }
    glEnd();
}

// Every vertex GL received with its lit colour, seen turned so that each face's normal
// lights it differently.
template <class Draw>
std::vector<GLfloat> litVertices(Draw draw)
{
    static std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-20, 20, -20, 20, -20, 20);  // the whole field, unclipped
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRotatef(-50, 1, 0, 0);
    glRotatef(35, 0, 0, 1);
    draw();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GT(used, 0) << "feedback buffer overflowed, or nothing drawn";
    return {buffer.begin(), buffer.begin() + std::max(used, 0)};
}

}  // namespace

TEST(Models, BoxModelsAreTheirBlocksFacingOutwards)
{
    USE_TEST_WINDOW(200, 200);
    const GameState g = startState();
    for (const auto& m : boxModels)
        expectBlocks(g.*m.list, m.blocks, m.what);
}

TEST(Models, ListsHoldEachCornerWithItsFacesNormal)
{
    USE_TEST_WINDOW(200, 200);
    const GameState g = startState();
    for (const auto& m : boxModels) {
        const GLuint list = GLuint(g.*m.list);
        EXPECT_EQ(litVertices([list] { glCallList(list); }),
                  litVertices([&m] { emitDirectly(m.blocks); }))
            << m.what;
    }
}

TEST(Models, GridIsTheFieldInUnitSquares)
{
    USE_TEST_WINDOW(200, 200);
    const int32_t list = startState().gridList;
    const Captured c = captureEyeCoordinates([list] { glCallList(GLuint(list)); });
    EXPECT_TRUE(c.polygons.empty());
    ASSERT_EQ(c.lines.size(), 54u);
    std::set<std::pair<char, int>> seen;  // ('h', y) or ('v', x)
    for (size_t k = 0; k < c.lines.size(); ++k) {
        const Vertex& a = c.lines[k][0];
        const Vertex& b = c.lines[k][1];
        EXPECT_NEAR(a.z, 0, tolerance);
        EXPECT_NEAR(b.z, 0, tolerance);
        const bool horizontal = k < 27;  // all across lines come first, bottom to top
        const float along = horizontal ? a.y : a.x;
        EXPECT_NEAR(along, -13.0f + float(k % 27), tolerance) << "line " << k;
        EXPECT_NEAR(horizontal ? b.y : b.x, along, tolerance) << "line " << k;
        EXPECT_NEAR(std::fabs((horizontal ? b.x : b.y) - (horizontal ? a.x : a.y)), 26.0f,
                    tolerance);
        EXPECT_NEAR(std::min(horizontal ? a.x : a.y, horizontal ? b.x : b.y), -13.0f, tolerance);
        seen.insert({horizontal ? 'h' : 'v', int(std::lround(along))});
    }
    EXPECT_EQ(seen.size(), 54u);
}
