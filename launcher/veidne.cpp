// The start dialog's template as data.
#include "launcher/veidne.h"

#include "launcher/resource.h"

const Vadikla DIALOGA_VADIKLAS[VADIKLU_SKAITS] = {
    {IDC_STATIC, ATTELS, "", 4, 4, 114, 191},
    {IDC_FULLSCREEN, IZVELES_RUTINA, "Pilnekr\xC4\x81ns", 3, 199, 100, 17},
    {IDOK, NOKLUSETA_POGA, "Palaist", 67, 218, 50, 14},
    {IDCANCEL, POGA, "Iziet", 3, 218, 50, 14},
};

namespace {
const int BAZE_X = 6, BAZE_Y = 13;  // base units of the 8-point dialog font
}

Taisnsturis UzPikseliem(int x, int y, int w, int h) {
  Taisnsturis t;
  t.x = x * BAZE_X / 4;
  t.y = y * BAZE_Y / 8;
  t.w = (w * BAZE_X + 2) / 4;
  t.h = (h * BAZE_Y + 4) / 8;
  return t;
}

Taisnsturis VadiklasTaisnsturis(const Vadikla& v) { return UzPikseliem(v.x, v.y, v.w, v.h); }

Taisnsturis DialogaTaisnsturis() { return UzPikseliem(0, 0, DIALOGA_PLATUMS, DIALOGA_AUGSTUMS); }

int VadiklasIndekss(int id) {
  for (int i = 0; i < VADIKLU_SKAITS; i++)
    if (DIALOGA_VADIKLAS[i].id == id) return i;
  return -1;
}
