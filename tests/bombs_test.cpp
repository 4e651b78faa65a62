// Bombs, blasts and the first-aid kit index on masks made in memory.
#include <SDL.h>
#include <gtest/gtest.h>
#include <math.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "field/nejauss.h"
#include "field/zeme.h"
#include "tests/support/sargata_maska.h"
#include "tests/support/testutil.h"
#include "shell/globali.h"
#include "shell/ierices.h"

namespace {


Uint32 fiktivais_laiks = 1234;
Uint32 FiktivaisLaiks() { return fiktivais_laiks; }

class Bumbas : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(OpenTestScreen() != NULL); }
  void SetUp() override {
    lauks = new Laukums(0, 0, "nav/siets.bmp", "nav/zeme.bmp", "nav/pamats.bmp");
    // Strips are set per test; the run folder's own are not wanted here.
    SDL_Surface** strips[] = {&lauks->da1, &lauks->dad, &lauks->dtd, &lauks->st, &lauks->sa};
    for (SDL_Surface** s : strips) {
      if (*s) SDL_FreeSurface(*s);
      *s = NULL;
    }
    vecais_laiks = ierices.Tagad;
    ierices.Tagad = FiktivaisLaiks;
    japarzime = 0;
    Epicentrs.stiprums = 0;
  }
  void TearDown() override {
    ierices.Tagad = vecais_laiks;
    lauks->Siets = NULL;  // owned by the test's mask
    delete lauks;  // with its strips and a bomb still burning
  }
  // Places a bomb with a fuse of 1 and lets it blast.
  void Spridzinat(SargataMaska& m, int tips, int x, int y) {
    lauks->Siets = m.s;
    lauks->Spridzinat(tips, 1, x, y);
    ASSERT_TRUE(lauks->Bumbas[0] != NULL);
    lauks->ApkalpotBumbas();
    ASSERT_TRUE(lauks->Bumbas[0] == NULL);
  }
  Laukums* lauks;
  Uint32 (*vecais_laiks)();
};

// Furthest distance from (cx, cy) of a cleared pixel, and how many were cleared.
double TalakaisIztiritais(SargataMaska& m, int cx, int cy, int* skaits) {
  double tal = 0;
  *skaits = 0;
  for (int y = 0; y < m.h; y++)
    for (int x = 0; x < m.w; x++)
      if (SietaCietiba(m.Pikselis(x, y)) == 0) {
        (*skaits)++;
        tal = fmax(tal, hypot(x - cx, y - cy));
      }
  return tal;
}

// True when the pixel of ray a at distance d from (cx, cy) was cleared; the truncated
// position may fall on either side of a pixel edge, so both neighbours count.
bool StarsIztirits(SargataMaska& m, int cx, int cy, double a, double d) {
  const double x = cx + d * cos(a * 3.14159265 / 180.0), y = cy - d * sin(a * 3.14159265 / 180.0);
  for (double ox = -0.01; ox <= 0.011; ox += 0.02)
    for (double oy = -0.01; oy <= 0.011; oy += 0.02) {
      const int px = (int)(x + ox), py = (int)(y + oy);
      if (px >= 0 && py >= 0 && px < m.w && py < m.h && SietaCietiba(m.Pikselis(px, py)) == 0)
        return true;
    }
  return false;
}

TEST_F(Bumbas, EachExplosiveBlastsWithItsOwnReachAndStrength) {
  struct {
    int tips;
    int stiprums;
    int min_stars;  // shortest ray
    int max_stars;  // longest ray
    bool rauj_240;  // clears ground of hardness 240
  } gadijumi[] = {
      {4, 6, 0, 11, false},   {5, 12, 0, 23, false}, {6, 18, 0, 35, false},
      {7, 12, 0, 23, false},  {8, 18, 0, 35, false}, {9, 40, 35, 44, true},
      {10, 35, 30, 39, true}, {11, 35, 30, 39, true},
  };
  for (const auto& g : gadijumi) {
    SCOPED_TRACE(g.tips);
    {
      SargataMaska m(800, 600, 100);
      Spridzinat(m, g.tips, 400, 300);
      EXPECT_EQ(400, Epicentrs.x);
      EXPECT_EQ(300, Epicentrs.y);
      EXPECT_EQ(g.stiprums, Epicentrs.stiprums);
      int skaits = 0;
      EXPECT_LE(TalakaisIztiritais(m, 400, 300, &skaits), g.max_stars + 1.5);
      EXPECT_GT(skaits, 0);
      if (g.min_stars > 0) {
        for (float a = 0.0f; a < 359.0f; a = (float)((double)a + 1.4))
          EXPECT_TRUE(StarsIztirits(m, 400, 300, a, g.min_stars)) << "ray at " << a;
      }
      EXPECT_EQ(0, m.SargiMainiti());
    }
    {
      // Uniform ground of hardness 240: only Semtex gets through, and only within reach.
      SargataMaska m(800, 600, 240);
      Spridzinat(m, g.tips, 400, 300);
      int skaits = 0;
      const double tal = TalakaisIztiritais(m, 400, 300, &skaits);
      EXPECT_EQ(g.rauj_240, skaits > 0);
      EXPECT_LE(tal, g.max_stars + 1.5);
      if (g.rauj_240) {
        for (float a = 0.0f; a < 359.0f; a = (float)((double)a + 1.4))
          EXPECT_TRUE(StarsIztirits(m, 400, 300, a, g.min_stars)) << "ray at " << a;
      }
    }
  }
}

