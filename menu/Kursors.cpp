// The game's own pointers.
#include <SDL_image.h>

#include "menu/Menu.h"
#include "shell/globali.h"

DumshKursors::DumshKursors() {
  rotacijas = IeladetMenuBildi("ui/kursors/virziens.png");
  parasts = IeladetMenuBildi("ui/kursors/parasts.png");
}

DumshKursors::~DumshKursors() {
  if (rotacijas) SDL_FreeSurface(rotacijas);
  if (parasts) SDL_FreeSurface(parasts);
}

int DumshKursors::KadraX(int platums, int virziens) {
  const int kadrs = platums / KADRI;
  // The heading is read unsigned: a negative one lands on the last frame like a huge one.
  const unsigned indekss = (unsigned)virziens / 10u;
  const unsigned pedejais = (unsigned)(platums - kadrs);
  const unsigned x = (unsigned)kadrs * (indekss > pedejais ? pedejais : indekss);
  return (int)(x > pedejais ? pedejais : x);
}

void DumshKursors::ZimetSpelei(SDL_Surface*, int x, int y, int virziens, bool slept) {
  if (!rotacijas || slept || !screen) return;
  const int kadrs = rotacijas->w / KADRI;
  if (kadrs <= 0) return;
  SDL_Rect avots = {(Sint16)KadraX(rotacijas->w, virziens), 0, (Uint16)kadrs,
                    (Uint16)rotacijas->h};
  SDL_Rect kur = {(Sint16)(x - kadrs / 2 + 10), (Sint16)(y - rotacijas->h / 2 + 10), 0, 0};
  SDL_BlitSurface(rotacijas, &avots, screen, &kur);
}

void DumshKursors::ZimetMenuzim(SDL_Surface*, int x, int y) {
  if (!parasts || !screen) return;
  SDL_Rect kur = {(Sint16)(x - parasts->w / 2), (Sint16)(y - parasts->h / 2), 0, 0};
  SDL_BlitSurface(parasts, NULL, screen, &kur);
}
