#include "web/graphics.h"

#include <emscripten/emscripten.h>

#include "render/scene.h"
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

}  // namespace

bool startGraphics(const char* canvas)
{
    return tellPage(startWebGl(canvas));
}

bool restoreGraphics()
{
    if (!tellPage(restoreWebGl()))
        return false;
    drawFrame();
    return true;
}
