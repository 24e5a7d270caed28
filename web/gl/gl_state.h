// What OpenGL 1.1 keeps between calls, for the calls the game makes: one record, in
// fixed-size parts, shared by the layer's files. It outlives a lost WebGL context; the
// display lists (lists.cpp) do too.
#pragma once

#include <cstdint>

struct Matrix {
    float m[16];  // column-major, as OpenGL stores it
};

struct Light {
    bool enabled;
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float position[4];  // in eye coordinates, taken through the modelview when it was set
};

struct ClientArray {
    bool enabled;
    int stride;  // in bytes; 0 in the call means tightly packed
    const uint8_t* pointer;
};

// Where glutBitmapCharacter draws next.
struct RasterPosition {
    bool valid;
    float x, y, z;  // window coordinates in drawing-buffer pixels, z in 0 to 1
    float color[4];
    int zoom;  // drawing-buffer pixels per glyph pixel, across and up
};

constexpr int modelviewDepth = 32;  // OpenGL promises at least 32
constexpr int projectionDepth = 4;  // and at least 2

struct GlState {
    Matrix modelview[modelviewDepth];
    int modelviewTop;
    Matrix projection[projectionDepth];
    int projectionTop;
    bool projectionMode;         // GL_PROJECTION is the current matrix mode
    uint32_t projectionVersion;  // counts changes, so the shader gets it only when it moved

    bool lighting;
    Light lights[2];
    float materialAmbient[4];
    float materialDiffuse[4];
    float materialSpecular[4];
    float shininess;
    uint32_t lightingVersion;  // counts changes of the lights, material and colour

    float color[4];   // the current colour, used while lighting is off
    float normal[3];  // the current normal
    bool outline;     // glPolygonMode GL_LINE
    bool depthTest;
    bool cullFace;
    bool viewportSet;  // until then WebGL's own, the whole canvas, stands as OpenGL's does
    int viewport[4];   // in drawing-buffer pixels
    float pixelScale;  // drawing-buffer pixels per window pixel
    float clearColor[4];
    RasterPosition raster;

    ClientArray vertexArray;
    ClientArray normalArray;
};

extern GlState gl;

// Back to the state OpenGL starts with.
void resetGlState();
// What WebGL keeps of this state too, given to a new context: the switches, the viewport
// and the clear colour. The rest is sent with each draw.
void sendFixedState();

const Matrix& currentModelview();
const Matrix& currentProjection();
// (x, y, z, w) through the matrix.
void transform(const Matrix& matrix, const float in[4], float out[4]);
