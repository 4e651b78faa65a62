// Burning bombs and their blasts: random-length rays that clear the mask's hardness.
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "digger/racejs.h"
#include "field/nejauss.h"
#include "field/noapalot.h"
#include "field/spradziens.h"
#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/skana.h"

namespace {

// What each explosive (item IDs 4-11) burns with and blasts with. ATTALUMS is the base ray
// length and the blast's strength, IZKLIEDE the width of the random spread, MAX_CIETUMS the
// hardness that stops a ray.
struct BumbasVeids {
  SDL_Surface* Laukums::*strips;
  int ATTALUMS;
  int IZKLIEDE;
  int MAX_CIETUMS;
};

const int PIRMAIS_VEIDS = 4;
const BumbasVeids VEIDI[] = {
    {&Laukums::da1, 6, 12, 230},   // 4 dynamite 1x
    {&Laukums::dad, 12, 24, 230},  // 5 dynamite 3x
    {&Laukums::dad, 18, 36, 230},  // 6 dynamite 5x
    {&Laukums::dtd, 12, 24, 230},  // 7 dynamite with detonator 3x
    {&Laukums::dtd, 18, 36, 230},  // 8 dynamite with detonator 5x
    {&Laukums::st, 40, 10, 254},   // 9 Semtex
    {&Laukums::sa, 35, 10, 254},   // 10 small Semtex 1s
    {&Laukums::sa, 35, 10, 254},   // 11 small Semtex 3s
};
const int VEIDU_SKAITS = sizeof(VEIDI) / sizeof(VEIDI[0]);

const BumbasVeids* Veids(int tips) {
  const int i = tips - PIRMAIS_VEIDS;
  return i >= 0 && i < VEIDU_SKAITS ? &VEIDI[i] : NULL;
}

}  // namespace

int SpradzienaStiprums(int tips) {
  const BumbasVeids* v = Veids(tips);
  return v ? v->ATTALUMS : 0;
}

namespace {

const int KADRA_PLATUMS = 23, KADRA_AUGSTUMS = 20;

}  // namespace

void Laukums::Spridzinat(int numurs, int laiks, int x, int y) {
  // A type without blast parameters would divide by a zero spread: it is not placed.
  if (Bumbas[0] || !Veids(numurs)) return;
  Bumbas[0] = new bumbvieta{numurs, x, y, laiks};
}

void Laukums::ApkalpotBumbas(bool degt) {
  if (bum_kadrs_f > 4.0f) bum_kadrs_f = 0.0f;
  bum_kadrs_f += 0.3f;
  bum_kadrs = (int)bum_kadrs_f;

  bumbvieta* b = Bumbas[0];
  if (!b) return;
  const BumbasVeids* veids = Veids(b->tips);
  if (!veids) {  // only reachable by writing the slot directly
    delete b;
    Bumbas[0] = NULL;
    return;
  }

  SDL_Surface* strips = this->*(veids->strips);
  if (strips && screen) {
    SDL_Rect avots = {(Sint16)(bum_kadrs * KADRA_PLATUMS), 0, KADRA_PLATUMS, KADRA_AUGSTUMS};
    // Where the bomb lies in the field, wherever the view is.
    SDL_Rect merkis = {(Sint16)(b->x - 11 - sak.x), (Sint16)(b->y - 10 - sak.y), 0, 0};
    SDL_BlitSurface(strips, &avots, screen, &merkis);
  }
  if (b->tips == 7 || b->tips == 8) printf("::%d::\n", bum_kadrs);

  if (!degt) return;
  b->t -= 1;
  if (b->t > 0) return;

  const int ATTALUMS = veids->ATTALUMS;
  const int IZKLIEDE = veids->IZKLIEDE;
  const int MAX_CIETUMS = veids->MAX_CIETUMS;
  Epicentrs.x = b->x;
  Epicentrs.y = b->y;
  Epicentrs.stiprums = ATTALUMS;
  SaktSpradzienu(*this, b->x, b->y, ATTALUMS);
  if (pirmais)
    Skanet(MAX_CIETUMS > 250 ? SK_SEMTEX : SK_SPRADZIENS,
           SkalumsAttaluma(b->x - (int)pirmais->pozx, b->y - (int)pirmais->pozy));
  bool aiza_atrasta = false;
  float ex = (float)b->x, ey = (float)b->y;
  NejaussSekla(ierices.Tagad());

  for (float a = 0.0f; a < 359.0f; a = NoapalotFloat((double)a + 1.4)) {
    // The previous ray's end (the centre, for the first ray) may set off one chasm region.
    if (!aiza_atrasta) {
      const int zona = SietaZona(LasitSietu((int)ex, (int)ey));
      if (zona >= 10 && zona <= 15) {
        aiza_atrasta = true;
        Aiza_valja = zona;
        japarzime = 1;
      }
    }
    ex = (float)b->x;
    ey = (float)b->y;
    const int garums = NejaussSkaitlis() % IZKLIEDE + ATTALUMS - IZKLIEDE / 2;
    const double cs = cos(Radiani(a)), sn = sin(Radiani(a));
    for (int k = 0; k < garums; k++) {
      ex = NoapalotFloat(ex + cs);
      ey = NoapalotFloat(ey - sn);
      // A ray ends at the mask's edge, wherever on the field the bomb lies.
      if (ey < 0 || ex < 0) break;
      const int px = (int)ex, py = (int)ey;
      if (!Siets || px >= Siets->w || py >= Siets->h) break;
      const Uint32 p = LasitSietu(px, py);
      if (SietaCietiba(p) >= MAX_CIETUMS) break;
      RakstitSietu(px, py, ArCietibu(p, 0));
      NejaussSekla(ierices.Tagad() + (unsigned)NejaussSkaitlis());
    }
  }

  delete b;
  Bumbas[0] = NULL;
}
