// WebGL draws only from buffers, so the client arrays are copied into buffers for
// glDrawElements. The game's one batch changes only after a strike; a copy of what each
// buffer holds spares refilling it every frame.
#include <GL/gl.h>

#include <cstring>

#include "web/gl/arrays.h"
#include "web/gl/gl_state.h"
#include "web/gl/program.h"

namespace {

constexpr int maxArrayVertices = 16384;
constexpr int maxIndices = maxArrayVertices / 4 * 6;

// A WebGL buffer and the bytes it was last filled with.
template <int capacity>
struct MirroredBuffer {
    GLuint name;
    int size;
    uint8_t held[capacity];
};

MirroredBuffer<maxArrayVertices * 12> positions;
MirroredBuffer<maxArrayVertices * 12> normals;
MirroredBuffer<maxIndices * 2> indices;

template <int capacity>
void fill(MirroredBuffer<capacity>& buffer, GLenum target, const void* data, int size)
{
    emscripten_glBindBuffer(target, buffer.name);
    if (size == buffer.size && std::memcmp(buffer.held, data, size_t(size)) == 0)
        return;
    std::memcpy(buffer.held, data, size_t(size));
    buffer.size = size;
    emscripten_glBufferData(target, size, data, GL_DYNAMIC_DRAW);
}

void setArray(ClientArray& array, GLsizei stride, const GLvoid* pointer)
{
    array.stride = stride;
    array.pointer = static_cast<const uint8_t*>(pointer);
}

ClientArray* arrayOf(GLenum name)
{
    return name == GL_VERTEX_ARRAY   ? &gl.vertexArray
           : name == GL_NORMAL_ARRAY ? &gl.normalArray
                                     : nullptr;
}

// Tightly packed floats only: the game's arrays are.
bool packed(const ClientArray& array)
{
    return array.stride == 0 || array.stride == 12;
}

}  // namespace

void createArrayBuffers()
{
    emscripten_glGenBuffers(1, &positions.name);
    emscripten_glGenBuffers(1, &normals.name);
    emscripten_glGenBuffers(1, &indices.name);
}

extern "C" {

void glEnableClientState(GLenum array)
{
    if (ClientArray* a = arrayOf(array))
        a->enabled = true;
}

void glDisableClientState(GLenum array)
{
    if (ClientArray* a = arrayOf(array))
        a->enabled = false;
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer)
{
    if (size == 3 && type == GL_FLOAT)
        setArray(gl.vertexArray, stride, pointer);
}

void glNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer)
{
    if (type == GL_FLOAT)
        setArray(gl.normalArray, stride, pointer);
}

// Triangles with 16-bit indices from filled polygons: how the game draws its batch.
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indexPointer)
{
    const ClientArray& v = gl.vertexArray;
    const ClientArray& n = gl.normalArray;
    if (mode != GL_TRIANGLES || type != GL_UNSIGNED_SHORT || count <= 0 || count > maxIndices ||
        !v.enabled || !packed(v) || (n.enabled && !packed(n)))
        return;
    const uint16_t* index = static_cast<const uint16_t*>(indexPointer);
    int vertexCount = 0;
    for (int k = 0; k < count; ++k)
        vertexCount = index[k] >= vertexCount ? index[k] + 1 : vertexCount;
    if (vertexCount > maxArrayVertices)
        return;
    fill(positions, GL_ARRAY_BUFFER, v.pointer, vertexCount * 12);
    if (n.enabled)
        fill(normals, GL_ARRAY_BUFFER, n.pointer, vertexCount * 12);
    const AttributeSource position = {positions.name, 0, 12};
    const AttributeSource normal = {normals.name, 0, 12};
    prepareSceneDraw(position, n.enabled ? &normal : nullptr, gl.normal);
    fill(indices, GL_ELEMENT_ARRAY_BUFFER, indexPointer, count * 2);
    emscripten_glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_SHORT, nullptr);
}

}  // extern "C"
