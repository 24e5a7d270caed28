// OpenGL 1.1's vertex lighting for positional or directional lights, no local viewer, no
// spot or attenuation, one-sided, per vertex as OpenGL does it, so faces shade as natively.
#include <cstdint>
#include <cstring>

#include "web/gl/gl_state.h"
#include "web/gl/program.h"
#include "web/gl/webgl_record.h"

namespace {

const char* const vertexShader = R"(
attribute vec3 position;
attribute vec3 normal;
uniform mat4 modelview;
uniform mat4 projection;
uniform mat3 normalMatrix;
uniform bool lighting;
uniform vec4 color;
uniform vec3 sceneColor;
uniform float alpha;
uniform vec4 lightPosition[2];
uniform vec3 ambientProduct[2];
uniform vec3 diffuseProduct[2];
uniform vec3 specularProduct[2];
uniform float shininess;
varying vec4 shade;

vec3 lightTerm(vec4 p, vec3 ambient, vec3 diffuse, vec3 specular, vec3 n, vec4 eye)
{
    vec3 toLight = normalize(p.w == 0.0 ? p.xyz : p.xyz / p.w - eye.xyz / eye.w);
    float facingLight = max(dot(n, toLight), 0.0);
    // No local viewer: the eye is taken to look down -z from infinitely far.
    float facingHalf = max(dot(n, normalize(toLight + vec3(0.0, 0.0, 1.0))), 0.0);
    float shine = facingLight > 0.0 && facingHalf > 0.0 ? pow(facingHalf, shininess) : 0.0;
    return ambient + facingLight * diffuse + shine * specular;
}

void main()
{
    vec4 eye = modelview * vec4(position, 1.0);
    gl_Position = projection * eye;
    if (!lighting) {
        shade = color;
        return;
    }
    // Without GL_NORMALIZE the normal is used at the length the transform leaves it.
    vec3 n = normalMatrix * normal;
    vec3 sum = sceneColor
        + lightTerm(lightPosition[0], ambientProduct[0], diffuseProduct[0], specularProduct[0], n, eye)
        + lightTerm(lightPosition[1], ambientProduct[1], diffuseProduct[1], specularProduct[1], n, eye);
    shade = vec4(clamp(sum, 0.0, 1.0), alpha);
}
)";

const char* const fragmentShader = R"(
precision mediump float;
varying vec4 shade;

void main()
{
    gl_FragColor = shade;
}
)";

enum Uniform {
    modelview,
    projection,
    normalMatrix,
    lighting,
    color,
    sceneColor,
    alpha,
    lightPosition,
    ambientProduct,
    diffuseProduct,
    specularProduct,
    shininess,
    uniformCount
};
static_assert(uniformCount == sceneUniformCount, "the record holds every location");
const char* const uniformNames[uniformCount] = {
    "modelview",      "projection",     "normalMatrix",    "lighting",
    "color",          "sceneColor",     "alpha",           "lightPosition",
    "ambientProduct", "diffuseProduct", "specularProduct", "shininess"};

GLint* const locations = webGl.sceneUniforms;

// Normals go through the inverse transpose of the modelview's upper 3 x 3.
void normalMatrixOf(const Matrix& mv, float out[9])
{
    const float* m = mv.m;
    const float a = m[0], b = m[4], c = m[8];
    const float d = m[1], e = m[5], f = m[9];
    const float g = m[2], h = m[6], k = m[10];
    const float det = a * (e * k - f * h) - b * (d * k - f * g) + c * (d * h - e * g);
    const float s = det != 0 ? 1 / det : 0;
    // Column-major: out[col * 3 + row] holds the inverse's transpose at (row, col).
    const float inverseTransposed[9] = {
        (e * k - f * h) * s, (c * h - b * k) * s, (b * f - c * e) * s,
        (f * g - d * k) * s, (a * k - c * g) * s, (c * d - a * f) * s,
        (d * h - e * g) * s, (b * g - a * h) * s, (a * e - b * d) * s,
    };
    for (int k2 = 0; k2 < 9; ++k2)
        out[k2] = inverseTransposed[k2];
}

void product(const float* a, const float* b, float* out)
{
    for (int k = 0; k < 3; ++k)
        out[k] = a[k] * b[k];
}

