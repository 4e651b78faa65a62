// Digging and placing explosives, and what the field's dangers cost the digger each frame.
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <math.h>

#include <algorithm>
#include <string>
#include <vector>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "tests/support/sargata_maska.h"
#include "tests/support/testutil.h"

namespace {

Uint32 laiks = 5000;
Uint32 Laiks() { return laiks; }

class Rakt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(OpenTestScreen() != NULL); }
  void SetUp() override {
    vecais_laiks = ierices.Tagad;
    ierices.Tagad = Laiks;
    maska = new SargataMaska(300, 300, 0);
    L1 = new Laukums(0, 0, "nav/siets.bmp", "nav/zeme.bmp", "nav/pamats.bmp");
    L1->Siets = maska->s;
    testing::internal::CaptureStderr();  // the run folder's pictures may not be painted yet
    r = new Speletajs(100, 100, 1);
    testing::internal::GetCapturedStderr();
    Epicentrs.stiprums = 0;
    radC = 0;
  }
  void TearDown() override {
    ierices.Tagad = vecais_laiks;
    delete L1->Bumbas[0];
    L1->Bumbas[0] = NULL;
    L1->Siets = NULL;
    delete r;
    delete L1;
    L1 = NULL;
    delete maska;
  }
  void Aizpildit(Uint32 v) {
    for (int y = 0; y < maska->h; y++)
      for (int x = 0; x < maska->w; x++) maska->Pikselis(x, y) = v;
  }
  int Cietiba(int x, int y) { return SietaCietiba(maska->Pikselis(x, y)); }
  Uint32 (*vecais_laiks)();
  SargataMaska* maska;
  Speletajs* r;
};

// Facing right from (100, 100): the spade's rays leave (110, 111), the picks' (107, 111).
TEST_F(Rakt, ToolsClearTheirFanUpToTheirHardnessLimit) {
  struct Punkts {
    int x, y, cietiba;
  };
  struct {
    const char* nosaukums;
    unsigned riks;
    int pamats;                   // hardness everywhere else
    int siena;                    // hardness of a wall across column 115 (-1: none)
    std::vector<Punkts> pec;      // hardness expected afterwards
    int darbiba, pauze;
  } gadijumi[] = {
      {"spade: the straight ray ends 15 steps from x 110 on row 111", 1, 60, -1,
       {{125, 111, 0}, {126, 111, 60}, {125, 110, 60}, {111, 111, 0}}, 3, 18},
      {"spade: the bite spans the body's rows 103-117 and flares, but no further", 1, 60, -1,
       {{118, 103, 0}, {118, 117, 0}, {119, 122, 0}, {125, 125, 60}, {105, 95, 60}}, 3, 18},
      {"spade takes loose ground", 1, 60, 3, {{115, 111, 0}, {120, 111, 0}}, 3, 18},
      {"spade stops at hardness 100", 1, 60, 100, {{115, 111, 100}, {120, 111, 60}}, 3, 18},
      {"pick: 22 steps from x 107, as wide as the body", 2, 60, -1,
       {{129, 111, 0}, {130, 111, 60}, {120, 103, 0}, {120, 117, 0}, {108, 98, 60}}, 4, 14},
      {"pick stops at hardness 150 and leaves it", 2, 60, 150,
       {{115, 111, 150}, {114, 111, 0}, {120, 111, 60}}, 4, 14},
      {"pick passes over loose ground and leaves it", 2, 60, 3,
       {{115, 111, 3}, {114, 111, 0}, {120, 111, 0}}, 4, 14},
      {"pneumatic pick takes 150", 3, 60, 150, {{115, 111, 0}, {120, 111, 0}}, 5, 8},
      {"pneumatic pick stops at 200", 3, 60, 200, {{115, 111, 200}, {120, 111, 60}}, 5, 8},
      {"pneumatic pick: 27 steps from x 107", 3, 60, -1, {{134, 111, 0}, {135, 111, 60}}, 5, 8},
  };
  for (const auto& g : gadijumi) {
    Aizpildit(ArCietibu(0, g.pamats));
    if (g.siena >= 0)
      for (int y = 0; y < maska->h; y++) maska->Pikselis(115, y) = ArCietibu(0, g.siena);
    r->pozx = 100;
    r->pozy = 100;
    r->virziens = 0;
    r->kustibu_pauze = 0;
    r->inv2.aktiva_lieta = g.riks;
    r->Rakt();
    for (const Punkts& p : g.pec)
      EXPECT_EQ(p.cietiba, Cietiba(p.x, p.y)) << g.nosaukums << " at " << p.x << "," << p.y;
    EXPECT_EQ(g.darbiba, r->darbiba) << g.nosaukums;
    EXPECT_EQ(g.pauze, r->kustibu_pauze) << g.nosaukums;
  }
}