TEST_F(Bumbas, RaysStopAtTheirHardnessLimit) {
  struct {
    int tips;
    Uint32 cietiba;
    bool rauj;
  } gadijumi[] = {
      {4, 229, true}, {4, 230, false}, {8, 229, true},  {8, 255, false},
      {9, 253, true}, {9, 254, false}, {11, 253, true}, {10, 255, false},
  };
  for (const auto& g : gadijumi) {
    SargataMaska m(800, 600, g.cietiba);
    fiktivais_laiks = 99;  // a seed whose dynamite rays are not all of length 0
    Spridzinat(m, g.tips, 400, 300);
    int skaits = 0;
    TalakaisIztiritais(m, 400, 300, &skaits);
    EXPECT_EQ(g.rauj, skaits > 0) << "type " << g.tips << " in hardness " << g.cietiba;
  }
}

TEST_F(Bumbas, RaysNearTheEdgesStopInsideTheMask) {
  struct {
    const char* nosaukums;
    int w, h, x, y;
  } gadijumi[] = {
      {"3 pixels below the top", 800, 600, 400, 3},
      {"top-left corner", 800, 600, 1, 1},
      {"bottom-right corner", 800, 600, 798, 598},
      {"on the right edge", 800, 600, 799, 300},
      {"a mask smaller than the view", 120, 90, 100, 80},
  };
  for (const auto& g : gadijumi) {
    SargataMaska m(g.w, g.h, 100);
    Spridzinat(m, 9, g.x, g.y);
    EXPECT_EQ(0, m.SargiMainiti()) << g.nosaukums;
    EXPECT_EQ(AIZA_NAV, lauks->Aiza_valja) << g.nosaukums << ": a guard pixel was tested";
    int skaits = 0;
    EXPECT_LE(TalakaisIztiritais(m, g.x, g.y, &skaits), 44 + 1.5) << g.nosaukums;
    EXPECT_GT(skaits, 0) << g.nosaukums;
  }
  // Rays going up reach row 0 and end there.
  SargataMaska m(800, 600, 100);
  Spridzinat(m, 9, 400, 3);
  EXPECT_EQ(0, SietaCietiba(m.Pikselis(400, 0)));
  EXPECT_EQ(100, SietaCietiba(m.Pikselis(400, 50)));
}

TEST_F(Bumbas, OneChasmRegionOpensPerBlast) {
  struct {
    const char* nosaukums;
    int centra_zona;
    int apkartnes_zona;
    int aiza;
    int japarzime;
  } gadijumi[] = {
      {"the bomb on region 12, rays ending on 13", 12, 13, 12, 1},
      {"a ray's end on 13 with the centre outside", 0, 13, 13, 1},
      {"zones that are no chasm", 50, 90, AIZA_NAV, 0},
      {"an open chasm is not a region", 5, 5, AIZA_NAV, 0},
      {"just outside the region numbers", 9, 16, AIZA_NAV, 0},
  };
  for (const auto& g : gadijumi) {
    SargataMaska m(800, 600, ArZonu(100, g.apkartnes_zona));
    m.Pikselis(400, 300) = ArZonu(100, g.centra_zona);
    lauks->Aiza_valja = AIZA_NAV;
    japarzime = 0;
    Spridzinat(m, 5, 400, 300);
    EXPECT_EQ(g.aiza, lauks->Aiza_valja) << g.nosaukums;
    EXPECT_EQ(g.japarzime, japarzime) << g.nosaukums;
  }
}

