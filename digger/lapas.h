// The digger's sprite sheets: which sheet, cell and scratch each action draws with.
#ifndef DELVORN_DIGGER_LAPAS_H
#define DELVORN_DIGGER_LAPAS_H

#include "digger/racejs.h"

struct SpraitaLapa {
  SDL_Surface* Speletajs::*lapa;     // the sheet
  const char* fails;
  int suna;                          // cell size
  int rindas;                        // animation rows in the sheet
  SDL_Surface* Speletajs::*pagaidu;  // the scratch it is turned in
  int nobide;                        // shift that centres the sprite on the digger
  bool no_apaksas;                   // rows counted from the bottom (10 - kadrs)
};

const int LAPU_SKAITS = 6;
const int LAPAS_KOLONNAS = 9;  // the nine facings of one quarter turn
// Indexed by action: entry 0 for actions below 3, entry d - 2 for actions 3-7.
extern const SpraitaLapa SPRAITU_LAPAS[LAPU_SKAITS];

#endif
