// The switches, lights, material and colour that the game sets, kept as OpenGL 1.1 would
// keep them; the ones WebGL has are passed on as they are.
#include <GL/gl.h>
#include <webgl/webgl1.h>

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "web/gl/gl_state.h"
#include "web/gl/web_gl.h"

namespace {

GlState initialState()
{
    GlState s = {};
    for (Matrix* m : {&s.modelview[0], &s.projection[0]})
        for (int k = 0; k < 4; ++k)
            m->m[k * 5] = 1;
    for (Light& light : s.lights) {
        light = {false, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 1, 0}};
    }
    // Light 0 alone starts white.
    const float white[4] = {1, 1, 1, 1};
    std::memcpy(s.lights[0].diffuse, white, sizeof white);
    std::memcpy(s.lights[0].specular, white, sizeof white);
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1};
    std::memcpy(s.materialAmbient, ambient, sizeof ambient);
    const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    std::memcpy(s.materialDiffuse, diffuse, sizeof diffuse);
    s.materialSpecular[3] = 1;
    std::memcpy(s.color, white, sizeof white);
    s.normal[2] = 1;
    s.pixelScale = 1;
    return s;
}

bool* lightSwitch(GLenum cap)
{
    switch (cap) {
    case GL_LIGHTING: return &gl.lighting;
    case GL_LIGHT0: return &gl.lights[0].enabled;
    case GL_LIGHT1: return &gl.lights[1].enabled;
    default: return nullptr;
    }
}

void setCapability(GLenum cap, bool on)
{
    if (bool* flag = lightSwitch(cap)) {
        *flag = on;
        ++gl.lightingVersion;
        return;
    }
    if (cap == GL_DEPTH_TEST)
        gl.depthTest = on;
    else if (cap == GL_CULL_FACE)
        gl.cullFace = on;
    else
        return;
    if (on)
        emscripten_glEnable(cap);
    else
        emscripten_glDisable(cap);
}

int inBufferPixels(int windowPixels)
{
    return int(std::lround(double(windowPixels) * gl.pixelScale));
}

}  // namespace

GlState gl = initialState();

void setPixelScale(float scale)
{
    gl.pixelScale = std::isfinite(scale) && scale > 0 ? scale : 1;
}

extern "C" {

void glEnable(GLenum cap)
{
    setCapability(cap, true);
}

void glDisable(GLenum cap)
{
    setCapability(cap, false);
}

GLboolean glIsEnabled(GLenum cap)
{
    if (const bool* flag = lightSwitch(cap))
        return *flag;
    return cap == GL_DEPTH_TEST ? gl.depthTest : cap == GL_CULL_FACE ? gl.cullFace : GL_FALSE;
}

// Only both sides at once, as the game sets it.
void glPolygonMode(GLenum face, GLenum mode)
{
    if (face == GL_FRONT_AND_BACK)
        gl.outline = mode == GL_LINE;
}

// Kept in drawing-buffer pixels, so raster positions land where WebGL draws.
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    const int viewport[4] = {inBufferPixels(x), inBufferPixels(y), inBufferPixels(width),
                             inBufferPixels(height)};
    std::memcpy(gl.viewport, viewport, sizeof viewport);
    emscripten_glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha)
{
    emscripten_glClearColor(red, green, blue, alpha);
}

void glClear(GLbitfield mask)
{
    emscripten_glClear(mask);
}

void glColor4fv(const GLfloat* v)
{
    std::memcpy(gl.color, v, sizeof gl.color);
    ++gl.lightingVersion;
}

// A position is taken into eye coordinates now, through the modelview as it stands.
void glLightfv(GLenum light, GLenum pname, const GLfloat* params)
{
    if (light != GL_LIGHT0 && light != GL_LIGHT1)
        return;
    Light& l = gl.lights[light - GL_LIGHT0];
    switch (pname) {
    case GL_AMBIENT: std::memcpy(l.ambient, params, sizeof l.ambient); break;
    case GL_DIFFUSE: std::memcpy(l.diffuse, params, sizeof l.diffuse); break;
    case GL_SPECULAR: std::memcpy(l.specular, params, sizeof l.specular); break;
    case GL_POSITION: transform(currentModelview(), params, l.position); break;
    default: return;
    }
    ++gl.lightingVersion;
}

// Lighting is one-sided and the game sets the front material only; the back one is unused.
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params)
{
    if (face != GL_FRONT && face != GL_FRONT_AND_BACK)
        return;
    switch (pname) {
    case GL_AMBIENT: std::memcpy(gl.materialAmbient, params, sizeof gl.materialAmbient); break;
    case GL_DIFFUSE: std::memcpy(gl.materialDiffuse, params, sizeof gl.materialDiffuse); break;
    case GL_SPECULAR: std::memcpy(gl.materialSpecular, params, sizeof gl.materialSpecular); break;
    case GL_SHININESS: gl.shininess = params[0]; break;
    default: return;
    }
    ++gl.lightingVersion;
}

}  // extern "C"
