#include "tests/web/fake_webgl.h"

#include <emscripten/html5.h>
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

std::vector<std::vector<uint8_t>> buffers(1);  // by name; 0 is none
GLuint arrayBuffer;
std::vector<std::string> uniformNames;
std::map<std::string, std::vector<float>> uniforms;
Attribute attributes[2];
GLuint next = 1;

void setUniform(GLint location, const float* v, int count)
{
    if (location >= 0 && location < int(uniformNames.size()))
        uniforms[uniformNames[size_t(location)]].assign(v, v + count);
}

}  // namespace

extern "C" {

// The positions of attribute 0, read back from the buffer the layer filled.
void emscripten_glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    FakeDraw draw{mode, first, count, {}, uniforms, !attributes[1].enabled, {}};
    std::memcpy(draw.normal, attributes[1].value, sizeof draw.normal);
    const Attribute& p = attributes[0];
    const std::vector<uint8_t>& data = buffers[p.buffer];
    for (int v = first; v < first + count; ++v)
        for (int k = 0; k < 3; ++k) {
            float c = 0;
            std::memcpy(&c, data.data() + p.offset + v * p.stride + k * 4, 4);
            draw.positions.push_back(c);
        }
    fakeWebGl.draws.push_back(draw);
}

void emscripten_glDrawElements(GLenum mode, GLsizei count, GLenum, const void*)
{
    fakeWebGl.draws.push_back({mode, 0, count, {}, uniforms, !attributes[1].enabled, {}});
}

void emscripten_glGenBuffers(GLsizei n, GLuint* names)
{
    for (int k = 0; k < n; ++k) {
        names[k] = GLuint(buffers.size());
        buffers.emplace_back();
    }
}

void emscripten_glBindBuffer(GLenum target, GLuint buffer)
{
    if (target == GL_ARRAY_BUFFER)
        arrayBuffer = buffer;
}

void emscripten_glBufferData(GLenum target, GLsizeiptr size, const void* data, GLenum)
{
    if (target == GL_ARRAY_BUFFER) {
        const uint8_t* bytes = static_cast<const uint8_t*>(data);
        buffers[arrayBuffer].assign(bytes, bytes + size);
    }
}

void emscripten_glVertexAttribPointer(GLuint index, GLint, GLenum, GLboolean, GLsizei stride,
                                      const void* pointer)
{
    attributes[index].buffer = arrayBuffer;
    attributes[index].stride = stride;
    attributes[index].offset = reinterpret_cast<intptr_t>(pointer);
}

void emscripten_glEnableVertexAttribArray(GLuint index)
{
    attributes[index].enabled = true;
}

void emscripten_glDisableVertexAttribArray(GLuint index)
{
    attributes[index].enabled = false;
}

void emscripten_glVertexAttrib3fv(GLuint index, const GLfloat* v)
{
    std::memcpy(attributes[index].value, v, sizeof attributes[index].value);
}

GLint emscripten_glGetUniformLocation(GLuint, const GLchar* name)
{
    uniformNames.push_back(name);
    return GLint(uniformNames.size() - 1);
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

GLuint emscripten_glCreateShader(GLenum)
{
    return next++;
}

GLuint emscripten_glCreateProgram()
{
    return next++;
}

void emscripten_glGetShaderiv(GLuint, GLenum, GLint* params)
{
    *params = 1;
}

void emscripten_glGetProgramiv(GLuint, GLenum, GLint* params)
{
    *params = 1;
}

void emscripten_glGenTextures(GLsizei n, GLuint* names)
{
    for (int k = 0; k < n; ++k)
        names[k] = next++;
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
void emscripten_glClearColor(GLfloat, GLfloat, GLfloat, GLfloat)
{
}
void emscripten_glCompileShader(GLuint)
{
}
void emscripten_glDisable(GLenum)
{
}
void emscripten_glEnable(GLenum)
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
void emscripten_glUseProgram(GLuint)
{
}

void emscripten_webgl_init_context_attributes(EmscriptenWebGLContextAttributes*)
{
}

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE
emscripten_webgl_create_context(const char*, const EmscriptenWebGLContextAttributes*)
{
    return 1;
}

EMSCRIPTEN_RESULT emscripten_webgl_make_context_current(EMSCRIPTEN_WEBGL_CONTEXT_HANDLE)
{
    return EMSCRIPTEN_RESULT_SUCCESS;
}

}  // extern "C"
