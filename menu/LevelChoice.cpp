// The level choice and the pause panel: slate plates with a brass edge, drawn with fills.
#include <stdio.h>

#include "menu/Menu.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/sistema.h"

namespace {

const int PLATE_X = 190, PLATE_W = 420, PLATE_Y = 70;
const int ROWS_Y = 120, ROW_H = 30, ROWS_SHOWN = 13;
const int EDGE = 2;

void Plate(SDL_Surface* merkis, int x, int y, int w, int h) {
  SDL_Rect mala = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
  SDL_FillRect(merkis, &mala, SDL_MapRGB(merkis->format, 181, 146, 72));
  SDL_Rect vidus = {(Sint16)(x + EDGE), (Sint16)(y + EDGE), (Uint16)(w - 2 * EDGE),
                    (Uint16)(h - 2 * EDGE)};
  SDL_FillRect(merkis, &vidus, SDL_MapRGB(merkis->format, 44, 50, 57));
}

TTF_Font* Font() { return pfont ? pfont : font2; }

}  // namespace

int LimenjaRinda(int x, int y, size_t skaits) {
  const int rindas = (int)(skaits < (size_t)ROWS_SHOWN ? skaits : (size_t)ROWS_SHOWN);
  if (x < PLATE_X || x >= PLATE_X + PLATE_W || y < ROWS_Y) return -1;
  const int i = (y - ROWS_Y) / ROW_H;
  return i < rindas ? i : -1;
}

void ZimetLimenjus(const MainScreen& m, SDL_Surface* merkis, int x, int y) {
  if (!merkis) return;
  const int rindas = (int)(m.levels.size() < (size_t)ROWS_SHOWN ? m.levels.size() : ROWS_SHOWN);
  const int h = ROWS_Y - PLATE_Y + rindas * ROW_H + 46;
  Plate(merkis, PLATE_X, PLATE_Y, PLATE_W, h);
  TTF_Font* f = Font();
  if (!f) return;
  ZiimeeTekstuL(merkis, f, PLATE_X + 20, PLATE_Y + 14, "Limenis", 236, 214, 150);
  const int zem = LimenjaRinda(x, y, m.levels.size());
  for (int i = 0; i < rindas; i++) {
    const LevelEntry& e = m.levels[i];
    const int ry = ROWS_Y + i * ROW_H;
    if (i == zem && e.open) {
      SDL_Rect gaisma = {(Sint16)(PLATE_X + 8), (Sint16)ry, PLATE_W - 16, ROW_H - 2};
      SDL_FillRect(merkis, &gaisma, SDL_MapRGB(merkis->format, 78, 88, 98));
    }
    const Uint8 v = e.open ? 236 : 130;
    char rinda[96];
    snprintf(rinda, sizeof(rinda), "%d. %s", i + 1, e.name.c_str());
    ZiimeeTekstuL(merkis, f, PLATE_X + 20, (unsigned)(ry + 6), rinda, v, v - 8, v - 26);
    if (e.won && e.best_ms > 0) {
      char laiks[16];
      PulkstenaTeksts(laiks, sizeof(laiks), e.best_ms / 1000);
      snprintf(rinda, sizeof(rinda), "uzvarets  %s", laiks);
    } else {
      snprintf(rinda, sizeof(rinda), "%s", e.won ? "uzvarets" : e.open ? "spelet" : "slegts");
    }
    ZiimeeTekstuL(merkis, f, PLATE_X + 270, (unsigned)(ry + 6), rinda, v, v - 8, v - 26);
  }
  ZiimeeTekstuL(merkis, f, PLATE_X + 20, (unsigned)(ROWS_Y + rindas * ROW_H + 14),
                "Escape: atpakal uz izvelni", 170, 160, 140);
}

void ZimetPauzi(SDL_Surface* merkis) {
  if (!merkis) return;
  const int w = 180, h = 64, x = (800 - w) / 2, y = 60;
  Plate(merkis, x, y, w, h);
  TTF_Font* f = Font();
  if (f) ZiimeeTekstuC(merkis, f, 400, (unsigned)(y + 10), "Pauze", 236, 214, 150);
  if (font2)
    ZiimeeTekstuC(merkis, font2, 400, (unsigned)(y + 38), "P vai klikskis: turpinat", 190, 180,
                  160);
}
