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

// What each item does, for its tooltip: the labels on the pictures ("05", "1s") are fuse
// marks that nothing else explains. Fuses are 40 ms frames: 50, the timer's 120, 60 and 90.
const char* const APRAKSTI[] = {
    "",
    "rok mikstu zemi un irdenu gruntu",
    "cert cietu zemi",
    "kal akmeni",
    "deglis 2 s, mazs spradziens",
    "deglis 2 s, videjs spradziens",
    "deglis 2 s, liels spradziens",
    "05 = taimeris 4,8 s, videjs spradziens",
    "05 = taimeris 4,8 s, liels spradziens",
    "05 = taimeris 4,8 s, spridzina ari akmeni",
    "1s = deglis 2,4 s, spridzina ari akmeni",
    "3s = deglis 3,6 s, spridzina ari akmeni",
};
const unsigned APRAKSTU_SKAITS = sizeof(APRAKSTI) / sizeof(APRAKSTI[0]);

// A count that reads on any picture: white with a dark shadow, in the clocks' larger font.
void ZimetSkaitu(int skaits, int labaa_mala, int y) {
  char teksts[16];
  snprintf(teksts, sizeof(teksts), "%i", skaits);
  TTF_Font* f = pfont ? pfont : font;
  ZiimeeTekstuR(screen, f, (unsigned)(labaa_mala + 1), (unsigned)(y + 1), teksts, 0, 0, 0);
  ZiimeeTekstuR(screen, f, (unsigned)labaa_mala, (unsigned)y, teksts, 255, 255, 255);
}

// The item's name and what it does, in a dark box beside (x, y), kept on the screen.
void ZimetPaskaidrojumu(unsigned id, int x, int y) {
  const Manta* m = Inventars_V2::AtgriestLietasTipu(id);
  if (!m || !m->vards || !font2 || !screen) return;
  const char* apraksts = id < APRAKSTU_SKAITS ? APRAKSTI[id] : "";
  int w1 = 0, w2 = 0, h = 0;
  TTF_SizeText(font2, m->vards, &w1, &h);
  TTF_SizeText(font2, apraksts, &w2, NULL);
  const int w = (w1 > w2 ? w1 : w2) + 12, augsts = 2 * h + 10;
  if (x + w > screen->w) x = screen->w - w;
  if (y + augsts > screen->h) y = screen->h - augsts;
  if (y < 0) y = 0;
  SDL_Rect mala = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)augsts};
  SDL_FillRect(screen, &mala, SDL_MapRGB(screen->format, 214, 170, 92));
  SDL_Rect iekss = {(Sint16)(x + 1), (Sint16)(y + 1), (Uint16)(w - 2), (Uint16)(augsts - 2)};
  SDL_FillRect(screen, &iekss, SDL_MapRGB(screen->format, 30, 26, 24));
  ZiimeeTekstuL(screen, font2, (unsigned)(x + 6), (unsigned)(y + 4), m->vards, 255, 236, 180);
  if (*apraksts)
    ZiimeeTekstuL(screen, font2, (unsigned)(x + 6), (unsigned)(y + 5 + h), apraksts, 230, 230,
                  230);
}

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
  ZimetSkaitu(skaits, x + m->inv_bilde->w, y);
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
    if (l.skaits > 0 && m && m->inv_bilde) ZimetSkaitu(l.skaits, AKTIVA_SKAITS_X, AKTIVA_SKAITS_Y);
  }
  // Without its pictures the panel neither shows nor chooses anything.
  if (!ieladets) return;

  int g = 0, m = 0;
  atverts = KurKursors(x, y, atverts, g, m) != 0;
  // The recently chosen entry of the group under the pointer, if it names one.
  const bool ir_grupa = g >= 1 && g <= NESEN_VIETAS - 1;
  unsigned raditais = 0;  // the item under the pointer, explained after the panel is drawn
  int raditais_x = 0, raditais_y = 0;

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
            if (k == m) {
              Zimet(S_iezimets_fons, px + MANTA_X, my);
              raditais = soma[s].ID;
              raditais_x = px + KABATA + 2;
              raditais_y = my;
            }
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
      if (g - 1 == e && m == 0) {
        Zimet(S_iezimets_fons, nx, NESENS_Y);
        raditais = id;
        raditais_x = nx + KABATA;
        raditais_y = NESENS_Y - 30;
      }
      ZimetMantu(id, AtgriestLietu(id).skaits, nx, NESENS_Y);
    }
  } else {
    Zimet(S_ciet, PANELA_X, PANELA_Y);
  }
  Zimet(S_veseliba, VESELIBA_X, VESELIBA_Y);
  if (raditais != 0) ZimetPaskaidrojumu(raditais, raditais_x, raditais_y);

  if (poga != 0 && atverts) atverts = false;
}
