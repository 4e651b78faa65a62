// The inventory panel in the bottom-left corner: drawing, the hit test and the choice.
//
// Closed, the panel is one compact picture beside the active item. Open, it unrolls to the
// right into one 52-pixel pocket per group present in the bag; the pocket under the pointer
// rises into a column of its items, 29 pixels apart from the bottom. The row across the
// pocket bases shows each group's last chosen item.
#include <stdio.h>

#include "inventory/inventars.h"
#include "shell/globali.h"
#include "shell/sistema.h"

namespace {

const int RADITAS_VIETAS = 13;  // slots 0-12 are shown and hit-tested

// The closed panel's area, which also keeps an open one open.
const int CIET_X0 = 7, CIET_X1 = 66, CIET_Y0 = 520, CIET_Y1 = 791;
inline bool UzKompakta(int x, int y) {
  return CIET_X0 < x && x <= CIET_X1 && CIET_Y0 < y && y <= CIET_Y1;
}

const int PANELA_X = 7, PANELA_Y = 520;
const int AKTIVA_X = 60, AKTIVA_Y = 540;
const int AKTIVA_SKAITS_X = 95, AKTIVA_SKAITS_Y = 535;
const int VESELIBA_X = 8, VESELIBA_Y = 10;

const int KABATA_X = 43;   // the first pocket's left edge
const int KABATA = 52;     // pocket width
const int KOLONNA_X = 40;  // the first pocket's hit column starts after this x...
const int KOLONNA = 53;    // ...and ends before this much further
const int PAMATS_Y1 = 588;  // the pocket's base ends here
const int RINDA_Y = 494;    // the bottom item's hit row lies strictly between this...
const int RINDA = 30;       // ...and this much further down
const int RINDAS_SOLIS = 29;

const int AUDUMS_Y = 505;   // lowest column piece
const int AUDUMS = 28;      // column piece height
const int AUDG_X = -4;      // the column's top, from the pocket's edge
const int AUDG_Y = 526;     // the top sits at this y less 28 per piece
const int MANTA_X = 3;      // items in a column, from the pocket's edge
const int MANTA_Y = 506;    // the bottom item's top
const int PARKLAJUMS = 3;   // items overlap the one below by this much
const int NESENS_X = 45, NESENS_Y = 540;  // the recently chosen row

void Zimet(SDL_Surface* bilde, int x, int y) { ZimetUzEkrana(bilde, NULL, x, y); }

// The panel's group of a slot: empty slots (and IDs without a type) are group 0.
unsigned Grupa(const Inventars_V2::InvLieta& l) {
  if (l.ID == 0) return 0;
  const Manta* m = Inventars_V2::AtgriestLietasTipu(l.ID);
  return m ? m->grupa : 0;
}

// An item's picture with its count (when non-zero) right-aligned to the picture's right
// edge. An item without a picture draws nothing at all.
void ZimetMantu(unsigned id, int skaits, int x, int y) {
  Manta* m = Inventars_V2::AtgriestLietasTipu(id);
  if (!m || !m->inv_bilde) return;
  Zimet(m->inv_bilde, x, y);
  if (skaits == 0) return;
  char teksts[16];
  snprintf(teksts, sizeof(teksts), "%i", skaits);
  ZiimeeTekstuR(screen, font, (unsigned)(x + m->inv_bilde->w), (unsigned)y, teksts, 255, 255,
                255);
}

// How far up the next item of a column goes: the picture's height less the overlap, or the
// type's nominal height when its picture is missing, so the column keeps its spacing.
int Solis(unsigned id) {
  const Manta* m = Inventars_V2::AtgriestLietasTipu(id);
  if (!m) return RINDAS_SOLIS;
  const int h = m->inv_bilde ? m->inv_bilde->h : m->inv_izmers[1];
  return h - PARKLAJUMS;
}

}  // namespace

void Inventars_V2::ZimetKabatu(int x, int lenta) {
  if (lenta <= 0) {
    Zimet(S_kab_c, x, PANELA_Y);
    return;
  }
  Zimet(S_kab_v, x, PANELA_Y);
  for (int k = 0; k < lenta; k++) Zimet(S_audums, x, AUDUMS_Y - AUDUMS * k);
  Zimet(S_aud_g, x + AUDG_X, AUDG_Y - AUDUMS * lenta);
}

