// Scaling the game's picture by whole numbers and mapping the window's pointer back.
#include "shell/merogs.h"

#include <gtest/gtest.h>

#include <vector>

// At 1x, then 2x centred on 1920 x 1200, 3x centred on 3840 x 2160, and 4x larger than its
// window; -3 / 4 rounds down to -1, out of the picture.
TEST(PelesVieta, MapsThePointerBackAndTellsTheBorder) {
  struct {
    int wx, wy, n, dx, dy, x, y;
    bool ieksa;
  } cases[] = {
      {0, 0, 1, 0, 0, 0, 0, true},
      {799, 599, 1, 0, 0, 799, 599, true},
      {800, 300, 1, 0, 0, 799, 300, false},
      {-1, 5, 1, 0, 0, 0, 5, false},
      {3, 2, 2, 0, 0, 1, 1, true},
      {159, 0, 2, 160, 0, 0, 0, false},
      {160, 1199, 2, 160, 0, 0, 599, true},
      {1760, 600, 2, 160, 0, 799, 300, false},
      {1920, 1080, 3, 720, 180, 400, 300, true},
      {3119, 1979, 3, 720, 180, 799, 599, true},
      {3120, 1980, 3, 720, 180, 799, 599, false},
      {-3, 0, 4, 0, 0, 0, 0, false},
      {0, 0, 4, -8, -4, 2, 1, true},
      {-2147483647, 5, 1, 10, 0, 0, 5, false},
  };
  for (auto& c : cases) {
    int x = -1, y = -1;
    const int ieksa = PelesVieta(c.wx, c.wy, c.n, c.dx, c.dy, &x, &y);
    EXPECT_EQ((std::vector<int>{ieksa, x, y}), (std::vector<int>{c.ieksa, c.x, c.y}))
        << c.wx << "," << c.wy << " x" << c.n;
  }
}

TEST(LielakaisMerogs, LargestScaleThatFitsAndItsCentre) {
  struct {
    int w, h, n, dx, dy;
  } cases[] = {
      {640, 480, 1, 0, 0},       {800, 600, 1, 0, 0},     {1920, 1080, 1, 560, 240},
      {1600, 1200, 2, 0, 0},     {1920, 1200, 2, 160, 0}, {2560, 1440, 2, 480, 120},
      {3840, 2160, 3, 720, 180}, {3200, 2400, 4, 0, 0},   {7680, 4320, 4, 2240, 960},
  };
  for (auto& c : cases) {
    const int n = LielakaisMerogs(c.w, c.h);
    int dx = -1, dy = -1;
    Centrs(c.w, c.h, n, &dx, &dy);
    EXPECT_EQ((std::vector<int>{n, dx, dy}), (std::vector<int>{c.n, c.dx, c.dy}))
        << c.w << "x" << c.h;
  }
}

TEST(Merogot, EveryPixelIsItsSourcePixelAndNothingOutsideIsWritten) {
  const int W = 5, H = 3, SP = W + 2;
  const Uint32 TUKSS = 0xDEADBEEF;
  std::vector<Uint32> no(SP * H, 0xBADBAD);  // padded rows catch pitch taken as width
  for (int y = 0; y < H; y++)
    for (int x = 0; x < W; x++) no[y * SP + x] = 0x10000 + y * 16 + x;
  SDL_Surface* s = SDL_CreateRGBSurfaceFrom(no.data(), W, H, 32, SP * 4, 0xFF0000, 0xFF00, 0xFF, 0);
  struct {
    int n, dx, dy, w, h;
  } cases[] = {
      {1, 0, 0, 5, 3},   {2, 0, 0, 10, 6}, {3, 1, 2, 20, 12},  // smaller than the destination
      {4, -3, -5, 9, 6}, {3, 2, 1, 7, 5},  {2, 20, 0, 5, 5},   // clipped, or wholly outside
  };
  for (auto& c : cases) {
    const int DP = c.w + 3;  // and a spare row below: writes past the edges show there
    std::vector<Uint32> uz(DP * (c.h + 1), TUKSS);
    SDL_Surface* d =
        SDL_CreateRGBSurfaceFrom(uz.data(), c.w, c.h, 32, DP * 4, 0xFF0000, 0xFF00, 0xFF, 0);
    Merogot(s, d, c.n, c.dx, c.dy);
    for (int y = 0; y <= c.h; y++)
      for (int x = 0; x < DP; x++) {
        const int ax = x - c.dx, ay = y - c.dy;
        const bool zimets =
            x < c.w && y < c.h && ax >= 0 && ay >= 0 && ax < W * c.n && ay < H * c.n;
        const Uint32 gaida = zimets ? no[ay / c.n * SP + ax / c.n] : TUKSS;
        ASSERT_EQ(uz[y * DP + x], gaida) << "x" << c.n << " at " << x << "," << y;
      }
    SDL_FreeSurface(d);
  }
  SDL_FreeSurface(s);
}
