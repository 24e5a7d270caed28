// Display lists: the vertices recorded once, then replayed from one WebGL buffer.
#pragma once

#include <webgl/webgl1.h>

// Makes the buffer that the lists' vertices are copied into at every glEndList.
void createListBuffer();
