#include "tests/web/fake_webgl.h"

#include <webgl/webgl1.h>

#include <cstring>

FakeWebGl fakeWebGl;

namespace {

struct Attribute {
    bool enabled;
    GLuint buffer;
    int stride;
    intptr_t offset;
    float value[3];
};

// The context's own state, lost with it.
struct Context {
    std::vector<std::vector<uint8_t>> buffers{1};  // by name; 0 is none
    GLuint bound[2];                               // array and element array buffers
    std::vector<std::string> uniformNames;         // by location
    GLuint programInUse;
    std::map<GLuint, std::map<std::string, std::vector<float>>> uniforms;  // by program
    Attribute attributes[2];
    GLuint next = 1;
} context;

GLuint& binding(GLenum target)
{
    return context.bound[target == GL_ELEMENT_ARRAY_BUFFER];
}

void setUniform(GLint location, const float* v, int count)
{
    if (location >= 0 && location < int(context.uniformNames.size()))
        context.uniforms[context.programInUse][context.uniformNames[size_t(location)]].assign(
            v, v + count);
}

// Vertex v of attribute 0, from the buffer it was pointed at; nothing past the buffer's end.
void readPosition(FakeDraw& draw, int v)
{
    const Attribute& p = context.attributes[0];
    const std::vector<uint8_t>& data = context.buffers[p.buffer];
    const size_t at = size_t(p.offset + v * p.stride);
    if (at + 12 > data.size())
        return;
    for (int k = 0; k < 3; ++k) {
        float c = 0;
        std::memcpy(&c, data.data() + at + k * 4, 4);
        draw.positions.push_back(c);
    }
}

FakeDraw newDraw(GLenum mode, GLint first, GLsizei count)
{
    FakeDraw draw{mode,
                  first,
                  count,
                  {},
                  context.uniforms[context.programInUse],
                  !context.attributes[1].enabled,
                  {}};
    std::memcpy(draw.normal, context.attributes[1].value, sizeof draw.normal);
    return draw;
}

}  // namespace

void loseFakeContext()
{
    context = Context{};
    fakeWebGl.viewport = {};
    fakeWebGl.clearColor = {};
    fakeWebGl.enabled.clear();
}

extern "C" {

void emscripten_glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    FakeDraw draw = newDraw(mode, first, count);
    for (int v = first; v < first + count; ++v)
        readPosition(draw, v);
    fakeWebGl.draws.push_back(draw);
}

void emscripten_glDrawElements(GLenum mode, GLsizei count, GLenum, const void* offset)
{
    FakeDraw draw = newDraw(mode, 0, count);
    const std::vector<uint8_t>& indices = context.buffers[binding(GL_ELEMENT_ARRAY_BUFFER)];
    for (int k = 0; k < count; ++k) {
        uint16_t index = 0;
        std::memcpy(&index, indices.data() + reinterpret_cast<intptr_t>(offset) + 2 * k, 2);
        readPosition(draw, index);
    }
    fakeWebGl.draws.push_back(draw);
}

void emscripten_glGenBuffers(GLsizei n, GLuint* names)
{
    for (int k = 0; k < n; ++k) {
        names[k] = GLuint(context.buffers.size());
        context.buffers.emplace_back();
    }
}

void emscripten_glBindBuffer(GLenum target, GLuint buffer)
{
    binding(target) = buffer;
}

void emscripten_glBufferData(GLenum target, GLsizeiptr size, const void* data, GLenum)
{
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    context.buffers[binding(target)].assign(bytes, bytes + size);
    ++fakeWebGl.bufferFills;
}

void emscripten_glBufferSubData(GLenum target, GLintptr offset, GLsizeiptr size, const void* data)
{
    std::memcpy(context.buffers[binding(target)].data() + offset, data, size_t(size));
    ++fakeWebGl.bufferFills;
}

void emscripten_glVertexAttribPointer(GLuint index, GLint, GLenum, GLboolean, GLsizei stride,
                                      const void* pointer)
{
    Attribute& a = context.attributes[index];
    a.buffer = binding(GL_ARRAY_BUFFER);
    a.stride = stride;
    a.offset = reinterpret_cast<intptr_t>(pointer);
}

void emscripten_glEnableVertexAttribArray(GLuint index)
{
    context.attributes[index].enabled = true;
}

void emscripten_glDisableVertexAttribArray(GLuint index)
{
    context.attributes[index].enabled = false;
}

