// The start dialog's template as data: the four controls in tab order with their dialog-unit
// rectangles, and the conversion to pixels at the 8-point dialog font. The resource script
// Game.rc holds the same numbers for Windows; the SDL dialog draws from this table.
#ifndef DELVORN_LAUNCHER_VEIDNE_H
#define DELVORN_LAUNCHER_VEIDNE_H

enum VadiklasTips { ATTELS, IZVELES_RUTINA, POGA, NOKLUSETA_POGA };

struct Vadikla {
  int id;
  VadiklasTips tips;
  const char* teksts;  // UTF-8
  int x, y, w, h;      // dialog units
};

struct Taisnsturis {
  int x, y, w, h;  // pixels
};

const int DIALOGA_PLATUMS = 121, DIALOGA_AUGSTUMS = 236;  // dialog units
const int VADIKLU_SKAITS = 4;
extern const Vadikla DIALOGA_VADIKLAS[VADIKLU_SKAITS];

// Dialog units to pixels at the font's base units (6 x 13 pixels per 4 x 8 units): corners
// round down, sizes to the nearest pixel, as the picture's 171 x 310 needs.
Taisnsturis UzPikseliem(int x, int y, int w, int h);
Taisnsturis VadiklasTaisnsturis(const Vadikla& v);
Taisnsturis DialogaTaisnsturis();

// Index of the control with `id`, or -1.
int VadiklasIndekss(int id);

#endif
