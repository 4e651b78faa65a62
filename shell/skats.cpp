// The view following the digger, and the arrow keys looking around.
#include "shell/skats.h"

#include <stdlib.h>

#include "digger/racejs.h"
#include "field/zeme.h"

namespace {

const int MALA = 160;      // the digger is kept this far inside the window's edges
const int SOLIS = 4;       // the view's step while it follows: a little over his speed
const int ATGRIEZAS = 8;   // coming back from afar it closes this share of the way a frame
const int LIELAKAIS = 40;  // and never more than this
const int ATKARTO = 6;     // frames an arrow is held before it repeats

struct Bulta {
  SDLKey klavis;
  int kur;  // Parbidit's clock hour
};
const Bulta BULTAS[] = {{SDLK_UP, 12}, {SDLK_DOWN, 6}, {SDLK_LEFT, 9}, {SDLK_RIGHT, 3}};
const int BULTU_SKAITS = 4;

int Bits(SDLKey k) {
  for (int i = 0; i < BULTU_SKAITS; i++)
    if (BULTAS[i].klavis == k) return 1 << i;
  return 0;
}

// The origin along one axis that keeps centre c within the margin, inside the field.
int Merkis(int sak, int c, int skats, int lauks) {
  int m = sak;
  if (c - sak < MALA) m = c - MALA;
  if (c - sak > skats - MALA) m = c - (skats - MALA);
  const int lidz = lauks > skats ? lauks - skats : 0;
  return m < 0 ? 0 : m > lidz ? lidz : m;
}

int Tuvoties(int no, int uz) {
  const int d = uz - no, a = abs(d);
  int solis = a / ATGRIEZAS;
  if (solis < SOLIS) solis = SOLIS;
  if (solis > LIELAKAIS) solis = LIELAKAIS;
  if (solis > a) solis = a;
  return no + (d < 0 ? -solis : solis);
}

}  // namespace

void BultaNospiesta(Skats& s, SDLKey k, const Speletajs& r) {
  const int b = Bits(k);
  if (!b) return;
  s.bultas |= b;
  s.turets = 0;
  s.skatas = true;
  s.no_x = r.pozx;
  s.no_y = r.pozy;
}

void BultaAtlaista(Skats& s, SDLKey k) { s.bultas &= ~Bits(k); }

void VaditSkatu(Skats& s, Laukums& l, const Speletajs& r) {
  if (!l.Siets) return;
  if (s.bultas) {
    if (++s.turets < ATKARTO) return;
    for (int i = 0; i < BULTU_SKAITS; i++)
      if (s.bultas & (1 << i)) l.Parbidit(BULTAS[i].kur);
    return;
  }
  if (s.skatas) {
    if (r.pozx == s.no_x && r.pozy == s.no_y) return;
    s.skatas = false;
  }
  const int cx = r.GetX() + 10, cy = r.GetY() + 10;
  l.sak.x = (Sint16)Tuvoties(l.sak.x, Merkis(l.sak.x, cx, SKATA_PLATUMS, l.Siets->w));
  l.sak.y = (Sint16)Tuvoties(l.sak.y, Merkis(l.sak.y, cy, SKATA_AUGSTUMS, l.Siets->h));
}

void SkatsUzRaceju(Skats& s, Laukums& l, const Speletajs& r) {
  s = Skats();
  if (!l.Siets) return;
  l.sak.x = (Sint16)Merkis(l.sak.x, r.GetX() + 10, SKATA_PLATUMS, l.Siets->w);
  l.sak.y = (Sint16)Merkis(l.sak.y, r.GetY() + 10, SKATA_AUGSTUMS, l.Siets->h);
}