TEST_F(Rakt, DiggingKeepsPickUpsAndZones) {
  Aizpildit(ArCietibu(0, 60));
  maska->Pikselis(118, 111) = ArMantu(0, 7);                           // open, item 7
  maska->Pikselis(120, 111) = ArZonu(ArMantu(ArCietibu(0, 60), 9), 50);  // item 9 in poison
  r->inv2.aktiva_lieta = 1;
  r->Rakt();
  EXPECT_EQ(ArMantu(0, 7), maska->Pikselis(118, 111));
  EXPECT_EQ(ArZonu(ArMantu(0, 9), 50), maska->Pikselis(120, 111));
}

TEST_F(Rakt, RaysStayInsideTheMaskAtItsEdges) {
  struct {
    float x, y;
    int virziens;
    unsigned riks;
  } gadijumi[] = {
      {-11, 100, 180, 1}, {-8, -8, 135, 1},  {279, 279, 315, 1}, {279, 100, 0, 3},
      {100, -11, 90, 3},  {100, 290, 270, 2}, {-60, -60, 45, 1}, {300, 300, 135, 3},
  };
  Aizpildit(ArCietibu(0, 60));
  for (const auto& g : gadijumi) {
    r->pozx = g.x;
    r->pozy = g.y;
    r->virziens = g.virziens;
    r->inv2.aktiva_lieta = g.riks;
    r->Rakt();
  }
  EXPECT_EQ(0, maska->SargiMainiti());
  EXPECT_EQ(0, Cietiba(0, 0)) << "the corner itself is dug";
  EXPECT_EQ(0, Cietiba(299, 299));
}

TEST_F(Rakt, NothingActiveOrNoItemDoesNothing) {
  Aizpildit(ArCietibu(0, 60));
  for (unsigned id : {0u, 12u, 13u, 99u}) {
    r->inv2.aktiva_lieta = id;
    r->darbiba = 1;
    r->Rakt();
    EXPECT_EQ(1, r->darbiba) << id;
    EXPECT_EQ(0, r->kustibu_pauze) << id;
    EXPECT_TRUE(L1->Bumbas[0] == NULL) << id;
    EXPECT_EQ(60, Cietiba(115, 111)) << id;
  }
}

