// The GL layer's own start: a WebGL context on the page's canvas, made current, with the
// shaders and buffers that stand in for OpenGL 1.1's fixed pipeline.
#pragma once

// Canvas as a CSS selector, e.g. "#canvas". False when the browser gives no WebGL.
bool startWebGl(const char* canvas);

// How many drawing-buffer pixels one window pixel covers: the page's device pixel ratio,
// capped. render/ measures the window, its viewport and its raster positions in window
// pixels, as the native build does; the layer draws them at the buffer's resolution. 1
// until set; a scale that is not a positive number counts as 1.
void setPixelScale(float scale);
