// The first-aid kit index: one icon per marker pixel of the mask in view.
#include "field/zeme.h"

void Laukums::ParindeksetAptiekas() {
  AP_skaits = IKONU_SAKUMS;
  if (!Siets) return;
  // Clip the 800 x 600 view to the mask once; then walk the rows with the pitch.
  const int x0 = sak.x < 0 ? -sak.x : 0;
  const int y0 = sak.y < 0 ? -sak.y : 0;
  int x1 = Siets->w - sak.x, y1 = Siets->h - sak.y;
  if (x1 > SKATA_PLATUMS) x1 = SKATA_PLATUMS;
  if (y1 > SKATA_AUGSTUMS) y1 = SKATA_AUGSTUMS;
  const int solis = Siets->pitch / 4;
  const Uint32* pikseli = (const Uint32*)Siets->pixels;
  for (int i = y0; i < y1; i++) {
    const Uint32* rinda = pikseli + (sak.y + i) * solis + sak.x;
    for (int j = x0; j < x1; j++) {
      const int manta = SietaManta(rinda[j]);
      if (manta != 24 && manta != 25) continue;
      // The list holds 20 kits; markers beyond them get no icon.
      if (AP_skaits >= IKONU_SKAITS) return;
      ikonas[AP_skaits].x = sak.x + j - 10;
      ikonas[AP_skaits].y = sak.y + i - 10;
      ikonas[AP_skaits].tips = manta;
      AP_skaits++;
    }
  }
}
