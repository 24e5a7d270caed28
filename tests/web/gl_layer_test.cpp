// The GL layer of the browser build, over a WebGL that records instead of drawing: what
// render/ asks of OpenGL 1.1 must reach WebGL as OpenGL would have drawn it, and anything
// the layer does not do must be refused, never drawn otherwise. Each test starts on a fresh
// layer over a fresh context.
#include <GL/glut.h>
#include <emscripten/emscripten.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "render/models.h"
#include "render/scene.h"
#include "tests/web/fake_webgl.h"
#include "web/gl/glyphs.h"
#include "web/gl/refuse.h"
#include "web/gl/web_gl.h"

namespace {

using Point = std::array<float, 3>;

// What the layer refused first since the last fresh start; empty if nothing.
std::string refusal;

void noteRefusal(const char* message)
{
    if (refusal.empty())
        refusal = message;
}

void setPageAttributes(const char* attributes)
{
    EM_ASM({ Module.webGlAttributes = JSON.parse(UTF8ToString($0)); }, attributes);
}

// As web/index.html defines them.
constexpr const char* pageAttributes =
    R"({"alpha": false, "antialias": false, "depth": true, "stencil": false,
        "majorVersion": 1, "enableExtensionsByDefault": false})";

WebGlStart freshLayer()
{
    fakeWebGl = FakeWebGl{};
    loseFakeContext();
    resetGlLayer();
    setRefusalHandler(noteRefusal);
    refusal.clear();
    setPageAttributes(pageAttributes);
    return startWebGl("#canvas");
}

struct GlLayer : testing::Test {
    void SetUp() override { ASSERT_EQ(freshLayer(), WebGlStart::started); }

    void TearDown() override { EXPECT_EQ(refusal, "") << "what render/ calls is refused"; }

    // The positions of the last draw, as points.
    static std::vector<Point> drawnPoints()
    {
        const std::vector<float>& p = fakeWebGl.draws.back().positions;
        std::vector<Point> points;
        for (size_t k = 0; k + 2 < p.size(); k += 3)
            points.push_back(Point{p[k], p[k + 1], p[k + 2]});
        return points;
    }

    static const std::vector<float>& uniform(const char* name)
    {
        return fakeWebGl.draws.back().uniforms.at(name);
    }
};

constexpr float up[3] = {0, 0, 1};
const Point a = {0, 0, 0}, b = {1, 0, 0}, c = {1, 1, 0}, d = {0, 1, 0};

GLuint listOf(GLenum primitive, std::initializer_list<Point> points)
{
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glBegin(primitive);
    glNormal3fv(up);
    for (const Point& p : points)
        glVertex3f(p[0], p[1], p[2]);
    glEnd();
    glEndList();
    return list;
}

GLuint listOfOneQuad()
{
    return listOf(GL_QUADS, {a, b, c, d});
}

// Mesa's split decides how a face's corner colours blend; outlines show the polygons'
// edges. A primitive left unfinished at glEnd is dropped, as OpenGL drops it.
TEST_F(GlLayer, PolygonsFilledAsMesaSplitsThemAndOutlinedAsTheirEdges)
{
    const struct {
        GLenum primitive;
        std::vector<Point> filled, outlined;
    } rows[] = {
        {GL_QUADS, {a, b, d, b, c, d}, {a, b, b, c, c, d, d, a}},
        {GL_TRIANGLES, {a, b, c}, {a, b, b, c, c, a}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.primitive);
        const GLuint list = listOf(row.primitive, {a, b, c, d, a});
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glCallList(list);
        EXPECT_EQ(fakeWebGl.draws.back().mode, unsigned(GL_TRIANGLES));
        EXPECT_EQ(drawnPoints(), row.filled);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glCallList(list);
        EXPECT_EQ(fakeWebGl.draws.back().mode, unsigned(GL_LINES));
        EXPECT_EQ(drawnPoints(), row.outlined);
    }
}

