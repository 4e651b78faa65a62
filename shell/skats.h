// The view over a field larger than the window: it keeps the digger within a margin of the
// window's edges, moving no faster than a little more than he walks, and the arrow keys look
// around, repeating while held, until he walks again. On a field the size of the window the
// view cannot move, so nothing here changes anything there.
#ifndef DELVORN_SHELL_SKATS_H
#define DELVORN_SHELL_SKATS_H

#include <SDL.h>

class Laukums;
class Speletajs;

struct Skats {
  unsigned bultas = 0;       // arrows held, one bit each
  int turets = 0;            // frames the arrows have been held
  bool skatas = false;       // looking around: the view stays where the arrows put it
  float no_x = 0, no_y = 0;  // where the digger stood when the looking began
};

// An arrow went down (the view has already made its first step) or up; other keys are
// ignored.
void BultaNospiesta(Skats& s, SDLKey k, const Speletajs& r);
void BultaAtlaista(Skats& s, SDLKey k);
// Once a frame: held arrows step the view on; otherwise it moves towards the digger.
void VaditSkatu(Skats& s, Laukums& l, const Speletajs& r);
// At once, the view that has the digger within the margin (a level's start).
void SkatsUzRaceju(Skats& s, Laukums& l, const Speletajs& r);

#endif
