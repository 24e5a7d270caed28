// Each glyph is a quad cut from one texture of every glyph side by side, placed on whole
// pixels as OpenGL places a bitmap, in the colour current when the raster position was set.
// The texture stays bound to unit 0: nothing else uses a texture. On a high-DPI screen each
// glyph pixel becomes a square of whole drawing-buffer pixels, so the text stays crisp.
#include <GL/glut.h>
#include <webgl/webgl1.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "web/gl/gl_state.h"
#include "web/gl/glyphs.h"
#include "web/gl/lists.h"
#include "web/gl/program.h"
#include "web/gl/refuse.h"
#include "web/gl/text.h"
#include "web/gl/webgl_record.h"

namespace {

const char* const vertexShader = R"(
attribute vec2 corner;
attribute vec2 texel;
uniform vec2 origin;
uniform float zoom;
uniform vec4 viewport;
uniform float depth;
varying vec2 at;

void main()
{
    vec2 window = origin + corner * zoom - viewport.xy;
    gl_Position = vec4(window / viewport.zw * 2.0 - 1.0, depth, 1.0);
    at = texel;
}
)";

const char* const fragmentShader = R"(
precision mediump float;
uniform sampler2D glyphs;
uniform vec4 color;
varying vec2 at;

void main()
{
    if (texture2D(glyphs, at).a < 0.5)
        discard;
    gl_FragColor = color;
}
)";

constexpr int atlasWidth = 2048;  // wider than all glyphs side by side
constexpr int cornersPerGlyph = 6;

enum Uniform { origin, zoom, viewport, depth, color, uniformCount };
static_assert(uniformCount == textUniformCount, "the record holds every location");
const char* const uniformNames[uniformCount] = {"origin", "zoom", "viewport", "depth", "color"};
GLint* const locations = webGl.textUniforms;

int rowBytes(int width)
{
    return (width + 7) / 8;
}

bool pixelSet(const uint8_t* glyph, int x, int y)
{
    const uint8_t* rows = glyph + 1;
    return rows[y * rowBytes(glyph[0]) + x / 8] & (0x80 >> (x % 8));
}

// One alpha byte a pixel; rows from the bottom, as the glyphs store them.
void buildAtlas(int (&left)[glyphCount])
{
    static uint8_t atlas[glyphRows][atlasWidth];
    const GlyphFont& font = helvetica18;
    int x = 0;
    for (int g = 0; g < glyphCount; ++g) {
        const uint8_t* glyph = font.glyphs[g];
        left[g] = x;
        for (int row = 0; row < font.height; ++row)
            for (int column = 0; column < glyph[0]; ++column)
                atlas[row][x + column] = pixelSet(glyph, column, row) ? 255 : 0;
        x += glyph[0];
    }
    emscripten_glGenTextures(1, &webGl.glyphTexture);
    emscripten_glBindTexture(GL_TEXTURE_2D, webGl.glyphTexture);
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, atlasWidth, font.height, 0, GL_ALPHA,
                            GL_UNSIGNED_BYTE, atlas);
    for (GLenum p : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER})
        emscripten_glTexParameteri(GL_TEXTURE_2D, p, GL_NEAREST);
    for (GLenum p : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T})
        emscripten_glTexParameteri(GL_TEXTURE_2D, p, GL_CLAMP_TO_EDGE);
}

// Per glyph two triangles: pixel corners, then texture coordinates.
void buildQuads(const int (&left)[glyphCount])
{
    static float corners[glyphCount * cornersPerGlyph][4];
    const float h = float(helvetica18.height);
    for (int g = 0; g < glyphCount; ++g) {
        const float w = float(helvetica18.glyphs[g][0]);
        const float s0 = float(left[g]) / atlasWidth;
        const float s1 = (float(left[g]) + w) / atlasWidth;
        const float quad[cornersPerGlyph][4] = {{0, 0, s0, 0}, {w, 0, s1, 0}, {w, h, s1, 1},
                                                {0, 0, s0, 0}, {w, h, s1, 1}, {0, h, s0, 1}};
        for (int c = 0; c < cornersPerGlyph; ++c)
            for (int k = 0; k < 4; ++k)
                corners[g * cornersPerGlyph + c][k] = quad[c][k];
    }
    emscripten_glGenBuffers(1, &webGl.glyphQuads);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, webGl.glyphQuads);
    emscripten_glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
}

}  // namespace

