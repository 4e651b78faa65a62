// The first-aid kit index: one icon per marker pixel of the mask, in field coordinates.
#include "field/zeme.h"

void Laukums::ParindeksetAptiekas() {
  AP_skaits = IKONU_SAKUMS;
  if (!Siets) return;
  // The whole field, not only the view: a kit is drawn wherever the view comes to it.
  const int solis = Siets->pitch / 4;
  const Uint32* pikseli = (const Uint32*)Siets->pixels;
  for (int y = 0; y < Siets->h; y++) {
    const Uint32* rinda = pikseli + y * solis;
    for (int x = 0; x < Siets->w; x++) {
      const int manta = SietaManta(rinda[x]);
      if (manta != 24 && manta != 25) continue;
      // The list holds 20 kits; markers beyond them get no icon.
      if (AP_skaits >= IKONU_SKAITS) return;
      ikonas[AP_skaits].x = x - 10;
      ikonas[AP_skaits].y = y - 10;
      ikonas[AP_skaits].tips = manta;
      AP_skaits++;
    }
  }
}
