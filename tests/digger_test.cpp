// The digger: collision codes, sliding, pick-ups, turning, frames, drawing and its pictures.
#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "tests/support/sargata_maska.h"
#include "tests/support/testutil.h"
#include "shell/globali.h"

namespace {


// A 21 x 21 collision mask in the screen's format, every pixel of colour krasa.
SDL_Surface* Maska(Uint32 krasa) {
  SDL_Surface* m = SDL_CreateRGBSurface(SDL_SWSURFACE, 21, 21, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  SDL_FillRect(m, NULL, krasa);
  return m;
}

void Aizvietot(SDL_Surface*& vieta, SDL_Surface* jauna) {
  if (vieta) SDL_FreeSurface(vieta);
  vieta = jauna;
}

// PNG-like RGBA byte order, as the image loader gives pictures with alpha.
SDL_Surface* RgbaVirsma(int w, int h) {
  return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000,
                              0xFF000000);
}

class Racejs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(OpenTestScreen() != NULL); }
  void SetUp() override {
    maska = new SargataMaska(800, 600, 0);
    L1 = new Laukums(0, 0, "nav/siets.bmp", "nav/zeme.bmp", "nav/pamats.bmp");
    L1->Siets = maska->s;
    testing::internal::CaptureStderr();  // the run folder's pictures may not be painted yet
    r = new Speletajs(100, 100, 1);
    testing::internal::GetCapturedStderr();
    Aizvietot(r->maskal, Maska(0xFFFFFF));
    Aizvietot(r->maskam, Maska(0xFFFFFF));
  }
  void TearDown() override {
    delete r;
    L1->Siets = NULL;
    delete L1;
    L1 = NULL;
    delete maska;
  }
  void Ciets(int x, int y, int cietiba) { maska->Pikselis(x, y) = ArCietibu(0, cietiba); }
  SargataMaska* maska;
  Speletajs* r;
};

struct Punkts {
  int x, y, cietiba;
};

// Facing right from (100, 100) with full 21 x 21 masks the tests cover: far x 105-125,
// y 100-120; near x 101-121, y 100-120; right side x 103-123, y 103-123; left side x 103-123,
// y 96-116.
TEST_F(Racejs, CollisionGivesTheSpeedCodeAndTheSlide) {
  struct {
    const char* nosaukums;
    std::vector<Punkts> cieti;
    int kods;
    int sanslide;
  } gadijumi[] = {
      {"nothing in the way", {}, 5, 0},
      {"loose ground does not block", {{110, 110, 4}, {101, 100, 1}}, 5, 0},
      {"blocked one pixel ahead only", {{101, 110, 5}}, 2, 0},
      {"blocked one pixel ahead only, hardest ground", {{102, 100, 255}}, 2, 0},
      {"blocked only five pixels ahead", {{124, 110, 200}}, 5, 0},
      {"right-hand side blocked", {{110, 122, 5}}, 4, -1},
      {"left-hand side blocked", {{110, 97, 5}}, 4, 1},
      {"both sides blocked", {{110, 122, 5}, {110, 97, 5}}, 4, 1},
      {"blocked ahead at both distances", {{110, 110, 5}}, 0, 1},
      {"blocked ahead and a pixel only just ahead", {{124, 110, 9}, {101, 110, 9}}, 0, 0},
  };
  for (const auto& g : gadijumi) {
    for (int y = 90; y < 130; y++)
      for (int x = 90; x < 130; x++) maska->Pikselis(x, y) = 0;
    for (const Punkts& p : g.cieti) Ciets(p.x, p.y, p.cietiba);
    r->virziens = 0;
    EXPECT_EQ(g.kods, r->Kolizija()) << g.nosaukums;
    EXPECT_EQ(g.sanslide, r->sanslide) << g.nosaukums;
  }
}

