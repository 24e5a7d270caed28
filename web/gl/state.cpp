// The switches, lights, material and colour that the game sets, kept as OpenGL 1.1 would
// keep them; the ones WebGL has are passed on as they are.
#include <GL/gl.h>
#include <webgl/webgl1.h>

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "web/gl/gl_state.h"
#include "web/gl/lists.h"
#include "web/gl/refuse.h"
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

// The switches that WebGL keeps too.
bool* webGlSwitch(GLenum cap)
{
    switch (cap) {
    case GL_DEPTH_TEST: return &gl.depthTest;
    case GL_CULL_FACE: return &gl.cullFace;
    default: return nullptr;
    }
}

void sendSwitch(GLenum cap, bool on)
{
    if (on)
        emscripten_glEnable(cap);
    else
        emscripten_glDisable(cap);
}

void setCapability(const char* call, GLenum cap, bool on)
{
    if (refusedInList(call))
        return;
    if (bool* flag = lightSwitch(cap)) {
        *flag = on;
        ++gl.lightingVersion;
    } else if (bool* flag = webGlSwitch(cap)) {
        *flag = on;
        sendSwitch(cap, on);
    } else {
        refuse(call, "capability 0x%04x is not done", cap);
    }
}

int inBufferPixels(int windowPixels)
{
    return int(std::lround(double(windowPixels) * gl.pixelScale));
}

void sendViewport()
{
    const int* v = gl.viewport;
    emscripten_glViewport(v[0], v[1], v[2], v[3]);
}

// The colours and the position of a light, the colours and shininess of the material.
float* lightParameter(Light& l, GLenum pname)
{
    switch (pname) {
    case GL_AMBIENT: return l.ambient;
    case GL_DIFFUSE: return l.diffuse;
    case GL_SPECULAR: return l.specular;
    case GL_POSITION: return l.position;
    default: return nullptr;
    }
}

float* materialParameter(GLenum pname)
{
    switch (pname) {
    case GL_AMBIENT: return gl.materialAmbient;
    case GL_DIFFUSE: return gl.materialDiffuse;
    case GL_SPECULAR: return gl.materialSpecular;
    case GL_SHININESS: return &gl.shininess;
    default: return nullptr;
    }
}

}  // namespace

GlState gl = initialState();

void resetGlState()
{
    gl = initialState();
}

void sendFixedState()
{
    for (GLenum cap : {GL_DEPTH_TEST, GL_CULL_FACE})
        sendSwitch(cap, *webGlSwitch(cap));
    if (gl.viewportSet)
        sendViewport();
    const float* c = gl.clearColor;
    emscripten_glClearColor(c[0], c[1], c[2], c[3]);
}

void setPixelScale(float scale)
{
    gl.pixelScale = std::isfinite(scale) && scale > 0 ? scale : 1;
}

extern "C" {

void glEnable(GLenum cap)
{
    setCapability(__func__, cap, true);
}

void glDisable(GLenum cap)
{
    setCapability(__func__, cap, false);
}

GLboolean glIsEnabled(GLenum cap)
{
    if (const bool* flag = lightSwitch(cap))
        return *flag;
    if (const bool* flag = webGlSwitch(cap))
        return *flag;
    refuse(__func__, "capability 0x%04x is not done", cap);
    return GL_FALSE;
}

// Only both sides at once, as the game sets it.
void glPolygonMode(GLenum face, GLenum mode)
{
    if (refusedInList(__func__))
        return;
    if (face != GL_FRONT_AND_BACK || (mode != GL_FILL && mode != GL_LINE))
        return refuse(__func__, "only GL_FRONT_AND_BACK as GL_FILL or GL_LINE is done");
    gl.outline = mode == GL_LINE;
}

// Kept in drawing-buffer pixels, so raster positions land where WebGL draws.
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    if (refusedInList(__func__))
        return;
    const int viewport[4] = {inBufferPixels(x), inBufferPixels(y), inBufferPixels(width),
                             inBufferPixels(height)};
    std::memcpy(gl.viewport, viewport, sizeof viewport);
    gl.viewportSet = true;
    sendViewport();
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha)
{
    if (refusedInList(__func__))
        return;
    const float color[4] = {red, green, blue, alpha};
    std::memcpy(gl.clearColor, color, sizeof color);
    emscripten_glClearColor(red, green, blue, alpha);
}

void glClear(GLbitfield mask)
{
    if (refusedInList(__func__))
        return;
    emscripten_glClear(mask);
}

void glColor4fv(const GLfloat* v)
{
    if (refusedInList(__func__))
        return;
    std::memcpy(gl.color, v, sizeof gl.color);
    ++gl.lightingVersion;
}

// A position is taken into eye coordinates now, through the modelview as it stands.
void glLightfv(GLenum light, GLenum pname, const GLfloat* params)
{
    if (refusedInList(__func__))
        return;
    float* to = light == GL_LIGHT0 || light == GL_LIGHT1
                    ? lightParameter(gl.lights[light - GL_LIGHT0], pname)
                    : nullptr;
    if (!to)
        return refuse(__func__, "light 0x%04x's parameter 0x%04x is not done", light, pname);
    if (pname == GL_POSITION)
        transform(currentModelview(), params, to);
    else
        std::memcpy(to, params, 4 * sizeof(float));
    ++gl.lightingVersion;
}

// Lighting is one-sided, so only the front material counts; the game sets no other.
void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params)
{
    if (refusedInList(__func__))
        return;
    float* to = face == GL_FRONT || face == GL_FRONT_AND_BACK ? materialParameter(pname) : nullptr;
    if (!to)
        return refuse(__func__, "the material's 0x%04x on face 0x%04x is not done", pname, face);
    std::memcpy(to, params, (pname == GL_SHININESS ? 1 : 4) * sizeof(float));
    ++gl.lightingVersion;
}

}  // extern "C"
