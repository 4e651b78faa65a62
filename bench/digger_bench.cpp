// The digger's share of a frame: one collision test, one drawing, and one Semtex blast.
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "digger/racejs.h"
#include "field/zeme.h"
#include "shell/globali.h"

namespace {

const char* const LAUKA_BILDE = "map/pamats1.bmp";

void Run() {
  BenchScreen();
  Laukums* lauks = new Laukums(0, 0, LAUKA_BILDE, LAUKA_BILDE, LAUKA_BILDE);
  if (!lauks->Siets || !lauks->Zeme || !lauks->Pamats) {
    printf("digger: the field cannot be built on %s; nothing measured\n", LAUKA_BILDE);
    delete lauks;
    return;
  }
  Laukums* vecais = L1;
  L1 = lauks;
  Speletajs* r = new Speletajs(250, 390, 1);
  const std::string maskas = r->maskal && r->maskam ? "" : " (no collision masks)";

  const int RUNS = 501;
  r->virziens = 30;
  BenchReport("digger: Kolizija", BenchMedianMs(RUNS, [&] { r->Kolizija(); }),
              "four 21 x 21 passes" + maskas + "; goal < 1 ms");

  // The worst step: he stands in a pocket just his size, so the straight step and every
  // heading along the wall are tried and refused. The pocket is put back afterwards.
  SDL_Surface* s = lauks->Siets;
  const size_t baiti = (size_t)s->pitch * s->h;
  std::vector<Uint8> originals((Uint8*)s->pixels, (Uint8*)s->pixels + baiti);
  for (int y = 370; y < 430; y++)
    for (int x = 230; x < 290; x++) {
      const int dx = x - 260, dy = y - 400;
      lauks->RakstitSietu(x, y, ArCietibu(0, dx * dx + dy * dy <= 56 ? 0 : 60));
    }
  r->pozx = 250;
  r->pozy = 390;
  BenchReport("digger: Parvietot, boxed in", BenchMedianMs(RUNS, [&] { r->Parvietot(1); }),
              "collision and every refused step" + maskas + "; goal < 1 ms");
  r->inv2.aktiva_lieta = 3;
  BenchReport("digger: Rakt, pneumatic pick", BenchMedianMs(RUNS, [&] { r->Rakt(); }),
              "a body-wide fan of 18 rays x 27 steps; goal < 1 ms");
  r->inv2.aktiva_lieta = 1;
  BenchReport("digger: Rakt, spade", BenchMedianMs(RUNS, [&] { r->Rakt(); }),
              "a body-wide fan of 50 rays x 15 steps; goal < 1 ms");
  memcpy(s->pixels, originals.data(), baiti);
  r->kustibu_pauze = 0;

  r->darbiba = 2;
  r->kadrs = 3;
  r->virziens = 0;  // one quarter turn
  BenchReport("digger: Attelot", BenchMedianMs(RUNS, [&] { r->Attelot(); }),
              "walking sheet, one quarter turn; goal < 1 ms");

  // Each blast on a fresh copy of the mask; only the blast itself is timed.
  std::vector<double> laiki;
  for (int k = 0; k < RUNS; k++) {
    memcpy(s->pixels, originals.data(), baiti);
    laiki.push_back(BenchMedianMs(1, [&] {
      lauks->Spridzinat(9, 1, 400, 300);
      lauks->ApkalpotBumbas();
    }));
  }
  std::sort(laiki.begin(), laiki.end());
  BenchReport("digger: Semtex blast", laiki[laiki.size() / 2],
              "257 rays of 35-44 steps; goal < 1 ms");
  memcpy(s->pixels, originals.data(), baiti);
  Epicentrs.stiprums = 0;

  delete r;
  L1 = vecais;
}

BenchRegister r("digger", Run);

}  // namespace