TEST_F(Racejs, WalkingStepsByTheSpeedCodeAndSlidesAwayFromTheBlockedSide) {
  const double s = 0.70710678;
  struct {
    const char* nosaukums;
    int virziens;
    int kur;
    std::vector<Punkts> cieti;
    double x, y;
    int darbiba;
  } gadijumi[] = {
      {"free, facing right", 0, 1, {}, 102, 100, 2},
      {"free, facing up", 90, 1, {}, 100, 98, 2},
      {"free, facing down-left", 225, 1, {}, 100 - 2 * s, 100 + 2 * s, 2},
      {"one pixel per frame when blocked only just ahead", 0, 1, {{101, 110, 5}}, 101, 100, 2},
      {"two ahead and one along facing + 135", 0, 1, {{110, 122, 5}}, 102 - s, 100 - s, 2},
      {"left side blocked: one along facing - 45", 0, 1, {{110, 97, 5}}, 102 + s, 100 + s, 2},
      {"blocked ahead low down: 30 degrees to the open left", 0, 1, {{121, 120, 5}},
       100 + 2 * 0.8660254, 99, 2},
      {"no move asked", 0, 0, {}, 100, 100, 1},
  };
  for (const auto& g : gadijumi) {
    for (int y = 90; y < 130; y++)
      for (int x = 80; x < 130; x++) maska->Pikselis(x, y) = 0;
    for (const Punkts& p : g.cieti) Ciets(p.x, p.y, p.cietiba);
    r->pozx = r->pozy = 100.0f;
    r->virziens = g.virziens;
    r->darbiba = 1;
    r->Parvietot(g.kur);
    EXPECT_NEAR(g.x, r->pozx, 1e-4) << g.nosaukums;
    EXPECT_NEAR(g.y, r->pozy, 1e-4) << g.nosaukums;
    EXPECT_EQ(g.darbiba, r->darbiba) << g.nosaukums;
  }
}

TEST_F(Racejs, PickUpsUnderTheNearMask) {
  struct {
    const char* nosaukums;
    int manta;
    float veseliba;
    float veseliba_pec;
    bool pacelts;   // the pick-up byte was cleared
    int lietas;     // count of that ID in the bag afterwards, -1 = not in the bag
  } gadijumi[] = {
      {"an item", 7, 100, 100, true, 1},
      {"a spade adds to the tool", 1, 60, 60, true, 1},
      {"a 25-kit at full health stays", 24, 100, 100, false, -1},
      {"a 50-kit at full health stays", 25, 100, 100, false, -1},
      {"a 25-kit from 50", 24, 50, 75, true, -1},
      {"a 25-kit from 90 stops at 100", 24, 90, 100, true, -1},
      {"a 50-kit from 90 stops at 100", 25, 90, 100, true, -1},
      {"a 50-kit from 40", 25, 40, 90, true, -1},
      {"a 25-kit just below full", 24, 99.5f, 100, true, -1},
      {"12 names no item", 12, 100, 100, false, -1},
      {"13 names no item", 13, 100, 100, false, -1},
      {"14 names no item", 14, 100, 100, false, -1},
      {"23 names no item", 23, 100, 100, false, -1},
      {"26 is nothing", 26, 50, 50, false, -1},
  };
  for (const auto& g : gadijumi) {
    for (int y = 90; y < 130; y++)
      for (int x = 90; x < 130; x++) maska->Pikselis(x, y) = 0;
    const Uint32 vertiba = ArZonu(ArMantu(3, g.manta), 50);  // loose ground in poison
    maska->Pikselis(105, 110) = vertiba;
    maska->Pikselis(500, 500) = ArMantu(0, 25);  // another kit, far away
    L1->ParindeksetAptiekas();
    r->inv2.IztiritInventaru();
    r->Veseliba = g.veseliba;
    r->virziens = 0;
    teikts_vesels = false;
    pazinojums.clear();
    EXPECT_EQ(5, r->Kolizija()) << g.nosaukums;
    EXPECT_FLOAT_EQ(g.veseliba_pec, r->Veseliba) << g.nosaukums;
    EXPECT_EQ(g.pacelts ? ArMantu(vertiba, 0) : vertiba, maska->Pikselis(105, 110))
        << g.nosaukums;
    EXPECT_EQ(g.pacelts ? 0 : g.manta, r->speckolizija) << g.nosaukums;
    const Inventars_V2::InvLieta l = r->inv2.AtgriestLietu(g.manta);
    EXPECT_EQ(g.lietas, l.ID ? l.skaits : -1) << g.nosaukums;
    const bool aptieka = g.manta == 24 || g.manta == 25;
    EXPECT_EQ(aptieka && !g.pacelts ? 22 : 21, L1->AP_skaits) << g.nosaukums << ": kits re-indexed";
    // Only a kit left lying says why it stays.
    EXPECT_EQ(aptieka && !g.pacelts, !pazinojums.empty()) << g.nosaukums << ": the line";
  }
  EXPECT_EQ(0, maska->SargiMainiti());
}

