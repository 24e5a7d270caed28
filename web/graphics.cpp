#include "web/graphics.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "render/scene.h"
#include "web/browser_loop.h"
#include "web/gl/web_gl.h"

namespace {

// The page's name for each failure; it shows what each means.
const char* failureName(WebGlStart start)
{
    switch (start) {
    case WebGlStart::noWebGl: return "no-webgl";
    case WebGlStart::shaderNotCompiled: return "shader";
    case WebGlStart::programNotLinked: return "program";
    default: return nullptr;
    }
}

bool tellPage(WebGlStart start)
{
    if (start == WebGlStart::started)
        return true;
    EM_ASM(
        {
            if (Module.onStartFailed)
                Module.onStartFailed(UTF8ToString($0));
        },
        failureName(start));
    return false;
}

// Cancelled, so that the browser may give the context back.
EM_BOOL onLost(int /*eventType*/, const void* /*reserved*/, void* /*unused*/)
{
    pauseWhileAway();
    EM_ASM(if (Module.onGraphicsLost) Module.onGraphicsLost(););
    return true;
}

EM_BOOL onRestored(int /*eventType*/, const void* /*reserved*/, void* /*unused*/)
{
    if (!tellPage(restoreWebGl()))
        return true;
    drawFrame();
    EM_ASM(if (Module.onGraphicsRestored) Module.onGraphicsRestored(););
    return true;
}

}  // namespace

bool startGraphics(const char* canvas)
{
    return tellPage(startWebGl(canvas));
}

void listenForLostGraphics(const char* canvas)
{
    emscripten_set_webglcontextlost_callback(canvas, nullptr, false, onLost);
    emscripten_set_webglcontextrestored_callback(canvas, nullptr, false, onRestored);
}
