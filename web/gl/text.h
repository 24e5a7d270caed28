// GLUT's bitmap text at the raster position.
#pragma once

// The glyphs' texture, their quads and the shader that draws them.
bool buildText();
