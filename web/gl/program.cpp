#include "web/gl/program.h"

#include <cstdint>
#include <cstring>

#include "web/gl/refuse.h"
#include "web/gl/webgl_record.h"

namespace {

char infoLog[4096];

GLuint compile(GLenum type, const char* source)
{
    const GLuint shader = emscripten_glCreateShader(type);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    GLint compiled = 0;
    emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled)
        return shader;
    emscripten_glGetShaderInfoLog(shader, sizeof infoLog, nullptr, infoLog);
    report("a %s shader did not compile: %s", type == GL_VERTEX_SHADER ? "vertex" : "fragment",
           infoLog);
    return 0;
}

}  // namespace

WebGlStart linkProgram(const char* vertexSource, const char* fragmentSource,
                       const char* const* attributes, int attributeCount, GLuint& program)
{
    const GLuint vertex = compile(GL_VERTEX_SHADER, vertexSource);
    const GLuint fragment = compile(GL_FRAGMENT_SHADER, fragmentSource);
    if (!vertex || !fragment)
        return WebGlStart::shaderNotCompiled;
    program = emscripten_glCreateProgram();
    emscripten_glAttachShader(program, vertex);
    emscripten_glAttachShader(program, fragment);
    for (int k = 0; k < attributeCount; ++k)
        emscripten_glBindAttribLocation(program, GLuint(k), attributes[k]);
    emscripten_glLinkProgram(program);
    GLint linked = 0;
    emscripten_glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked)
        return WebGlStart::started;
    emscripten_glGetProgramInfoLog(program, sizeof infoLog, nullptr, infoLog);
    report("a program did not link: %s", infoLog);
    return WebGlStart::programNotLinked;
}

void useProgram(GLuint program)
{
    if (program == webGl.programInUse)
        return;
    emscripten_glUseProgram(program);
    webGl.programInUse = program;
}

void bindAttribute(GLuint index, int size, AttributeSource source)
{
    AttributeBinding& bound = webGl.attributes[index];
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

// A new context gives every attribute (0, 0, 0, 1), as a zeroed record says.
void constantAttribute(GLuint index, const float value[3])
{
    AttributeBinding& bound = webGl.attributes[index];
    if (!bound.fromArray && std::memcmp(bound.value, value, sizeof bound.value) == 0)
        return;
    if (bound.fromArray)
        emscripten_glDisableVertexAttribArray(index);
    emscripten_glVertexAttrib3fv(index, value);
    bound.fromArray = false;
    std::memcpy(bound.value, value, sizeof bound.value);
}