TEST_F(Racejs, EveryTouchedPixelIsOneItemAndPickUpsRunWithoutMoving) {
  maska->Pikselis(105, 110) = ArMantu(0, 9);
  maska->Pikselis(106, 110) = ArMantu(0, 9);
  maska->Pikselis(120, 120) = ArMantu(0, 9);
  maska->Pikselis(122, 110) = ArMantu(0, 9);  // outside the near mask
  r->Parvietot(0);
  EXPECT_EQ(3, r->inv2.AtgriestLietu(9).skaits);
  EXPECT_EQ(ArMantu(0, 9), maska->Pikselis(122, 110));
  EXPECT_EQ(100.0f, r->pozx);
}

TEST_F(Racejs, CollisionStaysInsideTheFieldMask) {
  // Guard pixels around the mask are solid and carry an item: touching them shows.
  struct {
    float x, y;
    int virziens;
  } gadijumi[] = {{790, 590, 0}, {-15, -15, 180}, {-3, 300, 135}, {400, -12, 90},
                  {785, 300, 315}, {300, 595, 270}};
  for (const auto& g : gadijumi) {
    r->pozx = g.x;
    r->pozy = g.y;
    r->virziens = g.virziens;
    EXPECT_EQ(5, r->Kolizija()) << g.x << ", " << g.y;
    EXPECT_EQ(0, r->speckolizija);
    EXPECT_EQ(-1, r->inv2.MekletMantu(7));
  }
  EXPECT_EQ(0, maska->SargiMainiti());
}

TEST_F(Racejs, MissingOrEmptyMasksBlockNothing) {
  Ciets(110, 110, 200);
  maska->Pikselis(105, 105) = ArMantu(0, 4);
  struct {
    const char* nosaukums;
    bool liela;
    bool maza;
    Uint32 krasa;
    int kods;
    bool pacelts;
  } gadijumi[] = {
      {"both masks", true, true, 0xFFFFFF, 0, true},
      {"no large mask", false, true, 0xFFFFFF, 2, true},
      {"no small mask", true, false, 0xFFFFFF, 4, false},
      {"neither", false, false, 0xFFFFFF, 5, false},
      {"masks without their low byte", true, true, 0xFFFF00, 5, false},
      {"masks with only the low byte", true, true, 0x000001, 0, true},
  };
  for (const auto& g : gadijumi) {
    maska->Pikselis(105, 105) = ArMantu(0, 4);
    r->inv2.IztiritInventaru();
    Aizvietot(r->maskal, g.liela ? Maska(g.krasa) : NULL);
    Aizvietot(r->maskam, g.maza ? Maska(g.krasa) : NULL);
    EXPECT_EQ(g.kods, r->Kolizija()) << g.nosaukums;
    EXPECT_EQ(g.pacelts, r->inv2.MekletMantu(4) >= 0) << g.nosaukums;
  }
}

