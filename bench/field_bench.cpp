// The field's full redraw and one whole frame, beside a plain copy of one screen picture.
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "bench/bench.h"
#include "field/spradziens.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "digger/racejs.h"
#include "shell/skats.h"
#include "shell/spele.h"

namespace {


// What the frame sees of one field, so that two fields can take turns frame by frame.
struct LaukaPuse {
  SDL_Surface* bildes[3];
  SDL_Rect sak;
  std::vector<RadPunkts> starojums;
  AptiekasIkona ikonas[IKONU_SKAITS];
  int AP_skaits;
  float x, y;
};

void Panemt(LaukaPuse& p) {
  p.bildes[0] = L1->Siets;
  p.bildes[1] = L1->Zeme;
  p.bildes[2] = L1->Pamats;
  p.sak = L1->sak;
  p.starojums = L1->starojums;
  std::copy(ikonas, ikonas + IKONU_SKAITS, p.ikonas);
  p.AP_skaits = L1->AP_skaits;
  p.x = pirmais->pozx;
  p.y = pirmais->pozy;
}

void Ielikt(const LaukaPuse& p) {
  L1->Siets = p.bildes[0];
  L1->Zeme = p.bildes[1];
  L1->Pamats = p.bildes[2];
  L1->sak = p.sak;
  L1->starojums = p.starojums;
  std::copy(p.ikonas, p.ikonas + IKONU_SKAITS, ikonas);
  L1->AP_skaits = p.AP_skaits;
  pirmais->pozx = p.x;
  pirmais->pozy = p.y;
}

// The same frame on the largest field the caps allow, scrolled to its middle, with kits
// and radiation sources strewn over it. The machine's speed drifts, so the two fields take
// turns and the ratio of each pair of turns is what counts.
void LielsLauks(SpelesCikls& c, int RUNS) {
  const int N = 4096;
  SDL_Surface* jauni[3] = {
      SDL_CreateRGBSurface(SDL_SWSURFACE, N, N, 32, 0xFF0000, 0xFF00, 0xFF, 0),
      SDL_CreateRGBSurface(SDL_SWSURFACE, N, N, 32, 0xFF0000, 0xFF00, 0xFF, 0),
      SDL_CreateRGBSurface(SDL_SWSURFACE, N, N, 32, 0xFF0000, 0xFF00, 0xFF, 0)};
  if (!jauni[0] || !jauni[1] || !jauni[2]) {
    printf("no memory for a %d x %d field; nothing measured\n", N, N);
    for (SDL_Surface* j : jauni)
      if (j) SDL_FreeSurface(j);
    return;
  }
  SDL_FillRect(jauni[1], NULL, 0x00AA5522);
  SDL_FillRect(jauni[2], NULL, 0x00223344);
  LaukaPuse mazs, liels;
  Panemt(mazs);
  L1->Siets = jauni[0];
  L1->Zeme = jauni[1];
  L1->Pamats = jauni[2];
  // Ground in bands with tunnels between, ten kits and ten sources across the field.
  for (int y = 0; y < N; y++)
    for (int x = 0; x < N; x++) L1->RakstitSietu(x, y, (y / 40) % 3 ? 60 : 0);
  for (int k = 0; k < 10; k++) {
    L1->RakstitSietu(200 + 400 * k, 300 + 380 * k, ArMantu(60, 24));
    L1->RakstitSietu(300 + 380 * k, 200 + 400 * k, ArZonu(60, 90));
  }
  L1->IndeksetStarojumu();
  L1->ParindeksetAptiekas();
  pirmais->pozx = pirmais->pozy = N / 2;
  c.skats = Skats();
  L1->sak.x = L1->sak.y = N / 2 - 400;  // he stands well inside the view's margin
  Panemt(liels);

  BenchReport("ZimLauk full redraw, 4096 x 4096 scrolled",
              BenchMedianMs(RUNS, [] { L1->ZimLauk(0, 0, 0, 0, 1); }), "rows 16 KB apart");
  // Turns of 21 frames each, so that every field is measured with its own data in cache.
  std::vector<double> laiki, attiecibas;
  for (int k = 0; k < RUNS / 20; k++) {
    Ielikt(mazs);
    const double m = BenchMedianMs(21, [&] { Kadrs(c); });
    Ielikt(liels);
    const double l = BenchMedianMs(21, [&] { Kadrs(c); });
    laiki.push_back(l);
    attiecibas.push_back(l / m);
  }
  std::sort(laiki.begin(), laiki.end());
  std::sort(attiecibas.begin(), attiecibas.end());
  char note[96];
  snprintf(note, sizeof note, "paired with the 800 x 600 frame %.2f x (goal: within 1.2 x)",
           attiecibas[attiecibas.size() / 2]);
  BenchReport("one whole frame, 4096 x 4096 scrolled", laiki[laiki.size() / 2], note);
  Ielikt(mazs);
  for (SDL_Surface* j : jauni) SDL_FreeSurface(j);
}

void Run() {
  BenchScreen();
  const int RUNS = 301;
  std::vector<Uint32> a(800 * 600, 0x12345678), b(800 * 600);
  double copy = BenchMedianMs(RUNS, [&] {
    memcpy(b.data(), a.data(), a.size() * 4);
    __asm__ __volatile__("" : : "r"(b.data()) : "memory");
  });
  BenchReport("memcpy of one 800x600x32 picture", copy);

  // The frame as the game runs it, with the sleep taken out (the fake clock only counts).
  SpelesCikls c;
  BenchStartGame(c, 0);  // the frame in play
  if (!L1 || !L1->Siets) {
    printf("no field to draw\n");
    return;
  }
  double full = BenchMedianMs(RUNS, [] { L1->ZimLauk(0, 0, 0, 0, 1); });
  // The machine's speed drifts between runs; the ratio of a redraw to a copy made right
  // before it is steadier than the ratio of two medians.
  std::vector<double> ratios;
  for (int k = 0; k < RUNS; k++) {
    double c1 = BenchMedianMs(1, [&] {
      memcpy(b.data(), a.data(), a.size() * 4);
      __asm__ __volatile__("" : : "r"(b.data()) : "memory");
    });
    double r1 = BenchMedianMs(1, [] { L1->ZimLauk(0, 0, 0, 0, 1); });
    ratios.push_back(r1 / c1);
  }
  std::sort(ratios.begin(), ratios.end());
  char note[96];
  snprintf(note, sizeof note, "%.2f x the copy, paired runs %.2f x (goal: within 3 x)",
           full / copy, ratios[ratios.size() / 2]);
  BenchReport("ZimLauk full redraw", full, note);
  double frame = BenchMedianMs(RUNS, [&] { Kadrs(c); });
  snprintf(note, sizeof note, "%.2f x the copy (goal: under 2 ms)", frame / copy);
  BenchReport("one whole frame without its sleep", frame, note);
  // A Semtex blast seen from its start to its end, its largest charge's rings burning in
  // every frame; the blast's own rays are left out (nothing is placed in the field).
  const double sprad = BenchMedianMs(RUNS, [&] {
    SaktSpradzienu(*L1, L1->sak.x + 400, L1->sak.y + 300, SpradzienaStiprums(9));
    for (int k = 0; k < Spradziens::KADRI; k++) ZimetSpradzienu(*L1, screen);
  }) / Spradziens::KADRI;
  snprintf(note, sizeof note, "%.2f x the whole frame", sprad / frame);
  BenchReport("a Semtex blast's flash, debris and shake, per frame", sprad, note);
  LielsLauks(c, RUNS);
}

BenchRegister reg("field", Run);

}  // namespace
