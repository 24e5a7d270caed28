// tanks in a web browser: the native game's start-up, with the page's canvas for a window
// and the browser's timers and events for GLUT's loop and callbacks. Here the page's pieces
// are wired together; none of them calls back up: away lets go of the inputs, the inputs
// press the game's keys, the keys run the loop, the loop runs the game.
#include "render/scene.h"
#include "web/away.h"
#include "web/browser_input.h"
#include "web/browser_loop.h"
#include "web/gamepad.h"
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
    listenForAway(canvas);
    // The pad is read once a tick, before the tick, and as often while paused so that its
    // Start can go on.
    startLoops(pollGamepad);
    return 0;  // the runtime lives on for the timers and events
}
