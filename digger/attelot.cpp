// Drawing the digger: one sheet cell per frame, turned by quarter turns in a scratch sprite.
#include "digger/lapas.h"
#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/sistema.h"

const SpraitaLapa SPRAITU_LAPAS[LAPU_SKAITS] = {
    {&Speletajs::S_Soljo, "ui/rani/ani_soljo.png", 25, 6, &Speletajs::pieci, 2, false},
    {&Speletajs::S_Rok, "ui/rani/ani_rok.png", 38, 11, &Speletajs::tris, 8, true},
    {&Speletajs::S_Cert, "ui/rani/ani_cert.png", 45, 11, &Speletajs::tris, 12, true},
    {&Speletajs::S_Pne, "ui/rani/ani_pneimo.png", 45, 11, &Speletajs::tris, 12, true},
    {&Speletajs::S_Mir, "ui/rani/ani_nave1.png", 35, 11, &Speletajs::tris, 7, true},
    {&Speletajs::S_Dirn, "ui/rani/ani_dirn.png", 30, 11, &Speletajs::tris, 3, true},
};

void Speletajs::Attelot() {
  if (darbiba > 7) return;
  const SpraitaLapa& l = SPRAITU_LAPAS[darbiba < 3 ? 0 : darbiba - 2];
  if (darbiba == 1) kadrs = 4;

  const int sakx = L1 ? L1->sak.x : 0, saky = L1 ? L1->sak.y : 0;
  const int X = (int)(pozx - sakx - l.nobide);
  const int Y = (int)(pozy - saky - l.nobide);

  // Ten-degree sectors counted from 100 degrees, 1 to 36; nine per quarter turn. The
  // unturned sheet shows 270 degrees in column 0 to 190 in column 8.
  int sektors = ((virziens % 360) + 360) % 360 / 10 - 9;
  if (sektors < 0) sektors += 36;
  if (sektors == 0) sektors = 36;
  int kolonna, pagriezieni;
  if (sektors <= 9) {
    kolonna = 9 - sektors;
    pagriezieni = 3;
  } else if (sektors <= 18) {
    kolonna = 18 - sektors;
    pagriezieni = 0;
  } else if (sektors <= 27) {
    kolonna = 27 - sektors;
    pagriezieni = 1;
  } else {
    kolonna = 36 - sektors;
    pagriezieni = 2;
  }
  const int rinda = l.no_apaksas ? 10 - kadrs : kadrs;

  SDL_Surface* lapa = this->*(l.lapa);
  if (darbiba < 3) {
    // Walking and standing he carries what the right button will use.
    const unsigned lieta = inv2.aktiva_lieta;
    const int k = lieta == 0 ? -1 : (lieta <= 3 ? (int)lieta - 1 : 3);
    if (k >= 0 && lieta <= 11 && S_Nes[k]) lapa = S_Nes[k];
  }
  SDL_Surface* pagaidu = this->*(l.pagaidu);
  if (!lapa || !pagaidu || !screen) return;
  // A frame outside the sheet's rows draws nothing rather than a neighbour's pixels.
  if (rinda < 0 || (rinda + 1) * l.suna > lapa->h || LAPAS_KOLONNAS * l.suna > lapa->w) return;

  SDL_Rect avots = {(Sint16)(kolonna * l.suna), (Sint16)(rinda * l.suna), (Uint16)l.suna,
                    (Uint16)l.suna};
  SDL_Rect sakums = {0, 0, 0, 0};
  // The cell replaces the scratch's pixels, alpha included: blended into the transparent
  // scratch it would leave it transparent and the digger unseen for a frame.
  SDL_SetAlpha(lapa, 0, 0);
  SDL_BlitSurface(lapa, &avots, pagaidu, &sakums);
  rotet(pagriezieni, pagaidu);
  SDL_Rect merkis = {(Sint16)X, (Sint16)Y, 0, 0};
  SDL_BlitSurface(pagaidu, NULL, screen, &merkis);
}
