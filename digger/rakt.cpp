// Using the active item: a tool's fan of rays through the mask, or an explosive placed ahead.
#include <math.h>

#include "digger/racejs.h"
#include "field/nejauss.h"
#include "field/noapalot.h"
#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/skana.h"

namespace {

// A tool's fan: rays every SOLIS degrees across +-SPEKTRS of the facing, each ATTALUMS
// one-pixel steps long from NOBIDE pixels behind the centre; ground of MAX_CIETUMS or more
// stops a ray. The digger is held PAUZE frames in action darbiba.
struct Riks {
  int SPEKTRS;
  int ATTALUMS;
  int SOLIS;
  int NOBIDE;
  int MAX_CIETUMS;
  int PAUZE;
  int darbiba;
};

const Riks RIKI[] = {
    {50, 15, 2, 1, 100, 18, 3},  // 1 spade
    {15, 22, 1, 4, 150, 14, 4},  // 2 pick
    {9, 27, 1, 4, 200, 8, 5},    // 3 pneumatic pick
};
const unsigned LAAPSTA = 1;
const unsigned PEDEJAIS_RIKS = 3;

// Fuses in frames of the explosives 4-11; 0 stands for the digger's own TAIMERIS.
const int DEGLI[] = {50, 50, 50, 0, 0, 0, 60, 90};
const unsigned PIRMAIS_SPRAGSTVIELA = 4;
const unsigned PEDEJAIS_SPRAGSTVIELA = 11;

const int IRDENA = 4;  // loose ground: only the spade takes it

const double CENTRS = 11.0;   // from the box's corner to the centre
const double PRIEKSA = 10.0;  // a bomb lies this far ahead of the centre

const double VIDUS = 10.5;  // the body's middle, from the box's corner
const int PLECI = 16;        // half-steps of half a pixel from the middle to the body's edge

// One fan of the tool from (sx, sy): each ray ends at the mask's edge or at ground too hard
// for the tool. `sekla` keeps reseeding the generator after every step, as the first fan does.
void Vediens(const Riks& r, bool laapsta, float sx, float sy, int virziens, bool sekla) {
  const SDL_Surface* siets = L1->Siets;
  const int w = siets ? siets->w : 0, h = siets ? siets->h : 0;
  for (int a = virziens - r.SPEKTRS; a < virziens + r.SPEKTRS; a += r.SOLIS) {
    const double cs = cos(Radiani(a)), sn = sin(Radiani(a));
    float x = sx, y = sy;
    for (int k = 0; k < r.ATTALUMS; k++) {
      x = NoapalotFloat(x + cs);
      y = NoapalotFloat(y - sn);
      // Nothing outside the mask is read or written.
      if (x < 0.0f || y < 0.0f) break;
      const int px = (int)x, py = (int)y;
      if (px >= w || py >= h) break;
      const Uint32 p = L1->LasitSietu(px, py);
      if (SietaCietiba(p) >= r.MAX_CIETUMS) break;
      // The picks leave loose ground; pick-up and zone bytes always stay.
      if (laapsta || SietaCietiba(p) > IRDENA) L1->RakstitSietu(px, py, ArCietibu(p, 0));
      if (sekla) NejaussSekla(ierices.Tagad() + (unsigned)NejaussSkaitlis());
    }
  }
}

}  // namespace

void Speletajs::Rakt() {
  const unsigned id = inv2.aktiva_lieta;
  if (!L1) return;

  if (id >= LAAPSTA && id <= PEDEJAIS_RIKS) {
    const Riks& r = RIKI[id - LAAPSTA];
    darbiba = r.darbiba;
    kustibu_pauze = r.PAUZE;
    const double v = Radiani(virziens);
    const double cv = cos(v), sv = sin(v);
    Vediens(r, id == LAAPSTA, NoapalotFloat(pozx + CENTRS - r.NOBIDE * cv),
            NoapalotFloat(pozy + CENTRS + r.NOBIDE * sv), virziens, true);
    // The same fan from across the body's width, so that the bite is a tunnel he fits in.
    for (int k = -PLECI; k <= PLECI; k++) {
      const double d = k * 0.5;
      Vediens(r, id == LAAPSTA, NoapalotFloat(pozx + VIDUS - r.NOBIDE * cv - d * sv),
              NoapalotFloat(pozy + VIDUS + r.NOBIDE * sv - d * cv), virziens, false);
    }
    L1->ZimLauk((int)pozx - 10 - L1->sak.x, (int)pozy - 10 - L1->sak.y, 41, 41, 0);
    static const Skana KODIENI[] = {SK_LAPSTA, SK_CIRTNIS, SK_PNEIMO};
    Skanet(KODIENI[id - LAAPSTA]);
    return;
  }

  if (id >= PIRMAIS_SPRAGSTVIELA && id <= PEDEJAIS_SPRAGSTVIELA) {
    const int degls = DEGLI[id - PIRMAIS_SPRAGSTVIELA];
    const double v = Radiani(virziens);
    const int x = (int)(pozx + CENTRS + PRIEKSA * cos(v));
    const int y = (int)(pozy + CENTRS - PRIEKSA * sin(v));
    L1->Spridzinat((int)id, degls ? degls : TAIMERIS, x, y);
    // Used up whether or not the field took it: one bomb burns at a time.
    inv2.IevietotLietu(id, -1, true);
  }
}
