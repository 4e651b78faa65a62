// The field's full redraw and one whole frame, beside a plain copy of one screen picture.
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "bench/bench.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/spele.h"

namespace {


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
}

BenchRegister reg("field", Run);

}  // namespace