void emscripten_glVertexAttrib3fv(GLuint index, const GLfloat* v)
{
    std::memcpy(context.attributes[index].value, v, sizeof context.attributes[index].value);
}

GLint emscripten_glGetUniformLocation(GLuint, const GLchar* name)
{
    context.uniformNames.push_back(name);
    return GLint(context.uniformNames.size() - 1);
}

void emscripten_glUniform1f(GLint location, GLfloat v0)
{
    setUniform(location, &v0, 1);
}

void emscripten_glUniform1i(GLint location, GLint v0)
{
    const float v = float(v0);
    setUniform(location, &v, 1);
}

void emscripten_glUniform2f(GLint location, GLfloat v0, GLfloat v1)
{
    const float v[2] = {v0, v1};
    setUniform(location, v, 2);
}

void emscripten_glUniform4f(GLint location, GLfloat v0, GLfloat v1, GLfloat v2, GLfloat v3)
{
    const float v[4] = {v0, v1, v2, v3};
    setUniform(location, v, 4);
}

void emscripten_glUniform3fv(GLint location, GLsizei count, const GLfloat* v)
{
    setUniform(location, v, 3 * count);
}

void emscripten_glUniform4fv(GLint location, GLsizei count, const GLfloat* v)
{
    setUniform(location, v, 4 * count);
}

void emscripten_glUniformMatrix3fv(GLint location, GLsizei count, GLboolean, const GLfloat* v)
{
    setUniform(location, v, 9 * count);
}

void emscripten_glUniformMatrix4fv(GLint location, GLsizei count, GLboolean, const GLfloat* v)
{
    setUniform(location, v, 16 * count);
}

void emscripten_glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    fakeWebGl.viewport = {x, y, width, height};
}

void emscripten_glClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)
{
    fakeWebGl.clearColor = {red, green, blue, alpha};
}

void emscripten_glEnable(GLenum cap)
{
    fakeWebGl.enabled.insert(cap);
}

void emscripten_glDisable(GLenum cap)
{
    fakeWebGl.enabled.erase(cap);
}

void emscripten_glUseProgram(GLuint program)
{
    context.programInUse = program;
}

GLuint emscripten_glCreateShader(GLenum)
{
    return context.next++;
}

GLuint emscripten_glCreateProgram()
{
    return context.next++;
}

void emscripten_glGetShaderiv(GLuint, GLenum, GLint* params)
{
    *params = !fakeWebGl.shadersFail;
}

void emscripten_glGetProgramiv(GLuint, GLenum, GLint* params)
{
    *params = !fakeWebGl.programsFail;
}

void emscripten_glGetShaderInfoLog(GLuint, GLsizei size, GLsizei*, GLchar* log)
{
    std::strncpy(log, "ERROR: 0:1: fake", size_t(size));
}

void emscripten_glGetProgramInfoLog(GLuint, GLsizei size, GLsizei*, GLchar* log)
{
    std::strncpy(log, "ERROR: fake", size_t(size));
}

void emscripten_glGenTextures(GLsizei n, GLuint* names)
{
    for (int k = 0; k < n; ++k)
        names[k] = context.next++;
}

// What draws nothing and answers nothing.
void emscripten_glAttachShader(GLuint, GLuint)
{
}
void emscripten_glBindAttribLocation(GLuint, GLuint, const GLchar*)
{
}
void emscripten_glBindTexture(GLenum, GLuint)
{
}
void emscripten_glClear(GLbitfield)
{
}
void emscripten_glCompileShader(GLuint)
{
}
void emscripten_glLinkProgram(GLuint)
{
}
void emscripten_glPixelStorei(GLenum, GLint)
{
}
void emscripten_glShaderSource(GLuint, GLsizei, const GLchar* const*, const GLint*)
{
}
void emscripten_glTexImage2D(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum,
                             const void*)
{
}
void emscripten_glTexParameteri(GLenum, GLenum, GLint)
{
}

void emscripten_webgl_init_context_attributes(EmscriptenWebGLContextAttributes* attributes)
{
    *attributes = {};
}

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE
emscripten_webgl_create_context(const char*, const EmscriptenWebGLContextAttributes* attributes)
{
    fakeWebGl.attributes = *attributes;
    return fakeWebGl.noContext ? 0 : 1;
}

EMSCRIPTEN_RESULT emscripten_webgl_make_context_current(EMSCRIPTEN_WEBGL_CONTEXT_HANDLE)
{
    return EMSCRIPTEN_RESULT_SUCCESS;
}

}  // extern "C"
