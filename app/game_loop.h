// The GLUT idle callback: one tick of the world, then a redisplay and a short sleep.
#pragma once

void simulationTick();
