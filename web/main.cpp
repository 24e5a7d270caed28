// tanks in a web browser: the native game's start-up, with the page's canvas for a window
// and the browser's timers and events for GLUT's loop and callbacks.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "render/scene.h"
#include "web/browser_input.h"
#include "web/browser_loop.h"
#include "web/gl/web_gl.h"

int main()
{
    constexpr const char* canvas = "#canvas";
    if (!startWebGl(canvas)) {
        EM_ASM(if (Module.onNoWebGl) Module.onNoWebGl(););
        return 0;
    }
    initScene();
    // GLUT's first reshape comes before the first frame.
    int width = 0, height = 0;
    emscripten_get_canvas_element_size(canvas, &width, &height);
    onReshape(width, height);
    listenToInput(canvas);
    startLoops();
    return 0;  // the runtime lives on for the timers and events
}
