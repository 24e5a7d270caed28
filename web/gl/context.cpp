#include <GL/glut.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cstring>

#include "web/gl/arrays.h"
#include "web/gl/gl_state.h"
#include "web/gl/lists.h"
#include "web/gl/program.h"
#include "web/gl/refuse.h"
#include "web/gl/text.h"
#include "web/gl/web_gl.h"
#include "web/gl/webgl_record.h"

WebGlRecord webGl;

namespace {

// The page asks for the context before this code has even loaded, so that the browser
// readies its GPU side meanwhile; the first request for a canvas's context sets its
// attributes, and a later one only gets the same context back. So the attributes are
// defined once, on the page, as Module.webGlAttributes, and both requests take them from
// there: they cannot differ.
int pageAttribute(const char* name)
{
    return EM_ASM_INT({ return Module.webGlAttributes[UTF8ToString($0)]; }, name);
}

EmscriptenWebGLContextAttributes pageAttributes()
{
    EmscriptenWebGLContextAttributes a;
    emscripten_webgl_init_context_attributes(&a);
    if (!EM_ASM_INT(return !!Module.webGlAttributes)) {
        refuse("startWebGl", "the page defines no Module.webGlAttributes");
        return a;
    }
    a.alpha = pageAttribute("alpha");
    a.antialias = pageAttribute("antialias");
    a.depth = pageAttribute("depth");
    a.stencil = pageAttribute("stencil");
    a.majorVersion = pageAttribute("majorVersion");
    a.enableExtensionsByDefault = pageAttribute("enableExtensionsByDefault");
    return a;
}

// Everything the layer keeps in WebGL, made from nothing: at the start, and again in a
// context given back after a loss. OpenGL's state and the display lists live on this side
// and are sent again; every record of what WebGL holds starts from "nothing sent".
WebGlStart makeContextObjects()
{
    std::memset(&webGl, 0, sizeof webGl);
    makeListBuffer();
    makeArrayBuffers();
    WebGlStart made = buildSceneProgram();
    if (made == WebGlStart::started)
        made = buildText();
    sendFixedState();
    return made;
}

}  // namespace

WebGlStart startWebGl(const char* canvas)
{
    const EmscriptenWebGLContextAttributes attributes = pageAttributes();
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context(canvas, &attributes);
    if (context <= 0 ||
        emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        report("the browser gives no WebGL %d context", attributes.majorVersion);
        return WebGlStart::noWebGl;
    }
    return makeContextObjects();
}

WebGlStart restoreWebGl()
{
    return makeContextObjects();
}

void resetGlLayer()
{
    resetGlState();
    resetLists();
}

extern "C" {

// The browser shows what was drawn once the callback that drew it returns.
void glutSwapBuffers()
{
}

}  // extern "C"
