// WebGL as the GL layer's tests see it: the emscripten_gl* calls record what they are
// given instead of drawing, so the layer runs under node.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

struct FakeDraw {
    unsigned mode;
    int first;
    int count;
    std::vector<float> positions;  // x, y, z of each vertex drawn, from the bound buffer
    std::map<std::string, std::vector<float>> uniforms;  // by name, as they stood
    bool constantNormal;
    float normal[3];  // the constant one, when no normal array is bound
};

struct FakeWebGl {
    std::vector<FakeDraw> draws;
    std::array<int, 4> viewport;  // as last set
};

extern FakeWebGl fakeWebGl;
