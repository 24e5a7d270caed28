// What OpenGL 1.1 keeps between calls, for the calls the game makes: one record, in
// fixed-size parts, shared by the layer's files.
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
    int viewport[4];   // in drawing-buffer pixels
    float pixelScale;  // drawing-buffer pixels per window pixel

    ClientArray vertexArray;
    ClientArray normalArray;
};

extern GlState gl;

const Matrix& currentModelview();
const Matrix& currentProjection();
// (x, y, z, w) through the matrix.
void transform(const Matrix& matrix, const float in[4], float out[4]);