WebGlStart buildText()
{
    const char* const attributes[] = {"corner", "texel"};
    const WebGlStart built =
        linkProgram(vertexShader, fragmentShader, attributes, 2, webGl.textProgram);
    if (built != WebGlStart::started)
        return built;
    for (int u = 0; u < uniformCount; ++u)
        locations[u] = emscripten_glGetUniformLocation(webGl.textProgram, uniformNames[u]);
    int left[glyphCount];
    buildAtlas(left);
    buildQuads(left);
    return built;
}

extern "C" {

// The overlay places its text with lighting off, so the raster colour is the current one;
// a lit one would be the lit material's.
void glRasterPos2i(GLint x, GLint y)
{
    if (refusedInList(__func__))
        return;
    if (gl.lighting)
        return refuse(__func__, "with GL_LIGHTING on is not done");
    RasterPosition& raster = gl.raster;
    const float object[4] = {float(x), float(y), 0, 1};
    float eye[4], clip[4];
    transform(currentModelview(), object, eye);
    transform(currentProjection(), eye, clip);
    const float w = clip[3];
    raster.valid =
        w > 0 && std::fabs(clip[0]) <= w && std::fabs(clip[1]) <= w && std::fabs(clip[2]) <= w;
    if (!raster.valid)
        return;
    const int* v = gl.viewport;
    raster.x = float(v[0]) + (clip[0] / w + 1) * 0.5f * float(v[2]);
    raster.y = float(v[1]) + (clip[1] / w + 1) * 0.5f * float(v[3]);
    raster.z = (clip[2] / w + 1) * 0.5f;
    for (int k = 0; k < 4; ++k)
        raster.color[k] = gl.color[k];
    // A fractional zoom would stretch some glyph pixels and not others.
    raster.zoom = std::max(1, int(std::lround(gl.pixelScale)));
    webGl.rasterSent = false;
}

void glutBitmapCharacter(void* font, int character)
{
    const GlyphFont& f = helvetica18;
    if (refusedInList(__func__))
        return;
    if (font != GLUT_BITMAP_HELVETICA_18)
        return refuse(__func__, "only GLUT_BITMAP_HELVETICA_18 is done");
    if (character < f.first || character > f.last)
        return refuse(__func__, "character %d is not done; ' ' to '~' are", character);
    RasterPosition& raster = gl.raster;
    if (!raster.valid)
        return;
    const int g = character - f.first;
    const int scale = raster.zoom;
    // As Mesa does: the lower-left pixel is the floor of the raster position, nudged up.
    constexpr float nudge = 0.0001f;
    const float left = std::floor(raster.x + nudge - float(f.xorig * scale));
    const float bottom = std::floor(raster.y + nudge - float(f.yorig * scale));
    useProgram(webGl.textProgram);
    if (!webGl.rasterSent) {
        emscripten_glUniform4f(locations[viewport], float(gl.viewport[0]), float(gl.viewport[1]),
                               float(gl.viewport[2]), float(gl.viewport[3]));
        emscripten_glUniform1f(locations[depth], raster.z * 2 - 1);
        emscripten_glUniform4fv(locations[color], 1, raster.color);
        emscripten_glUniform1f(locations[zoom], float(scale));
        webGl.rasterSent = true;
    }
    emscripten_glUniform2f(locations[origin], left, bottom);
    bindAttribute(0, 2, {webGl.glyphQuads, 0, 16});
    bindAttribute(1, 2, {webGl.glyphQuads, 8, 16});
    emscripten_glDrawArrays(GL_TRIANGLES, g * cornersPerGlyph, cornersPerGlyph);
    raster.x += float(f.glyphs[g][0] * scale);
}

}  // extern "C"
