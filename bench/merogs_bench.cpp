// The game's picture scaled into a window 2, 3 and 4 times as large, beside a plain copy of
// the 2x window's picture and of each window's own.
#include <SDL.h>
#include <stdio.h>
#include <string.h>

#include <vector>

#include "bench/bench.h"
#include "shell/merogs.h"

namespace {

void Run() {
  const int RUNS = 301;
  SDL_Surface* no =
      SDL_CreateRGBSurface(SDL_SWSURFACE, SPELES_W, SPELES_H, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  if (!no) {
    printf("no memory for the picture; nothing measured\n");
    return;
  }
  Uint32* p = (Uint32*)no->pixels;
  for (int i = 0; i < SPELES_H * (no->pitch / 4); i++) p[i] = i * 2654435761u;

  std::vector<Uint32> a(1600 * 1200, 0x12345678), b(1600 * 1200);
  const double copy = BenchMedianMs(RUNS, [&] {
    memcpy(b.data(), a.data(), a.size() * 4);
    __asm__ __volatile__("" : : "r"(b.data()) : "memory");
  });
  BenchReport("memcpy of one 1600x1200x32 picture", copy);

  for (int n = 2; n <= LIELAKAIS_MEROGS; n++) {
    SDL_Surface* uz = SDL_CreateRGBSurface(SDL_SWSURFACE, SPELES_W * n, SPELES_H * n, 32, 0xFF0000,
                                           0xFF00, 0xFF, 0);
    if (!uz) {
      printf("no memory for the %dx window; skipped\n", n);
      continue;
    }
    const double ms = BenchMedianMs(RUNS, [&] {
      Merogot(no, uz, n, 0, 0);
      __asm__ __volatile__("" : : "r"(uz->pixels) : "memory");
    });
    char name[64], note[128];
    snprintf(name, sizeof name, "Merogot 800x600 -> %dx%d (%dx)", SPELES_W * n, SPELES_H * n, n);
    if (n == 2) {
      snprintf(note, sizeof note, "%.2f x the copy (goal: under 1 ms)", ms / copy);
    } else {
      // Past 2x the window's picture outgrows the cache; a copy of its own size shows that.
      std::vector<Uint32> c(uz->h * (uz->pitch / 4), 0x12345678), e(c.size());
      const double sava = BenchMedianMs(RUNS, [&] {
        memcpy(e.data(), c.data(), c.size() * 4);
        __asm__ __volatile__("" : : "r"(e.data()) : "memory");
      });
      snprintf(note, sizeof note, "%.2f x the copy; a %dx%d copy takes %.4f ms (%.2f x)", ms / copy,
               uz->w, uz->h, sava, ms / sava);
    }
    BenchReport(name, ms, note);
    SDL_FreeSurface(uz);
  }
  SDL_FreeSurface(no);
}

BenchRegister reg("scale", Run);

}  // namespace