TEST_F(Rakt, ExplosivesArePlacedTenPixelsAheadAndUsedUp) {
  struct {
    unsigned id;
    int skaits;
    int virziens;
    int x, y, degls;
    int skaits_pec;  // 0: the item is gone
  } gadijumi[] = {
      {4, 3, 0, 121, 111, 50, 2},
      {5, 1, 0, 121, 111, 50, 0},
      {6, 2, 90, 111, 101, 50, 1},
      {7, 1, 0, 121, 111, 120, 0},
      {8, 1, 0, 121, 111, 120, 0},
      // sin(180) in double is a hair above 0, so 111 - 10 sin truncates to 110.
      {10, 1, 180, 101, 110, 60, 0},
      {11, 1, 270, 110, 121, 90, 0},
  };
  for (const auto& g : gadijumi) {
    r->inv2.IztiritInventaru();
    r->inv2.IevietotLietu(g.id, g.skaits, false);
    r->inv2.aktiva_lieta = g.id;
    r->virziens = g.virziens;
    r->Rakt();
    ASSERT_TRUE(L1->Bumbas[0] != NULL) << g.id;
    EXPECT_EQ((int)g.id, L1->Bumbas[0]->tips);
    EXPECT_EQ(g.x, L1->Bumbas[0]->x) << g.id;
    EXPECT_EQ(g.y, L1->Bumbas[0]->y) << g.id;
    EXPECT_EQ(g.degls, L1->Bumbas[0]->t) << g.id;
    EXPECT_EQ(g.skaits_pec, r->inv2.AtgriestLietu(g.id).skaits) << g.id;
    EXPECT_EQ(g.skaits_pec != 0, r->inv2.MekletMantu(g.id) >= 0) << g.id;
    EXPECT_EQ(g.skaits_pec != 0 ? g.id : 0u, r->inv2.aktiva_lieta) << g.id;
    delete L1->Bumbas[0];
    L1->Bumbas[0] = NULL;
  }
  // Semtex burns for the digger's own fuse; a second one is used up though the first burns.
  r->TAIMERIS = 77;
  r->virziens = 0;
  r->inv2.IevietotLietu(9, 2, false);
  r->inv2.aktiva_lieta = 9;
  r->Rakt();
  ASSERT_TRUE(L1->Bumbas[0] != NULL);
  EXPECT_EQ(77, L1->Bumbas[0]->t);
  r->virziens = 90;
  r->Rakt();
  EXPECT_EQ(121, L1->Bumbas[0]->x) << "the burning bomb stays";
  EXPECT_EQ(-1, r->inv2.MekletMantu(9));
  EXPECT_EQ(0u, r->inv2.aktiva_lieta);
}

// The digger's centre is (111, 111) throughout.
TEST_F(Rakt, BlastBandsCostHealthOnceByDistance) {
  struct {
    int stiprums, d;
    float veseliba;
  } gadijumi[] = {
      {6, 0, 0},   {6, 5, 0},   {6, 6, 100}, {6, 7, 50},  {6, 14, 50}, {6, 15, 100},
      {6, 16, 80}, {6, 20, 80}, {6, 21, 100}, {6, 60, 100}, {40, 99, 50}, {40, 100, 100},
      {40, 101, 80}, {40, 139, 80}, {40, 140, 100},
  };
  for (const auto& g : gadijumi) {
    r->Veseliba = 100;
    Epicentrs.x = 111 + g.d;
    Epicentrs.y = 111;
    Epicentrs.stiprums = g.stiprums;
    r->Veseljoties();
    EXPECT_FLOAT_EQ(g.veseliba, r->Veseliba) << "strength " << g.stiprums << " at " << g.d;
    EXPECT_EQ(0, Epicentrs.stiprums);
    r->Veseljoties();
    EXPECT_FLOAT_EQ(g.veseliba, r->Veseliba) << "a blast hurts once";
  }
  // Diagonal distances are truncated: (5, 5) is 7.07, so 7.
  r->Veseliba = 100;
  Epicentrs = {116, 116, 6};
  r->Veseljoties();
  EXPECT_FLOAT_EQ(50, r->Veseliba);
}

TEST_F(Rakt, ZonesUnderTheCentre) {
  struct {
    int x, y, zona;
    float pec_diviem;  // health after two frames from 100
  } gadijumi[] = {
      {111, 111, 5, 0},        {111, 111, 50, 99.9f},  {111, 111, 12, 100},
      {111, 111, 90, 100},     {112, 111, 5, 100},     {110, 110, 50, 100},
  };
  for (const auto& g : gadijumi) {
    Aizpildit(0);
    maska->Pikselis(g.x, g.y) = ArZonu(0, g.zona);
    r->Veseliba = 100;
    r->Veseljoties();
    r->Veseljoties();
    EXPECT_NEAR(g.pec_diviem, r->Veseliba, 1e-4) << "zone " << g.zona << " at " << g.x << ","
                                                  << g.y;
  }
  // Truncation: a centre at (111.9, 111.9) is still pixel (111, 111).
  Aizpildit(0);
  maska->Pikselis(111, 111) = ArZonu(0, 5);
  r->pozx = 100.9f;
  r->pozy = 100.9f;
  r->Veseliba = 100;
  r->Veseljoties();
  EXPECT_EQ(0, r->Veseliba);
}