// The models point one array at all their boxes before glBegin; box k's corners start at
// element 8k.
TEST_F(GlLayer, ArrayElementsReadTheArrayPointedBeforeBegin)
{
    const Box boxes[2] = {makeBox(0, 1, 0, 1, 0, 1), makeBox(5, 6, 7, 8, 9, 10)};
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, boxes);
    glBegin(GL_QUADS);
    glNormal3fv(up);
    for (int corner = 0; corner < 4; ++corner)
        glArrayElement(8 + corner);
    glEnd();
    glEndList();
    glCallList(list);
    const auto corner = [&](int k) {
        return Point{boxes[1].corners[k][0], boxes[1].corners[k][1], boxes[1].corners[k][2]};
    };
    EXPECT_EQ(drawnPoints(), (std::vector<Point>{corner(0), corner(1), corner(3), corner(1),
                                                 corner(2), corner(3)}));

    const GLuint tank = glGenLists(1);
    glNewList(tank, GL_COMPILE);
    buildTankModel();
    glEndList();
    glCallList(tank);
    EXPECT_EQ(fakeWebGl.draws.back().count, 5 * 6 * 6);  // five boxes of six faces
}

// The floor grid has no normals of its own: it is lit with the current normal, which
// the last list drawn leaves behind, as OpenGL does.
TEST_F(GlLayer, ListsWithoutNormalsTakeTheOneTheLastListLeft)
{
    const GLuint grid = glGenLists(1);
    glNewList(grid, GL_COMPILE);
    glBegin(GL_LINES);
    glVertex3f(0, 0, 0);
    glVertex3f(1, 0, 0);
    glEnd();
    glEndList();
    const float side[3] = {-1, 0, 0};
    glNormal3fv(side);
    glCallList(grid);
    EXPECT_TRUE(fakeWebGl.draws.back().constantNormal);
    EXPECT_EQ(fakeWebGl.draws.back().normal[0], -1);
    glCallList(listOfOneQuad());
    EXPECT_FALSE(fakeWebGl.draws.back().constantNormal);
    glCallList(grid);
    EXPECT_EQ(fakeWebGl.draws.back().normal[2], 1);
}

TEST_F(GlLayer, MatricesAsOpenGLBuildsThem)
{
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -1, 1, 2.5, 75);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(0, 0, -40);
    glRotatef(90, 1, 0, 0);
    glCallList(listOfOneQuad());
    glPopMatrix();
    const std::vector<float>& p = uniform("projection");
    EXPECT_FLOAT_EQ(p[0], 2.5f);
    EXPECT_FLOAT_EQ(p[10], float(-77.5 / 72.5));
    EXPECT_FLOAT_EQ(p[11], -1);
    EXPECT_FLOAT_EQ(p[14], float(-375.0 / 72.5));
    // A quarter turn about x takes +y to +z, then the eye is 40 units away.
    const std::vector<float>& m = uniform("modelview");
    const float y[4] = {0, 1, 0, 1};
    for (int row = 0; row < 3; ++row) {
        float sum = 0;
        for (int k = 0; k < 4; ++k)
            sum += m[size_t(k * 4 + row)] * y[k];
        EXPECT_NEAR(sum, (Point{0, 0, -39})[size_t(row)], 1e-6) << "row " << row;
    }
    glCallList(listOfOneQuad());
    EXPECT_EQ(uniform("modelview")[14], 0) << "the pop restores the identity";
}

// Positions go through the modelview as it stands when they are set; every term of the
// sum is the light's colour times the material's.
TEST_F(GlLayer, LightsTakeTheModelviewOfTheirMomentAndMultiplyTheMaterial)
{
    const float position[4] = {-20, 0, 5, 1};
    const float diffuse[4] = {1, 0.5f, 0.25f, 1};
    const float material[4] = {0.3f, 0.15f, 0.05f, 0.5f};
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
    glPushMatrix();
    glTranslatef(0, 0, -40);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glPopMatrix();
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material);
    glCallList(listOfOneQuad());
    EXPECT_EQ(uniform("lightPosition"), (std::vector<float>{-20, 0, -35, 1, 0, 0, 1, 0}));
    EXPECT_EQ(uniform("diffuseProduct"),
              (std::vector<float>{0.3f, 0.075f, 0.0125f, 0, 0, 0}));  // light 1 is off
    EXPECT_FLOAT_EQ(uniform("alpha")[0], 0.5f);
    EXPECT_FLOAT_EQ(uniform("sceneColor")[0], 0.2f * 0.2f);  // default ambients
}

