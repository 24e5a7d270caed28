// Display lists: the vertices recorded once, kept here, and replayed from one WebGL buffer.
#pragma once

#include <webgl/webgl1.h>

// Makes the buffer of the lists' vertices and fills it with every list compiled so far.
void makeListBuffer();

// No list generated, none compiled, none being compiled.
void resetLists();

// While a list is being compiled only glBegin, glEnd, vertices and normals go into it;
// any other call would act at once instead, so it is refused. True if it was.
bool refusedInList(const char* call);
