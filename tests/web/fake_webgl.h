// WebGL as the GL layer's tests see it: the emscripten_gl* calls record what they are
// given instead of drawing, so the layer runs under node.
#pragma once

#include <emscripten/html5.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeDraw {
    unsigned mode;
    int first;
    int count;
    std::vector<float> positions;  // x, y, z of each vertex drawn, from the bound buffers
    std::map<std::string, std::vector<float>> uniforms;  // the program's, by name
    bool constantNormal;
    float normal[3];  // the constant one, when no normal array is bound
};

struct FakeWebGl {
    // What the layer did.
    std::vector<FakeDraw> draws;
    std::array<int, 4> viewport;  // as last set
    std::array<float, 4> clearColor;
    std::set<unsigned> enabled;                   // capabilities switched on
    int bufferFills;                              // bufferData and bufferSubData calls
    EmscriptenWebGLContextAttributes attributes;  // the context was asked for with

    // What the browser does.
    bool noContext;
    bool shadersFail;   // to compile
    bool programsFail;  // to link
};

extern FakeWebGl fakeWebGl;

// Everything the context held is gone, as when the browser takes a context away; the names
// it gives from then on start again.
void loseFakeContext();
