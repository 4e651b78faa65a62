// The game's own pointers.
#include "menu/Menu.h"
#include "shell/sistema.h"

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
  if (!rotacijas || slept) return;
  const int kadrs = rotacijas->w / KADRI;
  if (kadrs <= 0) return;
  SDL_Rect avots = {(Sint16)KadraX(rotacijas->w, virziens), 0, (Uint16)kadrs,
                    (Uint16)rotacijas->h};
  ZimetUzEkrana(rotacijas, &avots, x - kadrs / 2 + 10, y - rotacijas->h / 2 + 10);
}

void DumshKursors::ZimetMenuzim(SDL_Surface*, int x, int y) {
  if (parasts) ZimetUzEkrana(parasts, NULL, x - parasts->w / 2, y - parasts->h / 2);
}