TEST_F(Racejs, TurningTowardsThePointer) {
  // The digger at (250, 390): its centre is at (260, 400).
  struct {
    int sakx, saky;
    int x, y;
    int virziens;
    int pauze;
  } gadijumi[] = {
      {0, 0, 260, 300, 123, 0},   // straight above: facing kept
      {0, 0, 260, 500, 123, 0},   // straight below: facing kept
      {0, 0, 160, 400, 180, 0},   // left
      {0, 0, 360, 400, 0, 0},     // right
      {0, 0, 261, 300, 89, 0},    // (1, -100)
      {0, 0, 259, 300, 90, 0},    // (-1, -100): 180 - 89.4 truncated, folded
      {0, 0, 360, 500, 315, 0},   // down and right at 45
      {0, 0, 360, 300, 45, 0},    // up and right
      {0, 0, 160, 300, 135, 0},   // up and left
      {0, 0, 160, 500, 225, 0},   // down and left
      {0, 0, 274, 400, 0, 1},     // 14 away holds the pause
      {0, 0, 275, 400, 0, 0},     // 15 away does not
      {0, 0, 260, 400, 123, 1},   // on the centre
      {100, 50, 160, 250, 123, 0},  // the view origin counts: straight above
      {100, 50, 60, 350, 180, 0},
  };
  for (const auto& g : gadijumi) {
    L1->sak.x = (Sint16)g.sakx;
    L1->sak.y = (Sint16)g.saky;
    r->pozx = 250;
    r->pozy = 390;
    r->virziens = 123;
    r->kustibu_pauze = 0;
    r->Pagriezt(g.x, g.y);
    EXPECT_EQ(g.virziens, r->virziens) << g.x << ", " << g.y;
    EXPECT_EQ(g.pauze, r->kustibu_pauze) << g.x << ", " << g.y;
  }
}

TEST_F(Racejs, FramesAdvanceEveryThirdCallAndWrapByAction) {
  struct {
    int darbiba;
    int kadrs;
    std::vector<int> gaidits;
  } gadijumi[] = {
      {2, 0, {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 1, 1, 1, 2}},
      {3, 8, {8, 8, 9, 9, 9, 10, 10, 10, 1, 1, 1, 2}},
      {6, 9, {9, 9, 10, 10, 10, 1}},
      {2, 9, {1, 1, 2, 2, 2, 3}},  // a digging frame left over when walking starts
      {1, 4, {4, 4, 5, 5, 5, 6, 6, 6, 7}},  // standing never wraps; drawing fixes it to 4
  };
  for (const auto& g : gadijumi) {
    r->darbiba = g.darbiba;
    r->kadrs = g.kadrs;
    r->kadrscnt = 0;
    std::vector<int> kadri;
    for (size_t k = 0; k < g.gaidits.size(); k++) {
      r->Kadri();
      kadri.push_back(r->kadrs);
    }
    EXPECT_EQ(g.gaidits, kadri) << "action " << g.darbiba << " from " << g.kadrs;
  }
}

TEST_F(Racejs, PositionIsTruncatedTowardZero) {
  const float pozicijas[][2] = {{-3.7f, 12.9f}, {0.99f, -0.99f}, {799.5f, 599.999f}};
  const int gaidits[][2] = {{-3, 12}, {0, 0}, {799, 599}};
  for (int i = 0; i < 3; i++) {
    r->pozx = pozicijas[i][0];
    r->pozy = pozicijas[i][1];
    EXPECT_EQ(gaidits[i][0], r->GetX());
    EXPECT_EQ(gaidits[i][1], r->GetY());
  }
}

// Drawing: every cell of every synthetic sheet has a colour of its own, an opaque white
// marker in its top-left corner and a transparent pixel at (2, 2).
Uint32 SunasKrasa(SDL_PixelFormat* f, int lapa, int rinda, int kolonna) {
  return SDL_MapRGB(f, (Uint8)(lapa * 40 + 10), (Uint8)(rinda * 20 + 5), (Uint8)(kolonna * 25 + 3));
}

SDL_Surface* Lapa(int lapa, int suna, int rindas) {
  SDL_Surface* s = RgbaVirsma(9 * suna, rindas * suna);
  for (int r = 0; r < rindas; r++)
    for (int k = 0; k < 9; k++) {
      SDL_Rect c = {(Sint16)(k * suna), (Sint16)(r * suna), (Uint16)suna, (Uint16)suna};
      SDL_FillRect(s, &c, SunasKrasa(s->format, lapa, r, k));
      SDL_Rect m = {(Sint16)(k * suna), (Sint16)(r * suna), 1, 1};
      SDL_FillRect(s, &m, SDL_MapRGB(s->format, 255, 255, 255));
      SDL_Rect t = {(Sint16)(k * suna + 2), (Sint16)(r * suna + 2), 1, 1};
      SDL_FillRect(s, &t, SDL_MapRGBA(s->format, 255, 0, 0, 0));
    }
  return s;
}