// Each glyph sits on whole pixels from its origin below the baseline and moves the
// raster position on by its width.
TEST_F(GlLayer, TextFromTheRasterPositionAdvancingByEachWidth)
{
    glViewport(0, 0, 800, 800);
    glMatrixMode(GL_PROJECTION);
    gluOrtho2D(0, 800, 0, 800);
    glMatrixMode(GL_MODELVIEW);
    glRasterPos2i(20, 740);
    glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, 'L');
    EXPECT_EQ(uniform("origin"), (std::vector<float>{20, 740 - 5}));
    glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, 'I');
    const float width = helvetica18.glyphs['L' - helvetica18.first][0];
    EXPECT_EQ(uniform("origin"), (std::vector<float>{20 + width, 735}));
    const size_t drawn = fakeWebGl.draws.size();
    glRasterPos2i(20, 900);  // above the window: no valid position, no text
    glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, 'L');
    EXPECT_EQ(fakeWebGl.draws.size(), drawn);
}

// The overlay as render/ draws it, in window pixels: its viewport, its projection and the
// status line's first letter.
void drawStatusLetter(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, width, 0, height);
    glMatrixMode(GL_MODELVIEW);
    glRasterPos2i(20, height - 60);
    glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, 'L');
}

// render/ measures in window pixels while the drawing buffer has scale times as many; the
// glyphs grow by the nearest whole factor (the shader's zoom), so their pixels stay square.
TEST_F(GlLayer, TextAndViewportAtTheDrawingBuffersResolution)
{
    const float width = helvetica18.glyphs['L' - helvetica18.first][0];
    const struct {
        float scale;
        std::array<int, 4> viewport;  // for a window of 800 by 600
        float left, bottom;           // the raster position less the glyph origin (0, 5) zoomed
        float zoom;
    } rows[] = {
        {2, {0, 0, 1600, 1200}, 40, 1080 - 5 * 2, 2},
        {1.4f, {0, 0, 1120, 840}, 28, 756 - 5, 1},
        {2.625f, {0, 0, 2100, 1575}, 52, 1402, 3},  // from 52.5 and 1417.5 - 5 * 3
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.scale);
        setPixelScale(row.scale);
        drawStatusLetter(800, 600);
        EXPECT_EQ(fakeWebGl.viewport, row.viewport);
        EXPECT_EQ(uniform("origin"), (std::vector<float>{row.left, row.bottom}));
        EXPECT_EQ(uniform("zoom")[0], row.zoom);
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, 'I');
        EXPECT_EQ(uniform("origin")[0], row.left + row.zoom * width);
    }
}

// Rounding, not truncation, so the viewport covers the whole canvas; a scale that means
// nothing leaves the window's pixels as they are.
TEST_F(GlLayer, ViewportRoundsToWholeBufferPixelsAndBadScalesCountAsOne)
{
    setPixelScale(2.625f);
    glViewport(1, 1, 803, 601);
    EXPECT_EQ(fakeWebGl.viewport, (std::array<int, 4>{3, 3, 2108, 1578}));
    for (float bad : {0.0f, -2.0f, NAN, INFINITY}) {
        SCOPED_TRACE(bad);
        setPixelScale(2);
        setPixelScale(bad);
        drawStatusLetter(800, 600);
        EXPECT_EQ(fakeWebGl.viewport, (std::array<int, 4>{0, 0, 800, 600}));
        EXPECT_EQ(uniform("zoom")[0], 1);
    }
}

// The client arrays of a face drawn by index, as render/ draws its brick batch.
float arrayVertices[4][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
float arrayNormals[4][3] = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
uint16_t arrayIndices[6] = {0, 1, 3, 1, 2, 3};

void drawArrays(int indexCount = 6)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, arrayVertices);
    glNormalPointer(GL_FLOAT, 0, arrayNormals);
    glDrawElements(GL_TRIANGLES, indexCount, GL_UNSIGNED_SHORT, arrayIndices);
}

