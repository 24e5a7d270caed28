#include "web/page_fit.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

#include "render/scene.h"
#include "web/gl/web_gl.h"

namespace {

// Drawing buffer pixels per CSS pixel at most: beyond 2 a software renderer cannot keep
// the game's pace, and the eye gains little.
constexpr double maxPixelScale = 2;

const char* fittedCanvas;

struct Fit {
    int width, height;  // the window, in CSS pixels
    double scale;       // drawing buffer pixels per CSS pixel
};
Fit fitted;

Fit fitOfPage()
{
    double cssWidth = 0, cssHeight = 0;
    emscripten_get_element_css_size(fittedCanvas, &cssWidth, &cssHeight);
    return {int(std::lround(cssWidth)), int(std::lround(cssHeight)),
            std::min(emscripten_get_device_pixel_ratio(), maxPixelScale)};
}

void fitCanvas(const Fit& fit)
{
    fitted = fit;
    setPixelScale(float(fit.scale));
    emscripten_set_canvas_element_size(fittedCanvas,
                                       std::max(1, int(std::lround(fit.width * fit.scale))),
                                       std::max(1, int(std::lround(fit.height * fit.scale))));
    onReshape(fit.width, fit.height);
}

// Browsers also send resizes that change nothing (a screenshot tool's, a scroll bar's);
// those leave the canvas and its picture alone.
EM_BOOL onResize(int /*eventType*/, const EmscriptenUiEvent* /*e*/, void* /*unused*/)
{
    const Fit fit = fitOfPage();
    if (fit.width == fitted.width && fit.height == fitted.height && fit.scale == fitted.scale)
        return false;
    fitCanvas(fit);
    // A new size clears the canvas; GLUT too redraws a window after it has changed size.
    drawFrame();
    return false;
}

}  // namespace

void fitCanvasToPage(const char* canvas)
{
    fittedCanvas = canvas;
    fitCanvas(fitOfPage());
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, false, onResize);
}
