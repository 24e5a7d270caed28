// glBegin and glEnd are only compiled into lists here: the game draws nothing in
// immediate mode. Each list keeps its vertices three ways, and the polygon mode picks
// which are drawn: its triangles and quads filled, the same outlined by their edges, and
// its lines, which are lines in both modes.
#include <GL/gl.h>

#include <cstddef>
#include <cstring>

#include "web/gl/gl_state.h"
#include "web/gl/lists.h"
#include "web/gl/program.h"
#include "web/gl/refuse.h"
#include "web/gl/webgl_record.h"

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
    Range filled;  // the triangles and quads as triangles
    Range edges;   // their edges as lines
    Range lines;
    float lastNormal[3];  // current after the list, as after OpenGL's
    bool compiled;
    bool takesCurrentNormal;  // vertices came before any normal: they light with the current one
    bool setsNormal;
};

// A line, a triangle or a quad, by its number of corners.
struct Primitive {
    int corners;
    Vertex corner[4];
};

constexpr int maxLists = 8;
constexpr int maxVertices = 4096;   // in all lists, counted the three ways
constexpr int maxPrimitives = 512;  // in one list

DisplayList lists[maxLists + 1];  // list names start at 1
int listCount;
Vertex vertices[maxVertices];  // every list's vertices, in the order they were compiled
int vertexCount;

// The list being compiled, primitive by primitive, until glEndList lays out its vertices.
struct Recording {
    GLuint name;       // 0 while none is being compiled
    GLenum primitive;  // 0 outside glBegin and glEnd
    Primitive current;
    bool normalGiven;
    float normal[3];
    Primitive primitives[maxPrimitives];
    int primitiveCount;
} recording;

int cornersOf(GLenum primitive)
{
    switch (primitive) {
    case GL_LINES: return 2;
    case GL_TRIANGLES: return 3;
    case GL_QUADS: return 4;
    default: return 0;
    }
}

// Which corners, in which order, each way of a list takes from a primitive of 2, 3 and 4
// corners. A quad splits as Mesa splits it, 0 1 3 and 1 2 3: the split decides how the
// corners' colours blend.
struct Pattern {
    int count;
    int corner[8];
};
enum Way { filledWay, edgesWay, linesWay };
const Pattern patterns[3][3] = {
    {{0, {}}, {3, {0, 1, 2}}, {6, {0, 1, 3, 1, 2, 3}}},
    {{0, {}}, {6, {0, 1, 1, 2, 2, 0}}, {8, {0, 1, 1, 2, 2, 3, 3, 0}}},
    {{2, {0, 1}}, {0, {}}, {0, {}}},
};

Range store(Way way)
{
    const int first = vertexCount;
    for (int p = 0; p < recording.primitiveCount; ++p) {
        const Primitive& primitive = recording.primitives[p];
        const Pattern& pattern = patterns[way][primitive.corners - 2];
        if (vertexCount + pattern.count > maxVertices) {
            refuse("glEndList", "more than %d vertices in all display lists", maxVertices);
            break;
        }
        for (int k = 0; k < pattern.count; ++k)
            vertices[vertexCount++] = primitive.corner[pattern.corner[k]];
    }
    return {first, vertexCount - first};
}

void uploadLists()
{
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, webGl.listBuffer);
    emscripten_glBufferData(GL_ARRAY_BUFFER, int(sizeof(Vertex)) * vertexCount, vertices,
                            GL_STATIC_DRAW);
}

void recordVertex(const char* call, const float* position)
{
    Recording& r = recording;
    if (!r.primitive)
        return refuse(call, "a vertex outside glBegin and glEnd of a display list");
    if (!r.normalGiven)
        lists[r.name].takesCurrentNormal = true;
    Primitive& p = r.current;
    Vertex& v = p.corner[p.corners++];
    std::memcpy(v.position, position, sizeof v.position);
    std::memcpy(v.normal, r.normal, sizeof v.normal);
    if (p.corners < cornersOf(r.primitive))
        return;
    if (r.primitiveCount < maxPrimitives)
        r.primitives[r.primitiveCount++] = p;
    else
        refuse(call, "more than %d primitives in one display list", maxPrimitives);
    p.corners = 0;
}