// The batch changes only after a strike: a buffer is filled again only when its bytes
// changed, and then the draw shows the new ones.
TEST_F(GlLayer, ArrayBuffersAreRefilledOnlyWhenTheirDataChanges)
{
    const struct {
        const char* what;
        void (*change)();
        int fills;  // of the positions, normals and indices
        float movedZ;
    } steps[] = {
        {"the first draw", [] {}, 3, 0},
        {"nothing changed", [] {}, 0, 0},
        {"a vertex moved", [] { arrayVertices[3][2] = 5; }, 1, 5},
        {"a normal turned", [] { arrayNormals[0][0] = 1; }, 1, 5},
        {"an index changed", [] { arrayIndices[5] = 0; }, 1, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        const int before = fakeWebGl.bufferFills;
        drawArrays();
        EXPECT_EQ(fakeWebGl.bufferFills - before, step.fills);
        EXPECT_EQ(drawnPoints()[5][2], step.movedZ);
    }
}

// The page's Module.webGlAttributes are the context's, whatever they say; each way of
// failing to start has its own answer.
TEST_F(GlLayer, StartsWithThePagesAttributesAndNamesEachFailure)
{
    setPageAttributes(R"({"alpha": true, "antialias": true, "depth": false, "stencil": true,
                          "majorVersion": 2, "enableExtensionsByDefault": true})");
    ASSERT_EQ(startWebGl("#canvas"), WebGlStart::started);
    const EmscriptenWebGLContextAttributes& asked = fakeWebGl.attributes;
    EXPECT_EQ(std::vector<int>({asked.alpha, asked.antialias, asked.depth, asked.stencil,
                                asked.majorVersion, asked.enableExtensionsByDefault}),
              std::vector<int>({1, 1, 0, 1, 2, 1}));

    const struct {
        bool FakeWebGl::*failure;
        WebGlStart start;
    } rows[] = {
        {&FakeWebGl::noContext, WebGlStart::noWebGl},
        {&FakeWebGl::shadersFail, WebGlStart::shaderNotCompiled},
        {&FakeWebGl::programsFail, WebGlStart::programNotLinked},
    };
    for (const auto& row : rows) {
        fakeWebGl.*row.failure = true;
        EXPECT_EQ(startWebGl("#canvas"), row.start);
        fakeWebGl.*row.failure = false;
    }
}

bool sameDraw(const FakeDraw& x, const FakeDraw& y)
{
    return x.mode == y.mode && x.first == y.first && x.count == y.count &&
           x.positions == y.positions && x.uniforms == y.uniforms &&
           x.constantNormal == y.constantNormal && std::equal(x.normal, x.normal + 3, y.normal);
}

// render/'s own frames, drawn again after the context was lost and given back, reach WebGL
// as they did before: programs, buffers, lists, uniforms and the fixed state all remade.
TEST_F(GlLayer, RendersFramesAlikeInAContextGivenBack)
{
    initScene();
    onReshape(800, 600);
    const struct {
        bool lit, filled;
    } rows[] = {{true, true}, {false, true}, {true, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.lit ? "lit" : "unlit") +
                     (row.filled ? " filled" : " outlined"));
        gameState.lightingOn = row.lit;
        gameState.filledPolygons = row.filled;
        applyLighting(row.lit);
        applyPolygonMode(row.filled);
        renderFrame(gameState);  // the frame before leaves the state each frame starts from
        fakeWebGl.draws.clear();
        renderFrame(gameState);
        const std::vector<FakeDraw> before = fakeWebGl.draws;
        const auto fixedState = [] {
            return std::make_tuple(fakeWebGl.enabled, fakeWebGl.viewport, fakeWebGl.clearColor);
        };
        const auto fixedBefore = fixedState();

        loseFakeContext();
        ASSERT_EQ(restoreWebGl(), WebGlStart::started);
        EXPECT_EQ(fixedState(), fixedBefore);
        fakeWebGl.draws.clear();
        renderFrame(gameState);
        const std::vector<FakeDraw>& after = fakeWebGl.draws;
        ASSERT_EQ(after.size(), before.size());
        const auto differ = std::mismatch(after.begin(), after.end(), before.begin(), sameDraw);
        EXPECT_TRUE(differ.first == after.end())
            << "draw " << differ.first - after.begin() << " differs";
    }
}

