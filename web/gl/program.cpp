#include "web/gl/program.h"

#include <cstdint>
#include <cstring>

namespace {

GLuint programInUse;

// What each attribute was last given; an unused slot reads as nothing bound.
struct AttributeBinding {
    bool fromArray;
    int size;
    AttributeSource source;
    float value[3];
};
AttributeBinding attributes[2];

GLuint compile(GLenum type, const char* source)
{
    const GLuint shader = emscripten_glCreateShader(type);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    GLint compiled = 0;
    emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    return compiled ? shader : 0;
}

}  // namespace

GLuint linkProgram(const char* vertexSource, const char* fragmentSource,
                   const char* const* attributes, int attributeCount)
{
    const GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource);
    const GLuint fragment = compile(GL_FRAGMENT_SHADER, fragmentSource);
    if (!vertex || !fragment)
        return 0;
    const GLuint program = emscripten_glCreateProgram();
    emscripten_glAttachShader(program, vertex);
    emscripten_glAttachShader(program, fragment);
    for (int k = 0; k < attributeCount; ++k)
        emscripten_glBindAttribLocation(program, GLuint(k), attributes[k]);
    emscripten_glLinkProgram(program);
    GLint linked = 0;
    emscripten_glGetProgramiv(program, GL_LINK_STATUS, &linked);
    return linked ? program : 0;
}

void useProgram(GLuint program)
{
    if (program == programInUse)
        return;
    emscripten_glUseProgram(program);
    programInUse = program;
}

void bindAttribute(GLuint index, int size, AttributeSource source)
{
    AttributeBinding& bound = attributes[index];
    if (bound.fromArray && bound.size == size && bound.source.buffer == source.buffer &&
        bound.source.offset == source.offset && bound.source.stride == source.stride)
        return;
    if (!bound.fromArray)
        emscripten_glEnableVertexAttribArray(index);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, source.buffer);
    emscripten_glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, source.stride,
                                     reinterpret_cast<const void*>(intptr_t(source.offset)));
    bound.fromArray = true;
    bound.size = size;
    bound.source = source;
}

void constantAttribute(GLuint index, const float value[3])
{
    AttributeBinding& bound = attributes[index];
    if (!bound.fromArray && std::memcmp(bound.value, value, sizeof bound.value) == 0)
        return;
    if (bound.fromArray)
        emscripten_glDisableVertexAttribArray(index);
    emscripten_glVertexAttrib3fv(index, value);
    bound.fromArray = false;
    std::memcpy(bound.value, value, sizeof bound.value);
}