TEST_F(Rakt, RadiationNeedsAnOpenLineAndReachesNinetyNine) {
  struct Punkts {
    int x, y, cietiba;
  };
  struct {
    const char* nosaukums;
    int rx, ry;
    std::vector<Punkts> zeme;
    float deva;
  } gadijumi[] = {
      {"50 to the right, open", 161, 111, {}, 0.25f},
      {"50 to the left, open", 61, 111, {}, 0.25f},
      {"50 below, open", 111, 161, {}, 0.25f},
      {"hardness 5 between", 161, 111, {{140, 111, 5}}, 0},
      {"loose ground does not shield", 161, 111, {{140, 111, 4}}, 0.25f},
      {"ground behind the source does not count", 161, 111, {{165, 111, 200}}, 0.25f},
      {"ground behind the digger does not count", 161, 111, {{100, 111, 200}}, 0.25f},
      {"at 99", 210, 111, {}, 0.0001f},
      {"at 100 nothing", 211, 111, {}, 0},
      {"on the centre", 111, 111, {{110, 111, 200}}, 1},
      {"diagonal, open", 141, 141, {}, (1 - 0.42f) * (1 - 0.42f)},
      {"diagonal, shielded", 141, 141, {{126, 126, 9}}, 0},
  };
  for (const auto& g : gadijumi) {
    Aizpildit(0);
    for (const Punkts& p : g.zeme) maska->Pikselis(p.x, p.y) = ArCietibu(0, p.cietiba);
    rad[0].x = g.rx;
    rad[0].y = g.ry;
    radC = 1;
    r->Veseliba = 100;
    r->Veseljoties();
    EXPECT_NEAR(100 - g.deva, r->Veseliba, 2e-5) << g.nosaukums;
  }
}

// Sources 60 px away all round, hard ground just behind the digger: a walk that slips past
// the centre pixel diagonally must end there, not go on to that ground.
TEST_F(Rakt, RadiationWalkEndsAtTheDigger) {
  int redz = 0;
  for (int a = 0; a < 360; a += 3) {
    const double c = cos(a * M_PI / 180), s = sin(a * M_PI / 180);
    Aizpildit(0);
    const int bx = 111 - (int)lround(5 * c), by = 111 - (int)lround(5 * s);
    for (int y = by - 1; y <= by + 1; y++)
      for (int x = bx - 1; x <= bx + 1; x++) maska->Pikselis(x, y) = ArCietibu(0, 200);
    rad[0].x = 111 + (int)(60 * c);
    rad[0].y = 111 + (int)(60 * s);
    radC = 1;
    r->Veseliba = 100;
    r->Veseljoties();
    if (r->Veseliba < 100) redz++;
  }
  EXPECT_EQ(120, redz);
}

TEST_F(Rakt, OnlyTheFirstFiveRadiationPixelsOfARedrawHurt) {
  Aizpildit(0);
  SDL_Surface* zeme = NewSurface(300, 300);
  SDL_Surface* pamats = NewSurface(300, 300);
  L1->Zeme = zeme;
  L1->Pamats = pamats;
  // Six sources in one row at 50-55 px: a redraw finds them in row order.
  for (int x = 161; x <= 166; x++) maska->Pikselis(x, 111) = ArZonu(0, 90);
  L1->ZimLauk(0, 0, 0, 0, 1);
  ASSERT_EQ(5, radC);
  r->Veseliba = 100;
  r->Veseljoties();
  float deva = 0;
  for (int d = 50; d <= 54; d++) deva += (1 - d / 100.0f) * (1 - d / 100.0f);
  EXPECT_NEAR(100 - deva, r->Veseliba, 1e-4);
  L1->Zeme = L1->Pamats = NULL;
  SDL_FreeSurface(zeme);
  SDL_FreeSurface(pamats);
}