// A fresh layer for each misuse; the first refusal names the call.
TEST(GlLayerRefuses, WhatItDoesNotDoNamingTheCall)
{
    static const float color[4] = {1, 0, 0, 1};
    const struct {
        const char* call;
        void (*misuse)();
    } rows[] = {
        {"glGenLists: all 8",
         [] {
             for (int k = 0; k < 9; ++k)
                 glGenLists(1);
         }},
        {"glGenLists: 2 names", [] { glGenLists(2); }},
        {"glNewList: list 3", [] { glNewList(3, GL_COMPILE); }},
        {"glNewList: list 1 is compiled", [] { glNewList(listOfOneQuad(), GL_COMPILE); }},
        {"glBegin: outside", [] { glBegin(GL_QUADS); }},
        {"glBegin: primitive 0x0009",
         [] {
             glNewList(glGenLists(1), GL_COMPILE);
             glBegin(0x0009);  // GL_POLYGON
         }},
        {"glVertex3f: more than 512 primitives",
         [] {
             glNewList(glGenLists(1), GL_COMPILE);
             glBegin(GL_LINES);
             for (int k = 0; k < 2 * 513; ++k)
                 glVertex3f(0, 0, 0);
         }},
        {"glEndList: more than 4096 vertices",
         [] {
             glNewList(glGenLists(1), GL_COMPILE);
             glBegin(GL_QUADS);
             for (int k = 0; k < 4 * 300; ++k)  // 14 vertices each, filled and outlined
                 glVertex3f(0, 0, 0);
             glEnd();
             glEndList();
         }},
        {"glMaterialfv: inside a display list",
         [] {
             glNewList(glGenLists(1), GL_COMPILE);
             glMaterialfv(GL_FRONT, GL_DIFFUSE, color);
         }},
        {"glCallList: outlines with GL_CULL_FACE",
         [] {
             const GLuint list = listOfOneQuad();
             glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
             glEnable(GL_CULL_FACE);
             glCallList(list);
         }},
        {"glEnable: capability 0x0be2", [] { glEnable(0x0BE2); }},  // GL_BLEND
        {"glPushMatrix: more than 32",
         [] {
             for (int k = 0; k < 32; ++k)
                 glPushMatrix();
         }},
        {"glPopMatrix", [] { glPopMatrix(); }},
        {"glDrawElements: only GL_TRIANGLES",
         [] {
             glEnableClientState(GL_VERTEX_ARRAY);
             glVertexPointer(3, GL_FLOAT, 0, arrayVertices);
             glDrawElements(GL_TRIANGLES, 6, 0x1401, arrayIndices);  // GL_UNSIGNED_BYTE
         }},
        {"glDrawElements: outlines",
         [] {
             glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
             drawArrays();
         }},
        {"glRasterPos2i: with GL_LIGHTING",
         [] {
             glEnable(GL_LIGHTING);
             glRasterPos2i(0, 0);
         }},
        {"glutBitmapCharacter: character 233",
         [] {
             glRasterPos2i(0, 0);
             glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, 233);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.call);
        ASSERT_EQ(freshLayer(), WebGlStart::started);
        row.misuse();
        EXPECT_EQ(refusal.rfind(std::string("GL layer: ") + row.call, 0), 0u) << refusal;
    }
    setRefusalHandler(nullptr);
}

// Run on its own by CTest (gl_layer_aborts), which looks for the message in what it prints:
// without a handler a refusal must stop the program, as it does the page.
TEST(GlLayerRefuses, DISABLED_ByPrintingAndAborting)
{
    ASSERT_EQ(freshLayer(), WebGlStart::started);
    setRefusalHandler(nullptr);
    for (int k = 0; k < 9; ++k)
        glGenLists(1);
    ADD_FAILURE() << "went on after a refusal";
}

}  // namespace