void drawRange(GLenum mode, Range range, const DisplayList& list)
{
    if (range.count == 0)
        return;
    const AttributeSource position = {webGl.listBuffer, 0, sizeof(Vertex)};
    const AttributeSource normal = {webGl.listBuffer, int(offsetof(Vertex, normal)),
                                    sizeof(Vertex)};
    prepareSceneDraw(position, list.takesCurrentNormal ? nullptr : &normal, gl.normal);
    emscripten_glDrawArrays(mode, range.first, range.count);
}

}  // namespace

void makeListBuffer()
{
    emscripten_glGenBuffers(1, &webGl.listBuffer);
    uploadLists();
}

void resetLists()
{
    for (DisplayList& list : lists)
        list = {};
    listCount = 0;
    vertexCount = 0;
    recording = {};
}

bool refusedInList(const char* call)
{
    if (!recording.name)
        return false;
    refuse(call, "inside a display list; only glBegin, glEnd, vertices and normals go in one");
    return true;
}

extern "C" {

GLuint glGenLists(GLsizei range)
{
    if (range != 1) {
        refuse(__func__, "%d names at once; one at a time is done", range);
        return 0;
    }
    if (listCount == maxLists) {
        refuse(__func__, "all %d display list names are in use", maxLists);
        return 0;
    }
    return GLuint(++listCount);
}

void glNewList(GLuint list, GLenum mode)
{
    if (refusedInList(__func__))
        return;
    if (list == 0 || list > GLuint(listCount))
        return refuse(__func__, "list %u is no name glGenLists gave", list);
    if (mode != GL_COMPILE)
        return refuse(__func__, "mode 0x%04x is not done; GL_COMPILE is", mode);
    if (lists[list].compiled)
        return refuse(__func__, "list %u is compiled already; a list is compiled once", list);
    recording = {};
    recording.name = list;
}

void glEndList()
{
    Recording& r = recording;
    if (!r.name || r.primitive)
        return refuse(__func__, r.name ? "inside glBegin and glEnd" : "no list is being compiled");
    DisplayList& list = lists[r.name];
    list.compiled = true;
    list.filled = store(filledWay);
    list.edges = store(edgesWay);
    list.lines = store(linesWay);
    list.setsNormal = r.normalGiven;
    std::memcpy(list.lastNormal, r.normal, sizeof list.lastNormal);
    r.name = 0;
    uploadLists();
}

// A name that has no list draws nothing, as in OpenGL.
void glCallList(GLuint name)
{
    if (refusedInList(__func__) || name == 0 || name > GLuint(listCount))
        return;
    const DisplayList& list = lists[name];
    if (!gl.outline) {
        drawRange(GL_TRIANGLES, list.filled, list);
    } else if (gl.cullFace && list.edges.count) {
        // WebGL culls no lines; OpenGL would leave out the faces turned away.
        return refuse(__func__, "outlines with GL_CULL_FACE on are not done");
    } else {
        drawRange(GL_LINES, list.edges, list);
    }
    drawRange(GL_LINES, list.lines, list);
    if (list.setsNormal)
        std::memcpy(gl.normal, list.lastNormal, sizeof gl.normal);
}

void glBegin(GLenum mode)
{
    if (!recording.name)
        return refuse(__func__, "outside a display list; immediate mode is not done");
    if (recording.primitive)
        return refuse(__func__, "inside glBegin and glEnd");
    if (!cornersOf(mode))
        return refuse(__func__,
                      "primitive 0x%04x is not done; GL_LINES, GL_TRIANGLES and "
                      "GL_QUADS are",
                      mode);
    recording.primitive = mode;
    recording.current.corners = 0;
}

// A primitive left unfinished is dropped, as OpenGL drops it.
void glEnd()
{
    if (!recording.primitive)
        return refuse(__func__, "no glBegin before it");
    recording.primitive = 0;
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    const float position[3] = {x, y, z};
    recordVertex(__func__, position);
}

// Compiled as the vertex (and normal) the arrays hold now, as OpenGL compiles it.
void glArrayElement(GLint i)
{
    const ClientArray& n = gl.normalArray;
    if (n.enabled)
        glNormal3fv(reinterpret_cast<const float*>(n.pointer + i * (n.stride ? n.stride : 12)));
    const ClientArray& v = gl.vertexArray;
    if (v.enabled)
        recordVertex(__func__,
                     reinterpret_cast<const float*>(v.pointer + i * (v.stride ? v.stride : 12)));
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
