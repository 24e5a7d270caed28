// WebGL draws only from buffers, so the client arrays are copied into buffers for
// glDrawElements. The game's one batch changes only after a strike; a copy of what each
// buffer holds (webgl_record.h) spares refilling it every frame.
#include <GL/gl.h>

#include <cstring>

#include "web/gl/arrays.h"
#include "web/gl/gl_state.h"
#include "web/gl/lists.h"
#include "web/gl/program.h"
#include "web/gl/refuse.h"
#include "web/gl/webgl_record.h"

namespace {

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

void enableArray(const char* call, GLenum array, bool on)
{
    if (ClientArray* a = arrayOf(array))
        a->enabled = on;
    else
        refuse(call, "array 0x%04x is not done", array);
}

// Tightly packed floats only: the game's arrays are.
bool packed(const ClientArray& array)
{
    return array.stride == 0 || array.stride == 12;
}

// Every vertex a 16-bit index can name fits the buffers, so only the indices can overflow.
void drawTriangles(GLsizei count, const uint16_t* index)
{
    const ClientArray& v = gl.vertexArray;
    const ClientArray& n = gl.normalArray;
    int vertexCount = 0;
    for (int k = 0; k < count; ++k)
        vertexCount = index[k] >= vertexCount ? index[k] + 1 : vertexCount;
    fill(webGl.positions, GL_ARRAY_BUFFER, v.pointer, vertexCount * 12);
    if (n.enabled)
        fill(webGl.normals, GL_ARRAY_BUFFER, n.pointer, vertexCount * 12);
    const AttributeSource position = {webGl.positions.name, 0, 12};
    const AttributeSource normal = {webGl.normals.name, 0, 12};
    prepareSceneDraw(position, n.enabled ? &normal : nullptr, gl.normal);
    fill(webGl.indices, GL_ELEMENT_ARRAY_BUFFER, index, count * 2);
    emscripten_glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_SHORT, nullptr);
}

}  // namespace

void makeArrayBuffers()
{
    emscripten_glGenBuffers(1, &webGl.positions.name);
    emscripten_glGenBuffers(1, &webGl.normals.name);
    emscripten_glGenBuffers(1, &webGl.indices.name);
}

extern "C" {

void glEnableClientState(GLenum array)
{
    enableArray(__func__, array, true);
}

void glDisableClientState(GLenum array)
{
    enableArray(__func__, array, false);
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer)
{
    if (size != 3 || type != GL_FLOAT)
        return refuse(__func__, "only 3 GL_FLOATs a vertex are done");
    setArray(gl.vertexArray, stride, pointer);
}

void glNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer)
{
    if (type != GL_FLOAT)
        return refuse(__func__, "only GL_FLOAT normals are done");
    setArray(gl.normalArray, stride, pointer);
}

// Triangles with 16-bit indices from filled polygons: how the game draws its batch.
// Without a vertex array OpenGL draws nothing, and so does this.
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices)
{
    const ClientArray& v = gl.vertexArray;
    const ClientArray& n = gl.normalArray;
    if (refusedInList(__func__))
        return;
    if (mode != GL_TRIANGLES || type != GL_UNSIGNED_SHORT)
        return refuse(__func__, "only GL_TRIANGLES with GL_UNSIGNED_SHORT indices are done");
    if (count > maxIndices)
        return refuse(__func__, "%d indices; %d fit", count, maxIndices);
    if ((v.enabled && !packed(v)) || (n.enabled && !packed(n)))
        return refuse(__func__, "only tightly packed arrays are done");
    if (gl.outline)
        return refuse(__func__, "outlines (GL_LINE) are done for display lists only");
    if (count > 0 && v.enabled)
        drawTriangles(count, static_cast<const uint16_t*>(indices));
}

}  // extern "C"
