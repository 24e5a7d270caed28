// Client arrays, drawn from WebGL buffers that are refilled only when the arrays change.
#pragma once

void makeArrayBuffers();
