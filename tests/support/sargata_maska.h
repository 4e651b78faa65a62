// Test helpers for code that works on the field mask and on picture files: a mask whose
// surroundings are guarded, and a temporary working folder to write pictures into.
#ifndef DELVORN_TESTS_SUPPORT_SARGATA_MASKA_H
#define DELVORN_TESTS_SUPPORT_SARGATA_MASKA_H

#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

// Guard pixels: zone 12 (a chasm a blast would open), pick-up 7 (an item a touch would
// take), hardness 100 (ground a tool or blast would clear).
const Uint32 SARGS = 0x0C0764;

// A mask in the fixed layout inside a larger buffer whose rim holds guard pixels, so that
// any access outside the surface shows up as a changed guard or a chasm that opened.
struct SargataMaska {
  static const int MALA = 64;
  std::vector<Uint32> buferis;
  int w, h, solis;
  SDL_Surface* s;
  SargataMaska(int w_, int h_, Uint32 vertiba) : w(w_), h(h_), solis(w_ + 2 * MALA) {
    buferis.assign((size_t)solis * (h + 2 * MALA), SARGS);
    for (int y = 0; y < h; y++)
      for (int x = 0; x < w; x++) Pikselis(x, y) = vertiba;
    s = SDL_CreateRGBSurfaceFrom(&buferis[(size_t)MALA * solis + MALA], w, h, 32, solis * 4,
                                 0xFF0000, 0xFF00, 0xFF, 0);
  }
  ~SargataMaska() { SDL_FreeSurface(s); }
  Uint32& Pikselis(int x, int y) { return buferis[(size_t)(y + MALA) * solis + x + MALA]; }
  int SargiMainiti() const {
    int n = 0;
    for (int y = 0; y < h + 2 * MALA; y++)
      for (int x = 0; x < solis; x++) {
        const bool ieksa = y >= MALA && y < MALA + h && x >= MALA && x < MALA + w;
        if (!ieksa && buferis[(size_t)y * solis + x] != SARGS) n++;
      }
    return n;
  }
};

// Runs in a fresh folder of its own (with ui/ and ui/rani/) and returns to the previous
// working folder afterwards.
class PagaiduMape {
 public:
  PagaiduMape() {
    char veidne[] = "/tmp/delvorn_pictures_XXXXXX";
    cels_ = mkdtemp(veidne);
    char* vecais = getcwd(NULL, 0);
    vecais_ = vecais;
    free(vecais);
    EXPECT_EQ(0, chdir(cels_.c_str()));
    mkdir("ui", 0755);
    mkdir("ui/rani", 0755);
  }
  ~PagaiduMape() {
    EXPECT_EQ(0, chdir(vecais_.c_str()));
    EXPECT_EQ(0, system(("rm -rf '" + cels_ + "'").c_str()));
  }
  // Writes a w x h picture of one colour (BMP content; the loaders go by content).
  static void Bilde(const char* fails, int w, int h, Uint32 krasa = 0xFFFFFF) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(s, NULL, krasa);
    ASSERT_EQ(0, SDL_SaveBMP(s, fails));
    SDL_FreeSurface(s);
  }

 private:
  std::string cels_;
  std::string vecais_;
};

#endif
