// Digging, the health update and the inventory panel, each alone and inside a whole frame.
#include <stdio.h>
#include <string.h>

#include "bench/bench.h"
#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/spele.h"

namespace {

int peleX = 0, peleY = 0;
Uint8 BenchPele(int* x, int* y) {
  benchNow += 1;
  *x = peleX;
  *y = peleY;
  return 0;
}

// Five radiation pixels within reach of the digger's start, with open lines to it.
const RadPunkts STAROJUMS[RAD_MAX] = {
    {230, 395}, {300, 400}, {280, 380}, {240, 420}, {320, 405}};

void Run() {
  ierices.Pele = BenchPele;
  SpelesCikls c;
  BenchStartGame(c, 0);  // the frame in play
  if (!L1 || !L1->Siets) {
    printf("dig: no field; nothing measured\n");
    return;
  }
  Speletajs* r = pirmais;
  Inventars_V2& inv = r->inv2;
  for (unsigned id = 4; id <= 11; id++) inv.IevietotLietu(id, 5, false);
  r->baterijas = r->baterijas_laiks = 100000000;

  // In the open start pocket every ray runs its full length: the costliest case.
  const int RUNS = 1001;
  struct {
    unsigned riks;
    const char* nosaukums;
  } riki[] = {{1, "dig: Rakt, spade"}, {3, "dig: Rakt, pneumatic pick"}};
  for (const auto& k : riki) {
    inv.aktiva_lieta = k.riks;
    r->virziens = 20;
    BenchReport(k.nosaukums, BenchMedianMs(RUNS, [&] { r->Rakt(); }),
                "rays at full length, 41 x 41 redraw; goal < 0.2 ms");
  }

  // Five sources in view, a blast in reach every run, the number and the gauge drawn.
  BenchReport("dig: Veseljoties, 5 radiation sources", BenchMedianMs(RUNS, [&] {
                memcpy(rad, STAROJUMS, sizeof(STAROJUMS));
                radC = RAD_MAX;
                Epicentrs = {270, 401, 12};
                r->Veseliba = 100;
                r->Veseljoties();
              }),
              "goal < 0.2 ms");

  inv.atverts = true;
  BenchReport("dig: Apkalpot, open on the dynamite pocket", BenchMedianMs(RUNS, [&] {
                inv.atverts = true;
                inv.Apkalpot(115, 450, 0);
              }),
              "full bag of 11; goal < 0.2 ms");

  // The whole frame: the pointer over the dynamite pocket, a right-button dig with the
  // spade each frame, five radiation pixels in the mask near the digger.
  for (const RadPunkts& p : STAROJUMS)
    L1->RakstitSietu(p.x, p.y, ArZonu(ArCietibu(L1->LasitSietu(p.x, p.y), 0), 90));
  inv.aktiva_lieta = 1;
  peleX = 115;
  peleY = 450;
  int atrasti = 0;
  const double kadrs = BenchMedianMs(301, [&] {
    SDL_Event e = {};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    SDL_PushEvent(&e);
    r->Veseliba = 100;
    Kadrs(c);
    atrasti = radC;
  });
  char piezime[96];
  snprintf(piezime, sizeof piezime, "panel open, spade dig, %d radiation sources; goal < 2 ms",
           atrasti);
  BenchReport("dig: whole frame in play", kadrs, piezime);
}

BenchRegister r("dig", Run);

}  // namespace
