// Where a vertex attribute's values are read from: the programs bind it, the record keeps
// what was bound last.
#pragma once

#include <webgl/webgl1.h>

// A buffer, from a byte offset, at a byte stride.
struct AttributeSource {
    GLuint buffer;
    int offset;
    int stride;
};
