// The GLUT keyboard callbacks.
#pragma once

void onKeyDown(unsigned char key, int x, int y);
void onKeyUp(unsigned char key, int x, int y);

// The tick that "/" stops and starts as GLUT's idle callback and that "." runs once. Handed
// in rather than named here: the tick reads the keys, so naming it would loop the includes.
void keysRunTick(void (*tick)());
