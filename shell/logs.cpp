// Opening the window at its scale, switching to full screen and back, and showing frames.
#include "shell/logs.h"

#include <stdio.h>

#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/merogs.h"

Logs logs;

namespace {

const int DZILUMS = 32;

// The desktop's size, read before the first mode changes it.
int galda_w = 0, galda_h = 0;

bool Rezims(int w, int h, Uint32 karogi, int n) {
  SDL_Surface* v = SDL_SetVideoMode(w, h, DZILUMS, karogi);
  if (!v) return false;
  logs.video = v;
  logs.n = n;
  Centrs(w, h, n, &logs.dx, &logs.dy);
  if (n == 1 && w == SPELES_W && h == SPELES_H) {
    screen = v;  // the picture is the window: no copy
  } else {
    const SDL_PixelFormat* f = v->format;
    if (!logs.aizmugure)
      logs.aizmugure = SDL_CreateRGBSurface(SDL_SWSURFACE, SPELES_W, SPELES_H, DZILUMS, f->Rmask,
                                            f->Gmask, f->Bmask, 0);
    if (!logs.aizmugure) return false;
    screen = logs.aizmugure;
    SDL_FillRect(v, NULL, 0);  // the border of a full screen stays black
  }
  japarzime = 1;  // the new picture is drawn whole
  return true;
}

}  // namespace

bool AtvertLogu(int merogs, bool pilns) {
  if (galda_w == 0) {
    const SDL_VideoInfo* i = SDL_GetVideoInfo();
    galda_w = i ? i->current_w : 0;
    galda_h = i ? i->current_h : 0;
  }
  merogs = merogs < 1 ? 1 : (merogs > LIELAKAIS_MEROGS ? LIELAKAIS_MEROGS : merogs);
  logs.merogs = merogs;
  logs.pilns = pilns;
  if (pilns) {
    const int n = LielakaisMerogs(galda_w, galda_h);
    if (n > 1 && Rezims(galda_w, galda_h, SDL_FULLSCREEN, n)) return true;
    return Rezims(SPELES_W, SPELES_H, SDL_FULLSCREEN, 1);
  }
  if (merogs > 1) {
    if (Rezims(SPELES_W * merogs, SPELES_H * merogs, SDL_SWSURFACE, merogs)) return true;
    fprintf(stderr, "delvorn: a window %d times as large does not open (%s); it opens at 1\n",
            merogs, SDL_GetError());
  }
  return Rezims(SPELES_W, SPELES_H, SDL_HWSURFACE | SDL_DOUBLEBUF, 1);
}

bool PartrauktLogu() {
  if (AtvertLogu(logs.merogs, !logs.pilns)) return true;
  return AtvertLogu(logs.merogs, logs.pilns);  // the mode it had
}

void ParaditKadru() {
  if (!screen) return;
  if (screen == logs.video || !logs.video) {
    SDL_Flip(screen);
    return;
  }
  Merogot(screen, logs.video, logs.n, logs.dx, logs.dy);
  SDL_Flip(logs.video);
}

Uint8 LogaPele(int* x, int* y) {
  int wx = 0, wy = 0;
  const Uint8 pogas = SDL_GetMouseState(&wx, &wy);
  if (screen == logs.video || !logs.video) {
    *x = wx;
    *y = wy;
  } else {
    PelesVieta(wx, wy, logs.n, logs.dx, logs.dy, x, y);
  }
  return pogas;
}