// The light model's ambient, 0.2 by default, and no emission.
LightingUniforms lightingNow()
{
    LightingUniforms u = {};
    u.lighting = gl.lighting;
    std::memcpy(u.color, gl.color, sizeof u.color);
    const float globalAmbient[3] = {0.2f, 0.2f, 0.2f};
    product(globalAmbient, gl.materialAmbient, u.sceneColor);
    u.alpha = gl.materialDiffuse[3];
    for (int i = 0; i < 2; ++i) {
        const Light& l = gl.lights[i];
        std::memcpy(u.positions[i], l.position, sizeof u.positions[i]);
        if (!l.enabled)
            continue;  // a light switched off adds nothing
        product(l.ambient, gl.materialAmbient, u.ambient[i]);
        product(l.diffuse, gl.materialDiffuse, u.diffuse[i]);
        product(l.specular, gl.materialSpecular, u.specular[i]);
    }
    u.shininess = gl.shininess;
    return u;
}

// Most changes between objects are one colour, so only the uniforms that differ are sent.
template <typename T>
bool changed(const T& now, const T& before)
{
    return !webGl.sceneUniformsSent || std::memcmp(&now, &before, sizeof now) != 0;
}

void sendLighting()
{
    const LightingUniforms u = lightingNow();
    LightingUniforms& sent = webGl.lighting;
    if (changed(u.lighting, sent.lighting))
        emscripten_glUniform1i(locations[lighting], u.lighting);
    if (changed(u.color, sent.color))
        emscripten_glUniform4fv(locations[color], 1, u.color);
    if (changed(u.sceneColor, sent.sceneColor))
        emscripten_glUniform3fv(locations[sceneColor], 1, u.sceneColor);
    if (changed(u.alpha, sent.alpha))
        emscripten_glUniform1f(locations[alpha], u.alpha);
    if (changed(u.positions, sent.positions))
        emscripten_glUniform4fv(locations[lightPosition], 2, u.positions[0]);
    if (changed(u.ambient, sent.ambient))
        emscripten_glUniform3fv(locations[ambientProduct], 2, u.ambient[0]);
    if (changed(u.diffuse, sent.diffuse))
        emscripten_glUniform3fv(locations[diffuseProduct], 2, u.diffuse[0]);
    if (changed(u.specular, sent.specular))
        emscripten_glUniform3fv(locations[specularProduct], 2, u.specular[0]);
    if (changed(u.shininess, sent.shininess))
        emscripten_glUniform1f(locations[shininess], u.shininess);
    sent = u;
}

}  // namespace

WebGlStart buildSceneProgram()
{
    const char* const attributes[] = {"position", "normal"};
    const WebGlStart built =
        linkProgram(vertexShader, fragmentShader, attributes, 2, webGl.sceneProgram);
    if (built != WebGlStart::started)
        return built;
    for (int u = 0; u < uniformCount; ++u)
        locations[u] = emscripten_glGetUniformLocation(webGl.sceneProgram, uniformNames[u]);
    return built;
}

void prepareSceneDraw(AttributeSource position, const AttributeSource* normal,
                      const float constantNormal[3])
{
    useProgram(webGl.sceneProgram);
    emscripten_glUniformMatrix4fv(locations[modelview], 1, GL_FALSE, currentModelview().m);
    float normals[9];
    normalMatrixOf(currentModelview(), normals);
    emscripten_glUniformMatrix3fv(locations[normalMatrix], 1, GL_FALSE, normals);
    WebGlRecord& sent = webGl;
    if (!sent.sceneUniformsSent || sent.projectionVersion != gl.projectionVersion) {
        emscripten_glUniformMatrix4fv(locations[projection], 1, GL_FALSE, currentProjection().m);
        sent.projectionVersion = gl.projectionVersion;
    }
    if (!sent.sceneUniformsSent || sent.lightingVersion != gl.lightingVersion) {
        sendLighting();
        sent.lightingVersion = gl.lightingVersion;
    }
    sent.sceneUniformsSent = true;
    bindAttribute(0, 3, position);
    if (normal)
        bindAttribute(1, 3, *normal);
    else
        constantAttribute(1, constantNormal);
}
