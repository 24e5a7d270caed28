// tanks in a web browser: the native game's start-up, with the page's canvas for a window
// and the browser's timers and events for GLUT's loop and callbacks.
#include "render/scene.h"
#include "web/browser_input.h"
#include "web/browser_loop.h"
#include "web/graphics.h"
#include "web/page_fit.h"
#include "web/touch_controls.h"

int main()
{
    constexpr const char* canvas = "#canvas";
    if (!startGraphics(canvas))
        return 0;
    initScene();
    // GLUT's first reshape comes before the first frame.
    fitCanvasToPage(canvas);
    listenToInput(canvas);
    listenToTouch(canvas);
    listenForLostGraphics(canvas);
    startLoops();
    return 0;  // the runtime lives on for the timers and events
}