TEST_F(Bumbas, TheOpenedRegionIsTheOnlyOneTheNextRedrawTurnsBlack) {
  SargataMaska m(800, 600, 100);
  for (int y = 100; y < 120; y++)
    for (int x = 100; x < 120; x++) m.Pikselis(x, y) = ArZonu(100, 12);
  for (int y = 200; y < 220; y++)
    for (int x = 100; x < 120; x++) m.Pikselis(x, y) = ArZonu(100, 13);
  m.Pikselis(400, 300) = ArZonu(100, 12);
  SDL_Surface* zeme = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  SDL_Surface* pamats =
      SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  lauks->Zeme = zeme;
  lauks->Pamats = pamats;
  Spridzinat(m, 9, 400, 300);
  ASSERT_EQ(12, lauks->Aiza_valja);
  lauks->ZimLauk(0, 0, 0, 0, 0);  // japarzime makes it a full redraw
  EXPECT_EQ(AIZA_NAV, lauks->Aiza_valja);
  EXPECT_EQ(5, SietaZona(m.Pikselis(110, 110)));
  EXPECT_EQ(0, SietaCietiba(m.Pikselis(110, 110)));
  EXPECT_EQ(5, SietaZona(m.Pikselis(400, 300)));
  EXPECT_EQ(13, SietaZona(m.Pikselis(110, 210)));
  EXPECT_EQ(100, SietaCietiba(m.Pikselis(110, 210)));
  lauks->Zeme = lauks->Pamats = NULL;
  SDL_FreeSurface(zeme);
  SDL_FreeSurface(pamats);
}

TEST_F(Bumbas, TheFuseCountsDownOncePerCallAndBlastsOnTheLast) {
  const int degli[] = {1, 2, 50, 0};
  for (int deglis : degli) {
    SargataMaska m(800, 600, 100);
    lauks->Siets = m.s;
    Epicentrs.stiprums = 0;
    lauks->Spridzinat(4, deglis, 400, 300);
    const int izsaukumi = deglis < 1 ? 1 : deglis;
    for (int k = 1; k < izsaukumi; k++) {
      lauks->ApkalpotBumbas();
      ASSERT_TRUE(lauks->Bumbas[0] != NULL) << "fuse " << deglis << " gone after " << k;
      EXPECT_EQ(deglis - k, lauks->Bumbas[0]->t);
      EXPECT_EQ(0, Epicentrs.stiprums);
    }
    lauks->ApkalpotBumbas();
    EXPECT_TRUE(lauks->Bumbas[0] == NULL) << "fuse " << deglis;
    EXPECT_EQ(6, Epicentrs.stiprums) << "fuse " << deglis;
  }
}

TEST_F(Bumbas, OnlyOneBombBurnsAndOnlyExplosivesArePlaced) {
  SargataMaska m(800, 600, 100);
  lauks->Siets = m.s;
  lauks->Spridzinat(9, 10, 100, 120);
  lauks->Spridzinat(4, 5, 200, 220);
  ASSERT_TRUE(lauks->Bumbas[0] != NULL);
  EXPECT_EQ(9, lauks->Bumbas[0]->tips);
  EXPECT_EQ(100, lauks->Bumbas[0]->x);
  EXPECT_EQ(120, lauks->Bumbas[0]->y);
  EXPECT_EQ(10, lauks->Bumbas[0]->t);
  for (int i = 1; i < BUMBU_VIETAS; i++) EXPECT_TRUE(lauks->Bumbas[i] == NULL) << i;
  delete lauks->Bumbas[0];
  lauks->Bumbas[0] = NULL;

  const int ne_sprags[] = {0, 1, 3, 12, 24, -4};
  for (int tips : ne_sprags) {
    lauks->Spridzinat(tips, 5, 100, 100);
    EXPECT_TRUE(lauks->Bumbas[0] == NULL) << tips;
  }
}

TEST_F(Bumbas, TheBurningAnimationCyclesInFourteenCalls) {
  lauks->bum_kadrs_f = 0.0f;
  std::vector<int> kadri;
  for (int k = 0; k < 28; k++) {
    lauks->ApkalpotBumbas();
    kadri.push_back(lauks->bum_kadrs);
  }
  const std::vector<int> cikls = {0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4};
  std::vector<int> divi(cikls);
  divi.insert(divi.end(), cikls.begin(), cikls.end());
  EXPECT_EQ(divi, kadri);
}