class Zimesana : public Racejs {
 protected:
  void SetUp() override {
    Racejs::SetUp();
    Aizvietot(r->S_Soljo, Lapa(0, 25, 6));
    Aizvietot(r->S_Rok, Lapa(1, 38, 11));
    Aizvietot(r->S_Cert, Lapa(2, 45, 11));
    Aizvietot(r->S_Pne, Lapa(3, 45, 11));
    Aizvietot(r->S_Mir, Lapa(4, 35, 11));
    Aizvietot(r->S_Dirn, Lapa(5, 30, 11));
    Aizvietot(r->pieci, RgbaVirsma(25, 25));
    Aizvietot(r->tris, RgbaVirsma(38, 38));
    SDL_FillRect(r->pieci, NULL, 0);
    SDL_FillRect(r->tris, NULL, 0);
    r->pozx = 250;
    r->pozy = 390;
  }
  // Colour bits only: sdl12-compat's blits fill the screen's unused byte, classic SDL's do not.
  Uint32 Ekrans(int x, int y) {
    const SDL_PixelFormat* f = screen->format;
    return ((Uint32*)screen->pixels)[y * (screen->pitch / 4) + x] & (f->Rmask | f->Gmask | f->Bmask);
  }
  Uint32 Fons() { return SDL_MapRGB(screen->format, 1, 2, 3); }
  void Zimet() {
    SDL_FillRect(screen, NULL, Fons());
    r->Attelot();
  }
};

TEST_F(Zimesana, TheFirstFrameOfAnActionIsDrawnToo) {
  r->darbiba = 2;
  r->kadrs = 3;
  r->virziens = 270;
  ASSERT_TRUE(r->S_Soljo->flags & SDL_SRCALPHA);
  Zimet();
  EXPECT_EQ(SunasKrasa(screen->format, 0, 3, 0), Ekrans(248 + 12, 388 + 12));
  EXPECT_EQ(Fons(), Ekrans(248 + 2, 388 + 2)) << "a transparent pixel lets the field show";
}

