// The digger's collision test against the field mask, with the pick-ups it touches.
#include <math.h>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "shell/gaita.h"
#include "shell/skana.h"

namespace {

const int CIETS = 4;  // hardness above this blocks the digger

inline bool MaskaSedz(const Uint32* rinda, int j) { return (rinda[j] & 0xFF) != 0; }

// True when the mask laid with its top-left pixel at field (px, py) covers solid ground.
// A missing mask covers nothing; ground outside the field's mask is open.
bool Bloke(const Laukums* lauks, const SDL_Surface* maska, int px, int py) {
  if (!lauks || !maska) return false;
  const int solis = maska->pitch / 4;
  for (int i = 0; i < Speletajs::IZMERS; i++) {
    const Uint32* rinda = (const Uint32*)maska->pixels + i * solis;
    for (int j = 0; j < Speletajs::IZMERS; j++)
      if (MaskaSedz(rinda, j) && SietaCietiba(lauks->LasitSietu(px + j, py + i)) > CIETS)
        return true;
  }
  return false;
}

}  // namespace

int Speletajs::Kods(int v, int* slide) const {
  int rezultats = 5;
  *slide = 0;
  const double a = Radiani(v);
  const bool k1 = Bloke(L1, maskal, (int)(pozx + 5 * cos(a)), (int)(pozy - 5 * sin(a)));
  const bool k2 = Bloke(L1, maskam, (int)(pozx + cos(a)), (int)(pozy - sin(a)));
  if (k2) rezultats = 0;

  const double labais = Radiani(v - 45), kreisais = Radiani(v + 45);
  if (Bloke(L1, maskal, (int)(pozx + 5 * cos(labais)), (int)(pozy - 5 * sin(labais))))
    if (*slide > -1) *slide = -1;
  if (Bloke(L1, maskal, (int)(pozx + 5 * cos(kreisais)), (int)(pozy - 5 * sin(kreisais))))
    if (*slide <= 0) *slide = 1;

  if (!k1 && k2) return 2;
  if (*slide != 0 && rezultats > 1) rezultats -= 1;
  return rezultats;
}

void Speletajs::Pacelt() {
  speckolizija = 0;
  Laukums* lauks = L1;
  if (!lauks || !maskam) return;
  const double v = Radiani(virziens);
  const int px = (int)(pozx + cos(v)), py = (int)(pozy - sin(v));
  const int solis = maskam->pitch / 4;
  for (int i = 0; i < IZMERS; i++) {
    const Uint32* rinda = (const Uint32*)maskam->pixels + i * solis;
    for (int j = 0; j < IZMERS; j++) {
      if (!MaskaSedz(rinda, j)) continue;
      const int fx = px + j, fy = py + i;
      Uint32 p = lauks->LasitSietu(fx, fy);
      const int manta = SietaManta(p);
      if (manta == 0) continue;
      if (manta <= 23) {
        // Bytes naming no real item stay in the ground: the bag refuses them.
        if (inv2.IevietotLietu((unsigned)manta, 1, false)) {
          Skanet(SK_PACELT);
          p = ArMantu(p, 0);
          lauks->RakstitSietu(fx, fy, p);
        }
      } else if (manta == 24 && Veseliba < 100.0f) {
        Veseliba += 25.0f;
        if (Veseliba > 100.0f) Veseliba = 100.0f;
        Skanet(SK_APTIEKA);
        p = ArMantu(p, 0);
        lauks->RakstitSietu(fx, fy, p);
        lauks->ParindeksetAptiekas();
      }
      // A kit stays where it lies while health is full.
      if (SietaManta(p) == 25 && Veseliba < 100.0f) {
        Veseliba += 50.0f;
        if (Veseliba > 100.0f) Veseliba = 100.0f;
        Skanet(SK_APTIEKA);
        p = ArMantu(p, 0);
        lauks->RakstitSietu(fx, fy, p);
        lauks->ParindeksetAptiekas();
      }
      // A kit still lying here after the two above was left for want of a wound.
      if (SietaManta(p) == 24 || SietaManta(p) == 25) TeiktVesels();
      speckolizija = SietaManta(p);
    }
  }
}

int Speletajs::Kolizija() {
  Pacelt();
  return Kods(virziens, &sanslide);
}
