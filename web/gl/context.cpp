#include <GL/glut.h>
#include <emscripten/html5.h>

#include "web/gl/arrays.h"
#include "web/gl/lists.h"
#include "web/gl/program.h"
#include "web/gl/text.h"
#include "web/gl/web_gl.h"

bool startWebGl(const char* canvas)
{
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    // The native window is opaque and not multisampled; its depth buffer is 24 bits.
    attributes.alpha = false;
    attributes.antialias = false;
    attributes.depth = true;
    attributes.stencil = false;
    attributes.majorVersion = 1;
    // The layer uses plain WebGL 1 alone; switching on every extension costs the first
    // frame a few hundred milliseconds.
    attributes.enableExtensionsByDefault = false;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context(canvas, &attributes);
    if (context <= 0 || emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS)
        return false;
    createListBuffer();
    createArrayBuffers();
    return buildSceneProgram() && buildText();
}

extern "C" {

// The browser shows what was drawn once the callback that drew it returns.
void glutSwapBuffers()
{
}

}  // extern "C"