TEST_F(Zimesana, CellPositionAndQuarterTurnsFollowActionAndFacing) {
  struct {
    const char* nosaukums;
    int darbiba, kadrs, virziens;
    int lapa, suna, nobide, rinda, kolonna, pagriezieni;
  } gadijumi[] = {
      {"walking at 95", 2, 3, 95, 0, 25, 2, 3, 0, 2},
      {"walking at 100", 2, 3, 100, 0, 25, 2, 3, 8, 3},
      {"walking at 0", 2, 3, 0, 0, 25, 2, 3, 0, 1},
      {"walking at 270", 2, 3, 270, 0, 25, 2, 3, 0, 0},
      {"walking at 190", 2, 5, 190, 0, 25, 2, 5, 8, 0},
      {"walking at 185", 2, 1, 185, 0, 25, 2, 1, 0, 3},
      {"walking at 359", 2, 1, 359, 0, 25, 2, 1, 1, 1},
      {"walking at 360", 2, 1, 360, 0, 25, 2, 1, 0, 1},
      {"walking at 225", 2, 2, 225, 0, 25, 2, 2, 5, 0},
      {"standing is frame 4", 1, 9, 45, 0, 25, 2, 4, 5, 2},
      {"spade, read from the bottom", 3, 1, 270, 1, 38, 8, 9, 0, 0},
      {"spade at 0", 3, 10, 0, 1, 38, 8, 0, 0, 1},
      {"pick", 4, 2, 100, 2, 45, 12, 8, 8, 3},
      {"pneumatic pick", 5, 0, 95, 3, 45, 12, 10, 0, 2},
      {"dead at frame 1", 6, 1, 270, 4, 35, 7, 9, 0, 0},
      {"action 7", 7, 5, 300, 5, 30, 3, 5, 6, 1},
  };
  for (const auto& g : gadijumi) {
    SCOPED_TRACE(g.nosaukums);
    r->darbiba = g.darbiba;
    r->kadrs = g.kadrs;
    r->virziens = g.virziens;
    Zimet();  // the first copy from a sheet blends; the second is the one checked
    Zimet();
    const int X = 250 - g.nobide, Y = 390 - g.nobide;
    const int W = g.lapa == 0 ? 25 : 38;  // the scratch
    const int redzams = g.suna < W ? g.suna : W;
    // The cell's own colour inside the sprite, clear of the marker and transparent pixel.
    const int vidus = redzams / 2;
    const int tx = g.pagriezieni == 0 ? 0 : g.pagriezieni == 1 ? 0 : W - 1;
    const int ty = g.pagriezieni == 0 ? 0 : g.pagriezieni == 3 ? 0 : W - 1;
    int cx = vidus, cy = vidus;
    if (g.pagriezieni == 1) cy = W - 1 - vidus;
    if (g.pagriezieni == 2) cx = cy = W - 1 - vidus;
    if (g.pagriezieni == 3) cx = W - 1 - vidus;
    EXPECT_EQ(SunasKrasa(screen->format, g.lapa, g.rinda, g.kolonna), Ekrans(X + cx, Y + cy));
    EXPECT_EQ(SDL_MapRGB(screen->format, 255, 255, 255), Ekrans(X + tx, Y + ty))
        << "marker corner after " << g.pagriezieni << " turns";
    EXPECT_EQ(Fons(), Ekrans(X - 1, Y + 5));
    EXPECT_EQ(Fons(), Ekrans(X + 5, Y - 1));
    EXPECT_EQ(Fons(), Ekrans(X + W, Y + 5));
    EXPECT_EQ(Fons(), Ekrans(X + 5, Y + W));
    if (g.darbiba == 1) {
      EXPECT_EQ(4, r->kadrs);
    }
  }
}

TEST_F(Zimesana, ACellLargerThanTheScratchIsCutToIt) {
  r->darbiba = 4;
  r->kadrs = 10;  // row 0
  r->virziens = 270;
  Zimet();
  Zimet();
  const Uint32 c = SunasKrasa(screen->format, 2, 0, 0);
  EXPECT_EQ(c, Ekrans(238 + 37, 378 + 37));
  EXPECT_EQ(Fons(), Ekrans(238 + 38, 378 + 20));
  EXPECT_EQ(Fons(), Ekrans(238 + 20, 378 + 38));
}

TEST_F(Zimesana, TheViewOriginMovesTheSprite) {
  L1->sak.x = 100;
  L1->sak.y = 50;
  r->darbiba = 2;
  r->kadrs = 1;
  r->virziens = 270;
  Zimet();
  Zimet();
  EXPECT_EQ(SunasKrasa(screen->format, 0, 1, 0), Ekrans(148 + 12, 338 + 12));
  EXPECT_EQ(Fons(), Ekrans(248 + 12, 388 + 12));
}

TEST_F(Zimesana, NothingIsDrawnWithoutAUsableCell) {
  struct {
    const char* nosaukums;
    int darbiba, kadrs;
    bool bez_lapas, bez_pagaidu;
  } gadijumi[] = {
      {"action 8", 8, 3, false, false},
      {"walking frame past the sheet's rows", 2, 6, false, false},
      {"digging frame past the top row", 3, 11, false, false},
      {"no sheet", 2, 3, true, false},
      {"no scratch", 2, 3, false, true},
      {"dead without its sheet", 6, 1, true, false},
  };
  for (const auto& g : gadijumi) {
    Aizvietot(r->S_Soljo, Lapa(0, 25, 6));
    Aizvietot(r->S_Mir, Lapa(4, 35, 11));
    Aizvietot(r->pieci, RgbaVirsma(25, 25));
    r->darbiba = g.darbiba;
    r->kadrs = g.kadrs;
    r->virziens = 270;
    Zimet();  // past the first, blending copy
    if (g.bez_lapas) Aizvietot(g.darbiba == 6 ? r->S_Mir : r->S_Soljo, NULL);
    if (g.bez_pagaidu) Aizvietot(r->pieci, NULL);
    testing::internal::CaptureStderr();
    Zimet();
    EXPECT_EQ("", testing::internal::GetCapturedStderr()) << g.nosaukums;
    int mainiti = 0;
    for (int y = 370; y < 430; y++)
      for (int x = 230; x < 290; x++) mainiti += Ekrans(x, y) != Fons();
    EXPECT_EQ(0, mainiti) << g.nosaukums;
  }
}

