// The GL layer's own start: a WebGL context on the page's canvas, made current, with the
// shaders and buffers that stand in for OpenGL 1.1's fixed pipeline.
#pragma once

// How the start went; each failure is also printed on the console, a shader's or a
// program's with its info log.
enum class WebGlStart { started, noWebGl, shaderNotCompiled, programNotLinked };

// Canvas as a CSS selector, e.g. "#canvas". The context's attributes are the page's
// Module.webGlAttributes (see context.cpp).
WebGlStart startWebGl(const char* canvas);

// After the browser has given back a context it took away: everything the layer keeps in
// WebGL made again, from OpenGL's state and the display lists as the layer holds them.
WebGlStart restoreWebGl();

// OpenGL's state and the display lists as they were before the first call, so that each
// test starts on a fresh layer; startWebGl then makes the context's part again.
void resetGlLayer();

// How many drawing-buffer pixels one window pixel covers: the page's device pixel ratio,
// capped. render/ measures the window, its viewport and its raster positions in window
// pixels, as the native build does; the layer draws them at the buffer's resolution. 1
// until set; a scale that is not a positive number counts as 1.
void setPixelScale(float scale);
