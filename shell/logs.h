// The game's window. The game always draws its 800 x 600 picture into `screen`; a window N
// times as large, or a full screen larger than the picture, gets each frame copied in by our
// own nearest-neighbour scaling, and the pointer is mapped back to the picture.
#ifndef DELVORN_SHELL_LOGS_H
#define DELVORN_SHELL_LOGS_H

#include <SDL.h>

struct Logs {
  SDL_Surface* video = nullptr;      // the window's own surface
  SDL_Surface* aizmugure = nullptr;  // the picture when it is not the window itself
  int merogs = 1;                    // the window's scale asked for, 1 to 4
  int n = 1;                         // the scale drawn now
  int dx = 0;                        // where the picture lies in the window
  int dy = 0;
  bool pilns = false;  // full screen
};
extern Logs logs;

// Sets the video mode: a window `merogs` times the picture, or the full screen at the
// largest whole scale that fits it (800 x 600 switched to full screen when none does).
// A scaled window that cannot open falls back to 1. Points `screen` at the picture; false,
// with SDL's error, when no mode opens at all.
bool AtvertLogu(int merogs, bool pilns);
// F11, Alt+Enter: full screen and back.
bool PartrauktLogu();
// Shows the frame drawn into `screen`.
void ParaditKadru();
// The pointer over the picture (clamped to it) and the buttons.
Uint8 LogaPele(int* x, int* y);

#endif