// Load-time checks of the digger's pictures.
struct Parbaude {
  const char* nosaukums;
  int w, h, bpp;
  bool pienemts;
};

int Rindas(const std::string& s) {
  int n = 0;
  for (char c : s) n += c == '\n';
  return n;
}

void ParbauditVisus(const std::vector<Parbaude>& gadijumi,
                    SDL_Surface* (*parbaude)(SDL_Surface*, const char*)) {
  for (const Parbaude& g : gadijumi) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, g.w, g.h, g.bpp, 0, 0, 0, 0);
    ASSERT_TRUE(s != NULL);
    testing::internal::CaptureStderr();
    SDL_Surface* v = parbaude(s, "ui/rani/parbaude.png");
    const std::string kludas = testing::internal::GetCapturedStderr();
    EXPECT_EQ(g.pienemts, v != NULL) << g.nosaukums;
    EXPECT_EQ(g.pienemts ? 0 : 1, Rindas(kludas)) << g.nosaukums;
    if (!g.pienemts) {
      EXPECT_NE(std::string::npos, kludas.find("ui/rani/parbaude.png"));
    }
    if (v) SDL_FreeSurface(v);
  }
}

SDL_Surface* SoljaLapa(SDL_Surface* s, const char* f) {
  return Speletajs::ParbauditLapu(s, f, 25, 6);
}

TEST(RacejaBildes, ScratchMaskAndSheetLimits) {
  ParbauditVisus({{"25 square", 25, 25, 32, true},
                  {"38 square", 38, 38, 32, true},
                  {"50 square", 50, 50, 32, true},
                  {"51 square is too wide", 51, 51, 32, false},
                  {"not square, taller", 25, 26, 32, false},
                  {"not square, wider", 26, 25, 32, false},
                  {"24 bits", 25, 25, 24, false},
                  {"16 bits", 25, 25, 16, false}},
                 Speletajs::ParbauditPagaidu);
  ParbauditVisus({{"21 x 21", 21, 21, 32, true},
                  {"larger", 40, 30, 32, true},
                  {"one column short", 20, 21, 32, false},
                  {"one row short", 21, 20, 32, false},
                  {"16 bits", 21, 21, 16, false}},
                 Speletajs::ParbauditMasku);
  ParbauditVisus({{"the grid exactly", 225, 150, 32, true},
                  {"larger", 300, 200, 32, true},
                  {"one column of pixels short", 224, 150, 32, false},
                  {"one row of pixels short", 225, 149, 32, false},
                  {"any depth draws", 225, 150, 24, true}},
                 SoljaLapa);
  testing::internal::CaptureStderr();
  EXPECT_TRUE(Speletajs::ParbauditPagaidu(NULL, "x.png") == NULL);
  EXPECT_TRUE(Speletajs::ParbauditMasku(NULL, "x.png") == NULL);
  EXPECT_TRUE(Speletajs::ParbauditLapu(NULL, "x.png", 25, 6) == NULL);
  EXPECT_EQ("", testing::internal::GetCapturedStderr()) << "a missing file is told at loading";
}


