// The seam for time and the mouse: the game uses SDL's clock, delay and mouse state;
// tests put a fake clock and mouse here so that frames run deterministically.
#ifndef DELVORN_SHELL_IERICES_H
#define DELVORN_SHELL_IERICES_H

#include <SDL.h>

struct Ierices {
  Uint32 (*Tagad)();                 // milliseconds since start
  void (*Gulet)(Uint32 ms);          // sleep
  Uint8 (*Pele)(int* x, int* y);     // mouse position and button mask
};

extern Ierices ierices;

#endif
