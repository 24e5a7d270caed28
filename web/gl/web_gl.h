// The GL layer's own start: a WebGL context on the page's canvas, made current, with the
// shaders and buffers that stand in for OpenGL 1.1's fixed pipeline.
#pragma once

// Canvas as a CSS selector, e.g. "#canvas". False when the browser gives no WebGL.
bool startWebGl(const char* canvas);