const char* const VAJADZIGIE[] = {"ui/rani/ani_soljo.png", "ui/rani/ani_rok.png",
                                  "ui/rani/ani_cert.png",  "ui/rani/ani_pneimo.png",
                                  "ui/rani/ani_nave1.png", "ui/rani/ani_dirn.png",
                                  "ui/rani/25.png",        "ui/rani/38.png",
                                  "maska1l.bmp",           "maska1m.bmp",
                                  "ui/rani/ani_soljo_lapsta.png", "ui/rani/ani_soljo_cert.png",
                                  "ui/rani/ani_soljo_pneimo.png", "ui/rani/ani_soljo_spridz.png"};

// How many lines of s name the file.
int Reizes(const std::string& s, const std::string& ko) {
  int n = 0;
  size_t sakums = 0;
  while (sakums < s.size()) {
    size_t beigas = s.find('\n', sakums);
    if (beigas == std::string::npos) beigas = s.size();
    n += s.substr(sakums, beigas - sakums).find(ko) != std::string::npos;
    sakums = beigas + 1;
  }
  return n;
}

TEST_F(Racejs, MissingPicturesAreToldOnceAndDrawNothing) {
  std::string kludas;
  Speletajs* bez = NULL;
  {
    PagaiduMape mape;
    testing::internal::CaptureStderr();
    bez = new Speletajs(250, 390, 1);
    kludas = testing::internal::GetCapturedStderr();
  }
  for (const char* f : VAJADZIGIE) EXPECT_EQ(1, Reizes(kludas, f)) << f << "\n" << kludas;
  EXPECT_EQ(14, Rindas(kludas)) << kludas;
  EXPECT_TRUE(bez->maskal == NULL && bez->maskam == NULL && bez->S_Soljo == NULL);
  Ciets(260, 400, 200);
  testing::internal::CaptureStderr();
  SDL_FillRect(screen, NULL, 0);
  for (int d = 1; d <= 8; d++) {
    bez->darbiba = d;
    bez->Attelot();
  }
  bez->Parvietot(1);
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
  EXPECT_EQ(252.0f, bez->pozx) << "without masks nothing blocks";
  int mainiti = 0;
  for (int i = 0; i < screen->w * screen->h; i++) mainiti += ((Uint32*)screen->pixels)[i] != 0;
  EXPECT_EQ(0, mainiti);
  delete bez;
}

TEST_F(Racejs, PicturesTooSmallForTheirCellsAreRefusedAtLoading) {
  std::string kludas;
  Speletajs* s = NULL;
  {
    PagaiduMape mape;
    PagaiduMape::Bilde("ui/rani/ani_soljo.png", 224, 150);  // one pixel short
    PagaiduMape::Bilde("ui/rani/ani_rok.png", 342, 418);    // exactly its grid
    PagaiduMape::Bilde("ui/rani/ani_cert.png", 405, 450);   // one row short
    PagaiduMape::Bilde("ui/rani/25.png", 25, 25);           // 24 bits: rotet needs 32
    PagaiduMape::Bilde("maska1l.bmp", 20, 21);
    PagaiduMape::Bilde("maska1m.bmp", 21, 21);
    testing::internal::CaptureStderr();
    s = new Speletajs(250, 390, 1);
    kludas = testing::internal::GetCapturedStderr();
  }
  struct {
    const char* fails;
    SDL_Surface* virsma;
    bool pienemts;
  } gadijumi[] = {
      {"ui/rani/ani_soljo.png", s->S_Soljo, false}, {"ui/rani/ani_rok.png", s->S_Rok, true},
      {"ui/rani/ani_cert.png", s->S_Cert, false},   {"ui/rani/25.png", s->pieci, false},
      {"maska1l.bmp", s->maskal, false},            {"maska1m.bmp", s->maskam, true},
  };
  for (const auto& g : gadijumi) {
    EXPECT_EQ(g.pienemts, g.virsma != NULL) << g.fails;
    EXPECT_EQ(g.pienemts ? 0 : 1, Reizes(kludas, g.fails)) << g.fails << "\n" << kludas;
  }
  ASSERT_TRUE(s->maskam != NULL);
  EXPECT_EQ(32, s->maskam->format->BitsPerPixel) << "masks are in the screen's format";
  delete s;
}

}  // namespace
