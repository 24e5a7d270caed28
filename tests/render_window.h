// A GLUT window on the X display with the scene set up, for tests that read back what GL drew.
#pragma once

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "render/scene.h"

// Makes a width x height window current, with the scene's projection for that size; the
// first window runs initScene and later ones share its context, so the lists serve them all.
// False when there is no X display.
inline bool useTestWindow(int width, int height)
{
    struct OpenWindow {
        int width, height, id;
    };
    static std::vector<OpenWindow> windows;
#ifndef _WIN32  // under Wine, the Windows tests take the display Wine has
    // A display of their own lets the render tests run beside the play tests.
    if (const char* own = std::getenv("TANKS_RENDER_DISPLAY"))
        setenv("DISPLAY", own, 1);
#endif
    if (!std::getenv("DISPLAY"))
        return false;
    if (windows.empty()) {
        int argc = 1;
        char name[] = "render_test";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutSetOption(GLUT_RENDERING_CONTEXT, GLUT_USE_CURRENT_CONTEXT);
    }
    bool open = false;
    for (const OpenWindow& w : windows)
        if (w.width == width && w.height == height) {
            glutSetWindow(w.id);
            open = true;
        }
    if (!open) {
        glutInitWindowSize(width, height);
        windows.push_back({width, height, glutCreateWindow("render_test")});
        glutDisplayFunc([] {});
        if (windows.size() == 1)
            initScene();
    }
    onReshape(width, height);
    return true;
}

#define USE_TEST_WINDOW(width, height)                                 \
    do {                                                               \
        if (!useTestWindow(width, height))                             \
            GTEST_SKIP() << "needs an X display (DISPLAY is not set)"; \
    } while (0)

// The game as initScene leaves it, with this window's lists and size: a base for test states.
inline GameState startState()
{
    std::lock_guard<std::mutex> lock(gameMutex);
    return gameState;
}

struct Rgb {
    int r, g, b;
    bool isWhite() const { return r == 255 && g == 255 && b == 255; }
};

// The back buffer as drawn, origin at the bottom-left as GL counts.
struct Frame {
    int width, height;
    std::vector<unsigned char> rgb;

    Rgb at(int x, int y) const
    {
        const size_t k = (size_t(y) * size_t(width) + size_t(x)) * 3;
        return {rgb[k], rgb[k + 1], rgb[k + 2]};
    }

    // Pure black pixels in a rectangle, bounds inclusive.
    int countBlack(int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                const Rgb p = at(x, y);
                n += p.r == 0 && p.g == 0 && p.b == 0;
            }
        return n;
    }
};

// Draws one frame of g through the game's own frame code and reads it back before any swap.
inline Frame drawAndRead(const GameState& g, BrickPass brickPass = drawBricks)
{
    renderFrame(g, brickPass);
    glFinish();
    Frame f{g.windowWidth, g.windowHeight, {}};
    f.rgb.resize(size_t(f.width) * size_t(f.height) * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, f.width, f.height, GL_RGB, GL_UNSIGNED_BYTE, f.rgb.data());
    return f;
}

struct Vertex {
    float x, y, z;
};

struct Captured {
    std::vector<std::vector<Vertex>> polygons;
    std::vector<std::vector<Vertex>> lines;
};

struct Bounds {
    float lo[3], hi[3];  // x, y, z
};

// The box around polygons [first, first + count) of a capture.
inline Bounds boundsOf(const std::vector<std::vector<Vertex>>& polygons, size_t first, size_t count)
{
    Bounds b{{1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}};
    for (size_t k = first; k < first + count; ++k)
        for (const Vertex& v : polygons[k]) {
            const float c[3] = {v.x, v.y, v.z};
            for (int a = 0; a < 3; ++a) {
                b.lo[a] = std::min(b.lo[a], c[a]);
                b.hi[a] = std::max(b.hi[a], c[a]);
            }
        }
    return b;
}

inline void expectBounds(const Bounds& got, const Bounds& want, const char* what)
{
    for (int a = 0; a < 3; ++a) {
        EXPECT_NEAR(got.lo[a], want.lo[a], 1e-3) << what << ", axis " << a;
        EXPECT_NEAR(got.hi[a], want.hi[a], 1e-3) << what << ", axis " << a;
    }
}

// Runs draw in GL feedback mode under an orthographic projection chosen so that the window
// coordinates GL hands back convert straight to eye coordinates: what GL received, unclipped.
template <class Draw>
Captured captureEyeCoordinates(Draw draw)
{
    static std::vector<GLfloat> buffer(1 << 21);
    glFeedbackBuffer(GLsizei(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    glViewport(0, 0, 100, 100);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-50, 50, -50, 50, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    draw();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint used = glRenderMode(GL_RENDER);
    glViewport(0, 0, gameState.windowWidth, gameState.windowHeight);
    EXPECT_GE(used, 0) << "feedback buffer overflowed";

    Captured out;
    auto vertexAt = [&](GLint k) {
        return Vertex{buffer[k] - 50, buffer[k + 1] - 50, 100 * (1 - 2 * buffer[k + 2])};
    };
    for (GLint k = 0; k < used;) {
        const GLint token = GLint(buffer[k++]);
        if (token == GL_POLYGON_TOKEN) {
            const GLint n = GLint(buffer[k++]);
            std::vector<Vertex> polygon;
            for (GLint v = 0; v < n; ++v, k += 3)
                polygon.push_back(vertexAt(k));
            out.polygons.push_back(polygon);
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            out.lines.push_back({vertexAt(k), vertexAt(k + 3)});
            k += 6;
        } else {
            ADD_FAILURE() << "unexpected feedback token " << token;
            break;
        }
    }
    return out;
}