unsigned Inventars_V2::KurKursors(int x, int y, bool atverts, int& grupa, int& manta) {
  if (!atverts) return UzKompakta(x, y) ? 1 : 0;
  int cx = KOLONNA_X;
  unsigned q = 0;
  for (int i = 0; i < RADITAS_VIETAS; i++) {
    const unsigned s = Grupa(soma[i]);
    if (s != q && i != 0) {
      // The pocket of group q ends here.
      if (cx < x && x < cx + KOLONNA) {
        grupa = (int)q;
        int r = RINDA_Y, k = 0;
        for (int l = 0; l < RADITAS_VIETAS; l++) {
          if (Grupa(soma[l]) != q) continue;
          if (r < y && y < r + RINDA) {
            manta = k + 1;
            return 1;
          }
          r -= RINDAS_SOLIS;
          k++;
        }
        if (PANELA_Y < y && y <= PAMATS_Y1) return 1;
      }
      aktivo_grupu_skaits++;
      cx += KABATA;
    }
    q = s;
  }
  return UzKompakta(x, y) ? 1 : 0;
}

bool Inventars_V2::UzPanela(int x, int y) {
  const unsigned skaits = aktivo_grupu_skaits;
  int g = 0, m = 0;
  const bool uz = KurKursors(x, y, atverts, g, m) != 0;
  aktivo_grupu_skaits = skaits;
  return uz;
}

void Inventars_V2::Apkalpot(int x, int y, unsigned char poga) {
  if (aktiva_lieta != 0) {
    const InvLieta l = AtgriestLietu(aktiva_lieta);
    ZimetMantu(aktiva_lieta, 0, AKTIVA_X, AKTIVA_Y);
    const Manta* m = AtgriestLietasTipu(aktiva_lieta);
    if (l.skaits > 0 && m && m->inv_bilde) {
      char teksts[16];
      snprintf(teksts, sizeof(teksts), "%i", l.skaits);
      ZiimeeTekstuR(screen, font, AKTIVA_SKAITS_X, AKTIVA_SKAITS_Y, teksts, 255, 255, 255);
    }
  }
  // Without its pictures the panel neither shows nor chooses anything.
  if (!ieladets) return;

  int g = 0, m = 0;
  atverts = KurKursors(x, y, atverts, g, m) != 0;
  // The recently chosen entry of the group under the pointer, if it names one.
  const bool ir_grupa = g >= 1 && g <= NESEN_VIETAS - 1;

  if (atverts) {
    Zimet(S_valja, PANELA_X, PANELA_Y);
    int px = KABATA_X;
    unsigned q = 0;
    int n = 0;
    for (int i = 0; i < RADITAS_VIETAS; i++) {
      const unsigned gi = Grupa(soma[i]);
      const bool aiznemts = soma[i].ID != 0;
      if ((aiznemts && n != 0 && gi != q) || i == RADITAS_VIETAS - 1) {
        if (!ir_grupa || q != (unsigned)g) {
          ZimetKabatu(px, 0);
        } else {
          ZimetKabatu(px, n);
          if (m == 0 && poga != 0) aktiva_lieta = nesen_lietots[g - 1];
          int my = MANTA_Y, k = 1;
          for (int s = 0; s < RADITAS_VIETAS; s++) {
            if (soma[s].ID == 0 || Grupa(soma[s]) != q) continue;
            if (k == m) Zimet(S_iezimets_fons, px + MANTA_X, my);
            ZimetMantu(soma[s].ID, soma[s].skaits, px + MANTA_X, my);
            my -= Solis(soma[s].ID);
            if (k == m && poga != 0) {
              nesen_lietots[g - 1] = soma[s].ID;
              aktiva_lieta = soma[s].ID;
            }
            k++;
          }
        }
        n = 1;
        q = gi;
        px += KABATA;
      } else if (aiznemts) {
        q = gi;
        n++;
      }
    }
    Zimet(S_gals, px, PANELA_Y);

    for (int e = 0; e < 3; e++) {
      const unsigned id = nesen_lietots[e];
      if (id == 0) continue;
      const int nx = NESENS_X + KABATA * e;
      if (g - 1 == e && m == 0) Zimet(S_iezimets_fons, nx, NESENS_Y);
      ZimetMantu(id, AtgriestLietu(id).skaits, nx, NESENS_Y);
    }
  } else {
    Zimet(S_ciet, PANELA_X, PANELA_Y);
  }
  Zimet(S_veseliba, VESELIBA_X, VESELIBA_Y);

  if (poga != 0 && atverts) atverts = false;
}
