// GLUT's bitmap text at the raster position.
#pragma once

#include "web/gl/web_gl.h"

// The glyphs' texture, their quads and the shader that draws them.
WebGlStart buildText();
