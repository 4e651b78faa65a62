// The digger's walking sheets as the art generator paints them: their grid, every figure
// inside the circle the quarter turns keep, and the heading shown by the lamp and the item.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

namespace {

const int SUNA = 25;  // cell and scratch size
const int KOLONNAS = 9, RINDAS = 6;

struct Krasa {
  Uint8 r, g, b, a;
};

// A sheet read into plain RGBA, whatever layout SDL_image gives.
std::vector<Krasa> Nolasit(const std::string& fails, int* w, int* h) {
  std::vector<Krasa> px;
  SDL_Surface* s = IMG_Load(fails.c_str());
  if (!s) return px;
  *w = s->w;
  *h = s->h;
  if (s->format->Amask == 0) *w = -1;  // no alpha: the figure would draw as a square
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; y++)
    for (int x = 0; x < s->w; x++) {
      Uint8* p = (Uint8*)s->pixels + y * s->pitch + x * s->format->BytesPerPixel;
      Uint32 v = 0;
      memcpy(&v, p, s->format->BytesPerPixel);
      Krasa k;
      SDL_GetRGBA(v, s->format, &k.r, &k.g, &k.b, &k.a);
      px.push_back(k);
    }
  SDL_UnlockSurface(s);
  SDL_FreeSurface(s);
  return px;
}

// The lamp's lit face: bright and clearly yellow, unlike the white helmet, the pale light
// cone and the orange vest.
bool Lampa(const Krasa& k) { return k.a >= 200 && k.r >= 230 && k.g >= 200 && k.b + 80 <= k.g; }

TEST(StaigasLapas, FiguresStayInTheScratchWithTheLampAndTheItemAhead) {
  struct {
    const char* fails;
    bool nes;  // carries the active item ahead
  } lapas[] = {
      {"ui/rani/ani_soljo.png", false},        {"ui/rani/ani_soljo_lapsta.png", true},
      {"ui/rani/ani_soljo_cert.png", true},    {"ui/rani/ani_soljo_pneimo.png", true},
      {"ui/rani/ani_soljo_spridz.png", true},
  };
  std::vector<std::vector<Krasa>> visas;
  for (const auto& l : lapas) {
    int w = 0, h = 0;
    std::vector<Krasa> px = Nolasit(std::string(DELVORN_BIN_DIR "/") + l.fails, &w, &h);
    ASSERT_FALSE(px.empty()) << l.fails << ": " << IMG_GetError();
    ASSERT_EQ(KOLONNAS * SUNA, w) << l.fails << " (-1: no alpha)";
    ASSERT_EQ(RINDAS * SUNA, h) << l.fails;
    for (int r = 0; r < RINDAS; r++)
      for (int c = 0; c < KOLONNAS; c++) {
        const double lenkis = (270 - 10 * c) * M_PI / 180.0;
        const double vx = cos(lenkis), vy = -sin(lenkis);  // the heading, y down
        int arpus = 0, lampas = 0;
        double lampa_uz_prieksu = 0, tals_uz_prieksu = -99;
        for (int y = 0; y < SUNA; y++)
          for (int x = 0; x < SUNA; x++) {
            const Krasa& k = px[(r * SUNA + y) * w + c * SUNA + x];
            const double dx = x + 0.5 - SUNA / 2.0, dy = y + 0.5 - SUNA / 2.0;
            const double uz_prieksu = dx * vx + dy * vy;
            // Beyond 12 pixels a quarter turn would cut the figure at the scratch's edge;
            // only the light cone's faint end may reach there.
            arpus += k.a > 64 && dx * dx + dy * dy > 12.0 * 12.0;
            if (k.a >= 200 && uz_prieksu > tals_uz_prieksu) tals_uz_prieksu = uz_prieksu;
            if (Lampa(k)) {
              lampas++;
              lampa_uz_prieksu += uz_prieksu;
            }
          }
        SCOPED_TRACE(std::string(l.fails) + " row " + std::to_string(r) + " column " +
                     std::to_string(c));
        EXPECT_EQ(0, arpus);
        ASSERT_GE(lampas, 2) << "no lit lamp";
        EXPECT_GE(lampa_uz_prieksu / lampas, 2.5) << "the lamp is not at the front";
        // Empty hands end about 8 pixels ahead; a carried item reaches further.
        if (l.nes) {
          EXPECT_GE(tals_uz_prieksu, 9.0);
        } else {
          EXPECT_LT(tals_uz_prieksu, 9.0);
        }
      }
    visas.push_back(px);
  }
  // Every sheet shows its own item: a copy of another would tell the player nothing.
  for (size_t i = 0; i < visas.size(); i++)
    for (size_t j = i + 1; j < visas.size(); j++) {
      int atskiras = 0;
      for (size_t p = 0; p < visas[i].size(); p++) {
        const Krasa &a = visas[i][p], &b = visas[j][p];
        atskiras += abs(a.r - b.r) > 40 || abs(a.g - b.g) > 40 || abs(a.b - b.b) > 40 ||
                    abs(a.a - b.a) > 40;
      }
      EXPECT_GT(atskiras, 500) << lapas[i].fails << " and " << lapas[j].fails;
    }
}

}  // namespace
