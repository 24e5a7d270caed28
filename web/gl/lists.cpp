// glBegin and glEnd are only compiled into lists here: the game draws nothing in
// immediate mode. Quads become triangles for filled polygons and their four edges for
// outlines; lines stay lines in both modes.
#include <GL/gl.h>

#include <cstddef>
#include <cstring>
#include <initializer_list>

#include "web/gl/gl_state.h"
#include "web/gl/lists.h"
#include "web/gl/program.h"

namespace {

struct Vertex {
    float position[3];
    float normal[3];
};

struct Range {
    int first;
    int count;
};

struct DisplayList {
    Range triangles;  // the quads filled
    Range edges;      // the quads outlined
    Range lines;
    bool takesCurrentNormal;  // vertices came before any normal: they light with the current one
    bool setsNormal;
    float lastNormal[3];  // current after the list, as after OpenGL's
};

constexpr int maxLists = 8;
constexpr int maxVertices = 4096;
constexpr int maxRecorded = 1024;

DisplayList lists[maxLists + 1];  // list names start at 1
int listCount;
Vertex vertices[maxVertices];  // every list's vertices, in the order they were compiled
int vertexCount;
GLuint listBuffer;

// The list being compiled, by kind, until glEndList puts its runs together.
struct Recording {
    GLuint name;  // 0 while none is being compiled
    GLenum primitive;
    Vertex quad[4];
    int inQuad;
    bool normalGiven;
    float normal[3];
    Vertex triangles[maxRecorded];
    int triangleCount;
    Vertex edges[maxRecorded];
    int edgeCount;
    Vertex lines[maxRecorded];
    int lineCount;
} recording;

void append(Vertex* to, int& count, const Vertex& v)
{
    if (count < maxRecorded)
        to[count++] = v;
}

// The split Mesa gives a quad, 0 1 3 and 1 2 3: it decides how the corners' colours blend.
void emitQuad(const Vertex (&q)[4])
{
    for (int corner : {0, 1, 3, 1, 2, 3})
        append(recording.triangles, recording.triangleCount, q[corner]);
    for (int k = 0; k < 4; ++k) {
        append(recording.edges, recording.edgeCount, q[k]);
        append(recording.edges, recording.edgeCount, q[(k + 1) % 4]);
    }
}

void recordVertex(const float* position)
{
    Recording& r = recording;
    if (!r.name)
        return;
    if (!r.normalGiven)
        lists[r.name].takesCurrentNormal = true;
    Vertex v;
    std::memcpy(v.position, position, sizeof v.position);
    std::memcpy(v.normal, r.normal, sizeof v.normal);
    if (r.primitive == GL_LINES) {
        append(r.lines, r.lineCount, v);
        return;
    }
    r.quad[r.inQuad++] = v;
    if (r.inQuad == 4) {
        emitQuad(r.quad);
        r.inQuad = 0;
    }
}

Range store(const Vertex* from, int count)
{
    if (vertexCount + count > maxVertices)
        count = 0;
    const Range range = {vertexCount, count};
    std::memcpy(vertices + vertexCount, from, sizeof(Vertex) * size_t(count));
    vertexCount += count;
    return range;
}

void drawRange(GLenum mode, Range range, const DisplayList& list)
{
    if (range.count == 0)
        return;
    const AttributeSource position = {listBuffer, 0, sizeof(Vertex)};
    const AttributeSource normal = {listBuffer, int(offsetof(Vertex, normal)), sizeof(Vertex)};
    prepareSceneDraw(position, list.takesCurrentNormal ? nullptr : &normal, gl.normal);
    emscripten_glDrawArrays(mode, range.first, range.count);
}

}  // namespace

void createListBuffer()
{
    emscripten_glGenBuffers(1, &listBuffer);
}

extern "C" {

GLuint glGenLists(GLsizei range)
{
    if (range != 1 || listCount == maxLists)
        return 0;
    return GLuint(++listCount);
}

void glNewList(GLuint list, GLenum mode)
{
    if (list == 0 || list > GLuint(listCount) || mode != GL_COMPILE)
        return;
    recording = {};
    recording.name = list;
    lists[list] = {};
}

void glEndList()
{
    Recording& r = recording;
    if (!r.name)
        return;
    DisplayList& list = lists[r.name];
    list.triangles = store(r.triangles, r.triangleCount);
    list.edges = store(r.edges, r.edgeCount);
    list.lines = store(r.lines, r.lineCount);
    list.setsNormal = r.normalGiven;
    std::memcpy(list.lastNormal, r.normal, sizeof list.lastNormal);
    r.name = 0;
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, listBuffer);
    emscripten_glBufferData(GL_ARRAY_BUFFER, sizeof(Vertex) * vertexCount, vertices,
                            GL_STATIC_DRAW);
}

void glCallList(GLuint name)
{
    if (name == 0 || name > GLuint(listCount))
        return;
    const DisplayList& list = lists[name];
    if (gl.outline)
        drawRange(GL_LINES, list.edges, list);
    else
        drawRange(GL_TRIANGLES, list.triangles, list);
    drawRange(GL_LINES, list.lines, list);
    if (list.setsNormal)
        std::memcpy(gl.normal, list.lastNormal, sizeof gl.normal);
}

void glBegin(GLenum mode)
{
    recording.primitive = mode;
    recording.inQuad = 0;
}

void glEnd()
{
    recording.inQuad = 0;
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    const float position[3] = {x, y, z};
    recordVertex(position);
}

// Compiled as the vertex (and normal) the arrays hold now, as OpenGL compiles it.
void glArrayElement(GLint i)
{
    const ClientArray& n = gl.normalArray;
    if (n.enabled)
        glNormal3fv(reinterpret_cast<const float*>(n.pointer + i * (n.stride ? n.stride : 12)));
    const ClientArray& v = gl.vertexArray;
    if (v.enabled)
        recordVertex(reinterpret_cast<const float*>(v.pointer + i * (v.stride ? v.stride : 12)));
}

// Recorded while a list is compiled; otherwise it is the current normal at once.
void glNormal3fv(const GLfloat* v)
{
    if (recording.name) {
        std::memcpy(recording.normal, v, sizeof recording.normal);
        recording.normalGiven = true;
    } else {
        std::memcpy(gl.normal, v, sizeof gl.normal);
    }
}

}  // extern "C"