TEST_F(Bumbas, EachTypeIsDrawnFromItsStripAtItsCentre) {
  // Five strips, each frame its own colour: colour = strip * 16 + frame + 1.
  SDL_Surface** strips[] = {&lauks->da1, &lauks->dad, &lauks->dtd, &lauks->st, &lauks->sa};
  for (int s = 0; s < 5; s++) {
    *strips[s] = SDL_CreateRGBSurface(SDL_SWSURFACE, 115, 20, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    for (int k = 0; k < 5; k++) {
      SDL_Rect r = {(Sint16)(k * 23), 0, 23, 20};
      SDL_FillRect(*strips[s], &r, (Uint32)(s * 16 + k + 1));
    }
  }
  struct {
    int tips;
    int strips;
  } gadijumi[] = {{4, 0}, {5, 1}, {6, 1}, {7, 2}, {8, 2}, {9, 3}, {10, 4}, {11, 4}};
  SargataMaska m(800, 600, 100);
  lauks->Siets = m.s;
  for (const auto& g : gadijumi) {
    SDL_FillRect(screen, NULL, 0xFFFFFF);
    lauks->bum_kadrs_f = 2.0f;  // the next call shows frame 2
    lauks->Spridzinat(g.tips, 10, 300, 200);
    testing::internal::CaptureStdout();
    lauks->ApkalpotBumbas();
    testing::internal::GetCapturedStdout();
    const Uint32* ekr = (const Uint32*)screen->pixels;
    const int solis = screen->pitch / 4;
    const Uint32 krasa = (Uint32)(g.strips * 16 + 2 + 1);
    EXPECT_EQ(krasa, ekr[190 * solis + 289]) << "type " << g.tips << " top-left";
    EXPECT_EQ(krasa, ekr[209 * solis + 311]) << "type " << g.tips << " bottom-right";
    EXPECT_EQ(0xFFFFFFu, ekr[190 * solis + 288]) << "type " << g.tips;
    EXPECT_EQ(0xFFFFFFu, ekr[190 * solis + 312]) << "type " << g.tips;
    EXPECT_EQ(0xFFFFFFu, ekr[210 * solis + 300]) << "type " << g.tips;
    delete lauks->Bumbas[0];
    lauks->Bumbas[0] = NULL;
  }
}

TEST_F(Bumbas, DetonatorDynamiteWritesItsFrameEveryCall) {
  struct {
    int tips;
    const char* izvade;
  } gadijumi[] = {
      {7, "::0::\n::0::\n::0::\n::1::\n::1::\n"},
      {8, "::0::\n::0::\n::0::\n::1::\n::1::\n"},
      {4, ""},
      {5, ""},
      {6, ""},
      {9, ""},
      {11, ""},
  };
  for (const auto& g : gadijumi) {
    SargataMaska m(800, 600, 100);
    lauks->Siets = m.s;
    lauks->bum_kadrs_f = 0.0f;
    lauks->Spridzinat(g.tips, 5, 400, 300);
    testing::internal::CaptureStdout();
    for (int k = 0; k < 6; k++) lauks->ApkalpotBumbas();  // the sixth finds no bomb
    fflush(stdout);
    EXPECT_EQ(std::string(g.izvade), testing::internal::GetCapturedStdout()) << g.tips;
  }
}

TEST_F(Bumbas, RayLengthsFollowTheClockAtTheBlast) {
  std::vector<Uint32> rezultati[3];
  const Uint32 laiki[] = {5000, 5000, 5001};
  for (int k = 0; k < 3; k++) {
    SargataMaska m(800, 600, 100);
    fiktivais_laiks = laiki[k];
    Spridzinat(m, 6, 400, 300);
    rezultati[k].assign(m.buferis.begin(), m.buferis.end());
  }
  EXPECT_TRUE(rezultati[0] == rezultati[1]) << "the same clock must give the same hole";
  EXPECT_FALSE(rezultati[0] == rezultati[2]) << "another clock gives another hole";
}

TEST_F(Bumbas, TheFirstRayTakesTheFirstNumberAfterSeedingWithTheClock) {
  // Hard ground but for a corridor to the right along row 300: past 36 pixels only the
  // first ray (angle 0) can run in it, so its length shows.
  for (Uint32 laiks = 7001; laiks < 7200; laiks++) {
    NejaussSekla(laiks);
    const int garums = NejaussSkaitlis() % 10 + 40 - 5;
    if (garums < 38) continue;
    SargataMaska m(800, 600, 255);
    for (int x = 400; x < 460; x++) m.Pikselis(x, 300) = 10;
    fiktivais_laiks = laiks;
    Spridzinat(m, 9, 400, 300);
    EXPECT_EQ(0, SietaCietiba(m.Pikselis(400 + garums, 300))) << "clock " << laiks;
    EXPECT_EQ(10, SietaCietiba(m.Pikselis(400 + garums + 1, 300))) << "clock " << laiks;
    return;
  }
  FAIL() << "no clock value gave a long first ray";
}

struct Marka {
  int x, y, veids;
};
struct Ikona {
  int x, y, tips;
};

TEST_F(Bumbas, KitMarkersAreIndexedInRowMajorOrderFromEntry20) {
  struct {
    const char* nosaukums;
    int w, h, sakx, saky;
    std::vector<Marka> markas;
    std::vector<Ikona> gaidits;
  } gadijumi[] = {
      {"two markers", 800, 600, 0, 0, {{100, 50, 25}, {30, 60, 24}},
       {{90, 40, 25}, {20, 50, 24}}},
      {"same row, left first", 800, 600, 0, 0, {{500, 70, 24}, {10, 70, 25}},
       {{0, 60, 25}, {490, 60, 24}}},
      {"corners of the view", 800, 600, 0, 0, {{0, 0, 24}, {799, 599, 25}},
       {{-10, -10, 24}, {789, 589, 25}}},
      {"other pick-ups are no kits", 800, 600, 0, 0, {{10, 10, 23}, {20, 20, 26}, {30, 30, 5}},
       {}},
      {"a moved view: markers of the whole field, in field coordinates", 1000, 700, 100, 50,
       {{150, 80, 24}, {50, 80, 25}, {950, 80, 25}, {120, 660, 24}, {899, 649, 25}},
       {{40, 70, 25}, {140, 70, 24}, {940, 70, 25}, {889, 639, 25}, {110, 650, 24}}},
  };
  for (const auto& g : gadijumi) {
    SargataMaska m(g.w, g.h, 0);
    for (const Marka& k : g.markas) m.Pikselis(k.x, k.y) = ArMantu(0, k.veids);
    lauks->Siets = m.s;
    lauks->sak.x = (Sint16)g.sakx;
    lauks->sak.y = (Sint16)g.saky;
    lauks->AP_skaits = 33;
    lauks->ParindeksetAptiekas();
    ASSERT_EQ(20 + (int)g.gaidits.size(), lauks->AP_skaits) << g.nosaukums;
    for (size_t i = 0; i < g.gaidits.size(); i++) {
      EXPECT_EQ(g.gaidits[i].x, ikonas[20 + i].x) << g.nosaukums << " " << i;
      EXPECT_EQ(g.gaidits[i].y, ikonas[20 + i].y) << g.nosaukums << " " << i;
      EXPECT_EQ(g.gaidits[i].tips, ikonas[20 + i].tips) << g.nosaukums << " " << i;
    }
    for (int i = 0; i < 20; i++) EXPECT_EQ(0, ikonas[i].tips) << i;
    EXPECT_EQ(0, m.SargiMainiti());
  }
  lauks->sak.x = lauks->sak.y = 0;
}

TEST_F(Bumbas, MarkersBeyondTwentyKitsAreIgnored) {
  SargataMaska m(800, 600, 0);
  for (int k = 0; k < 25; k++) m.Pikselis(30 * k + 5, 100 + k) = ArMantu(0, k % 2 ? 25 : 24);
  lauks->Siets = m.s;
  lauks->ParindeksetAptiekas();
  ASSERT_EQ(IKONU_SKAITS, lauks->AP_skaits);
  for (int k = 0; k < 20; k++) {
    EXPECT_EQ(30 * k + 5 - 10, ikonas[20 + k].x) << k;
    EXPECT_EQ(100 + k - 10, ikonas[20 + k].y) << k;
    EXPECT_EQ(k % 2 ? 25 : 24, ikonas[20 + k].tips) << k;
  }
  // Indexing again starts over rather than adding on.
  lauks->ParindeksetAptiekas();
  EXPECT_EQ(IKONU_SKAITS, lauks->AP_skaits);
  lauks->Siets = NULL;
  lauks->ParindeksetAptiekas();
  EXPECT_EQ(IKONU_SAKUMS, lauks->AP_skaits);
}

}  // namespace
