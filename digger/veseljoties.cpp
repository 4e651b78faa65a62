// The health update: what the field's dangers cost each frame, then the health number and
// the battery gauge.
#include <math.h>
#include <stdio.h>

#include "digger/racejs.h"
#include "field/noapalot.h"
#include "field/spradziens.h"
#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/sistema.h"
#include "shell/skana.h"

namespace {

const float CENTRS = 11.0f;  // from the box's corner to the centre

// Blast bands, in multiples of the blast's strength: inside the first the digger dies,
// then it loses 50, then 20. A distance exactly on a band's edge costs nothing.
const float NAVE_LIDZ = SPRADZIENS_NOGALINA;
const float SMAGI_LIDZ = 2.5f;
const float VIEGLI_LIDZ = SPRADZIENS_IEVAINO;
const float SMAGI = 50.0f;
const float VIEGLI = 20.0f;

const int AIZA = 5;     // open chasm zone: deadly
const int INDE = 50;    // poison zone
const float INDES_DEVA = 0.05f;

const int STAROJUMA_SNIEDZAMIBA = 99;  // radiation reaches this far
const int IRDENA = 4;                  // harder ground than this shields

// The health box is 100 pixels wide from x 18; the number is centred in it.
const int VESELIBAS_X = 18, VESELIBAS_PLATUMS = 100, VESELIBAS_Y = 41;
const Uint8 VESELIBAS_R = 252, VESELIBAS_G = 75, VESELIBAS_B = 24;

const int BATERIJA_X = 0, BATERIJA_Y = 110;
const int JOSLA_X = 19, JOSLA_Y = 151;

inline int Attalums(int dx, int dy) { return (int)sqrt((double)dx * dx + (double)dy * dy); }

}  // namespace

void Speletajs::Veseljoties(bool briesmas) {
  const float cx = pozx + CENTRS, cy = pozy + CENTRS;

  // A blast hurts once, in its own frame.
  const int s = Epicentrs.stiprums;
  const float bija = Veseliba;
  if (s != 0) {
    const int d = Attalums((int)(cx - Epicentrs.x), (int)(cy - Epicentrs.y));
    if (VIEGLI_LIDZ * s > d) {
      if (d < NAVE_LIDZ * s) Veseliba = 0.0f;
      if (s < d && d < SMAGI_LIDZ * s) Veseliba -= SMAGI;
      if (SMAGI_LIDZ * s < d && d < VIEGLI_LIDZ * s) Veseliba -= VIEGLI;
      if (L1) L1->ZimLauk((int)pozx - L1->sak.x, (int)pozy - L1->sak.y, 21, 21, 0);
    }
    Epicentrs.stiprums = 0;
    if (Veseliba < bija) Skanet(SK_SAP_SPRAD);
  }

  const int icx = (int)cx, icy = (int)cy;
  if (L1 && briesmas) {
    const int zona = SietaZona(L1->LasitSietu(icx, icy));
    if (zona == AIZA) Veseliba = 0.0f;
    if (zona == INDE) {
      Veseliba -= INDES_DEVA;
      SkanetRetak(SK_SAP_INDE, 20);
    }

    // Radiation in sight: the line is walked from the source towards the centre.
    L1->TuvakieStarojumi(icx, icy);
    const int avoti = radC < 0 ? 0 : radC > RAD_MAX ? RAD_MAX : radC;
    for (int i = 0; i < avoti; i++) {
      const RadPunkts& r = rad[i];
      const int dx = (int)(r.x - cx), dy = (int)(r.y - cy);
      const int d = Attalums(dx, dy);
      if (d > STAROJUMA_SNIEDZAMIBA) continue;
      const double a = atan2((double)dy, (double)dx);
      const double ca = cos(a), sa = sin(a);
      const float atlikums = 1.0f - (float)d / 100.0f;
      float deva = atlikums * atlikums;
      float x = (float)r.x, y = (float)r.y;
      // No more than d steps: a walk that slips past the centre pixel diagonally must not
      // find the ground behind the digger.
      for (int k = 0; k < d; k++) {
        x = NoapalotFloat(x - ca);
        y = NoapalotFloat(y - sa);
        if ((int)x == icx && (int)y == icy) break;
        if (SietaCietiba(L1->LasitSietu((int)x, (int)y)) > IRDENA) {
          deva = 0.0f;
          break;
        }
      }
      Veseliba -= deva;
      if (deva > 0.0f) SkanetRetak(SK_SAP_STAR, 10);
    }
  }

  char teksts[64];
  snprintf(teksts, sizeof(teksts), "%0.0f", Veseliba);
  if (hfont) {
    int platums = 0;
    TTF_SizeText(hfont, teksts, &platums, NULL);
    const int x = (VESELIBAS_PLATUMS - platums) / 2 + VESELIBAS_X;
    ZiimeeTekstuL(screen, hfont, (unsigned)x, VESELIBAS_Y, teksts, VESELIBAS_R, VESELIBAS_G,
                  VESELIBAS_B);
  }

  if (!s_baterija) return;
  ZimetUzEkrana(s_baterija, NULL, BATERIJA_X, BATERIJA_Y);
  if (!s_baterijas_josla) return;
  // An empty capacity (a level with no battery) shows an empty bar; the bar never grows
  // past its picture or below nothing.
  const float izlietots =
      baterijas_laiks == 0 ? 1.0f : 1.0f - (float)baterijas / (float)baterijas_laiks;
  const int H = s_baterijas_josla->h;
  float redzams = (float)H - (float)H * izlietots;
  if (!(redzams > 0.0f)) redzams = 0.0f;
  if (redzams > (float)H) redzams = (float)H;
  const int augstums = (int)redzams;
  if (augstums == 0) return;
  SDL_Rect avots = {0, 0, (Uint16)s_baterijas_josla->w, (Uint16)augstums};
  ZimetUzEkrana(s_baterijas_josla, &avots, JOSLA_X, JOSLA_Y);
}
