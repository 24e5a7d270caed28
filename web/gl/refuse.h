// The layer does what render/ asks of OpenGL 1.1 as OpenGL does it, and nothing more.
// Anything beyond that (a capacity exceeded; a mode, parameter or call the layer does not
// do) would draw wrong without a word, so it stops the program instead, naming the call and
// the limit on the console. Where OpenGL itself draws nothing, as for a raster position
// outside the window, the layer draws nothing too, quietly.
#pragma once

// Prints "GL layer: <call>: <limit>" on the console and aborts. It returns only to a test
// that has set a handler of its own; the caller then leaves its call without an effect.
[[gnu::format(printf, 2, 3)]] void refuse(const char* call, const char* limit, ...);

// Prints "GL layer: " and the message on the console, and goes on: for what the browser
// refused the layer, such as a shader's compile log.
[[gnu::format(printf, 1, 2)]] void report(const char* what, ...);

// For tests, which cannot watch a program abort under node: the handler gets the message
// instead and refuse() returns. nullptr puts the abort back.
using RefusalHandler = void (*)(const char* message);
void setRefusalHandler(RefusalHandler handler);