TEST_F(Rakt, DamageTestsReadOnlyInsideTheMask) {
  // Guard pixels here are hard open chasm: a read past the mask would shield a source or
  // kill the digger.
  for (Uint32& p : maska->buferis) p = ArZonu(ArCietibu(0, 200), 5);
  Aizpildit(0);
  r->pozx = -5;  // centre (6, 6)
  r->pozy = -5;
  rad[0] = {6, -40};
  rad[1] = {-30, 6};
  radC = 2;
  r->Veseliba = 100;
  r->Veseljoties();
  EXPECT_NEAR(100 - 0.54f * 0.54f - 0.64f * 0.64f, r->Veseliba, 2e-5);
  // A digger whose centre is outside the mask stands on nothing.
  r->pozx = -30;
  r->pozy = -30;
  radC = 0;
  r->Veseliba = 100;
  r->Veseljoties();
  EXPECT_EQ(100, r->Veseliba);
}

// The gauge: a 10 x 40 bar cut from its bottom; the case and the bar in colours of their own.
TEST_F(Rakt, BatteryBarShowsTheChargeLeft) {
  const Uint32 KASTE = 0x203040, JOSLA = 0x40A0F0;
  if (r->s_baterija) SDL_FreeSurface(r->s_baterija);
  if (r->s_baterijas_josla) SDL_FreeSurface(r->s_baterijas_josla);
  r->s_baterija = NewSurface(70, 100, KASTE);
  r->s_baterijas_josla = NewSurface(10, 40, JOSLA);
  struct {
    int baterijas;
    unsigned laiks;
    int rindas;
  } gadijumi[] = {
      {60000, 60000, 40}, {30000, 60000, 20}, {2000, 60000, 1}, {1000, 60000, 0},
      {1, 1, 40},         {1, 0, 0},          {200000, 100000, 40}, {-5, 100, 0},
  };
  for (const auto& g : gadijumi) {
    SDL_FillRect(screen, NULL, 0);
    r->baterijas = g.baterijas;
    r->baterijas_laiks = g.laiks;
    r->Veseljoties();
    int rindas = 0;
    for (int y = 151; y < 151 + 60; y++)
      if (PixelAt(screen, 20, y) == JOSLA) rindas++;
    EXPECT_EQ(g.rindas, rindas) << g.baterijas << " of " << g.laiks;
    EXPECT_EQ(KASTE, PixelAt(screen, 20, 151 + g.rindas)) << "the case under the bar";
    EXPECT_EQ(KASTE, PixelAt(screen, 0, 110));
  }
  // Without the case nothing is drawn, the bar neither.
  SDL_FreeSurface(r->s_baterija);
  r->s_baterija = NULL;
  SDL_FillRect(screen, NULL, 0);
  r->baterijas = r->baterijas_laiks = 100;
  r->Veseljoties();
  EXPECT_EQ(0u, PixelAt(screen, 20, 151));
}

TEST_F(Rakt, HealthNumberIsCentredInTheBoxInItsColour) {
  if (TTF_WasInit() == 0) {
    ASSERT_EQ(0, TTF_Init());
  }
  TTF_Font* vecais = hfont;
  hfont = TTF_OpenFont(DELVORN_BIN_DIR "/hlth.ttf", 22);
  if (!hfont) {
    hfont = vecais;
    GTEST_SKIP() << "no hlth.ttf in the run folder";
  }
  for (float v : {100.0f, 7.0f, 49.6f}) {
    SDL_FillRect(screen, NULL, 0);
    r->Veseliba = v;
    r->Veseljoties();
    int x0 = 800, x1 = -1, y0 = 600;
    for (int y = 0; y < 110; y++)
      for (int x = 0; x < 140; x++)
        // Colour bits only: sdl12-compat's text blits fill the screen's unused byte.
        if ((PixelAt(screen, x, y) & 0xFFFFFF) == 0xFC4B18) {
          x0 = std::min(x0, x);
          x1 = std::max(x1, x);
          y0 = std::min(y0, y);
        }
    ASSERT_GE(x1, 0) << v;
    EXPECT_NEAR(68, (x0 + x1) / 2.0, 3) << v;
    EXPECT_GE(y0, 41) << v;
  }
  TTF_CloseFont(hfont);
  hfont = vecais;
}

}  // namespace
