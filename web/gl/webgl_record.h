// What the layer has made in the WebGL context and what it last sent there, in one record:
// the objects' names, and the values that let calls which would change nothing be skipped.
// It all belongs to one context. A lost context takes it along; zeroed, the record says
// "nothing made, nothing sent", and the layer makes and sends everything again
// (context.cpp). OpenGL's own state, which outlives a context, is in gl_state.h.
#pragma once

#include <webgl/webgl1.h>

#include <cstdint>

#include "web/gl/attribute_source.h"

constexpr int maxArrayVertices = 65536;               // all that 16-bit indices can name
constexpr int maxIndices = maxArrayVertices / 4 * 6;  // two triangles per four vertices
constexpr int sceneUniformCount = 12;
constexpr int textUniformCount = 5;

// A WebGL buffer and the bytes it was last filled with.
template <int capacity>
struct MirroredBuffer {
    GLuint name;
    int size;
    uint8_t held[capacity];
};

// What a vertex attribute was last given: an array in a buffer, or one value for all.
struct AttributeBinding {
    bool fromArray;
    int size;
    AttributeSource source;
    float value[3];
};

// The scene program's lighting uniforms as last sent.
struct LightingUniforms {
    int lighting;
    float color[4];
    float sceneColor[3];
    float alpha;
    float positions[2][4];
    float ambient[2][3];
    float diffuse[2][3];
    float specular[2][3];
    float shininess;
};

struct WebGlRecord {
    GLuint programInUse;
    AttributeBinding attributes[2];

    GLuint sceneProgram;
    GLint sceneUniforms[sceneUniformCount];
    bool sceneUniformsSent;      // false until the first scene draw sends them all
    uint32_t projectionVersion;  // GlState's versions, as last sent
    uint32_t lightingVersion;
    LightingUniforms lighting;

    GLuint textProgram;
    GLint textUniforms[textUniformCount];
    GLuint glyphTexture;
    GLuint glyphQuads;
    bool rasterSent;  // the raster position's depth, colour, zoom and viewport

    GLuint listBuffer;  // every display list's vertices
    MirroredBuffer<maxArrayVertices * 12> positions;
    MirroredBuffer<maxArrayVertices * 12> normals;
    MirroredBuffer<maxIndices * 2> indices;
};

extern WebGlRecord webGl;
