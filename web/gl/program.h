// Shader programs of the GL layer.
#pragma once

#include <webgl/webgl1.h>

#include "web/gl/attribute_source.h"
#include "web/gl/web_gl.h"

// Compiles and links the two shaders, attribute k at location k. A shader that does not
// compile, or a program that does not link, is printed on the console with its log.
WebGlStart linkProgram(const char* vertexSource, const char* fragmentSource,
                       const char* const* attributes, int attributeCount, GLuint& program);

// WebGL calls cross into JavaScript one by one; these skip the ones that would change nothing.
void useProgram(GLuint program);
void bindAttribute(GLuint index, int size, AttributeSource source);
// Every vertex takes the same value: OpenGL's current normal, for one.
void constantAttribute(GLuint index, const float value[3]);

// The fixed-function vertex stage of OpenGL 1.1, as far as the game uses it.
WebGlStart buildSceneProgram();
// Makes the scene program current with today's matrices, lights, material and colour. With
// no normal source every vertex takes constantNormal, as OpenGL's current normal.
void prepareSceneDraw(AttributeSource position, const AttributeSource* normal,
                      const float constantNormal[3]);
