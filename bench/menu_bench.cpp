// The main menu's whole frame and one intro cross-fade step, beside a copy of one screen.
#include <stdio.h>
#include <string.h>

#include <vector>

#include "bench/bench.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/spele.h"

namespace {

void Run() {
  BenchScreen();
  const int RUNS = 201;
  std::vector<Uint32> a(800 * 600, 0x12345678), b(800 * 600);
  double copy = BenchMedianMs(RUNS, [&] {
    memcpy(b.data(), a.data(), a.size() * 4);
    __asm__ __volatile__("" : : "r"(b.data()) : "memory");
  });
  BenchReport("memcpy of one 800x600x32 picture", copy);

  Intro intro;
  if (!intro.bgi_screens[2].img.normal || !intro.bgi_screens[3].img.normal)
    printf("(intro slides missing: the fade step draws nothing)\n");
  unsigned opacity = 0;
  double fade = BenchMedianMs(RUNS, [&] {
    intro.bgi_screens[3].Interpolate(screen, &intro.bgi_screens[2], (opacity += 37) & 0xFF);
  });
  char note[96];
  snprintf(note, sizeof note, "%.2f x the copy", fade / copy);
  BenchReport("intro cross-fade step (two 800x600 slides)", fade, note);

  SpelesCikls c;
  BenchStartGame(c, 1);
  double frame = BenchMedianMs(RUNS, [&] { Kadrs(c); });
  snprintf(note, sizeof note, "%.2f x the copy (goal: under 2 ms)", frame / copy);
  BenchReport("one whole frame on the main menu", frame, note);
}

BenchRegister reg("menu", Run);

}  // namespace
