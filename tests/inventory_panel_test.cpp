// The inventory panel: its hit test, what it draws where, and the choices a button makes.
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <functional>
#include <string>
#include <vector>

#include "inventory/inventars.h"
#include "shell/globali.h"
#include "shell/sistema.h"
#include "tests/support/sargata_maska.h"
#include "tests/support/testutil.h"

namespace {

// Every panel picture a colour of its own, at its nominal size; items 37 x 32.
const Uint32 VALJA = 0x101010, CIET = 0x202020, GALS = 0x303030, KAB_C = 0x404040,
             KAB_V = 0x505050, AUDUMS = 0x606060, AUD_G = 0x707070, IEZIMETS = 0x808080,
             VESELIBA = 0x909090;
Uint32 MantasKrasa(unsigned id) { return 0x100000u * id + 0x0000A0u; }

struct PanelaBilde {
  const char* fails;
  int w, h;
  Uint32 krasa;
};
const PanelaBilde PANELIS[] = {
    {"ui/ui_itm_unroll_begin.png", 36, 69, VALJA},
    {"ui/ui_itm_compact.png", 60, 72, CIET},
    {"ui/ui_itm_unroll_end.png", 57, 69, GALS},
    {"ui/ui_itm_unroll_middle.png", 52, 69, KAB_C},
    {"ui/ui_itm_unroll_middle_expand.png", 52, 69, KAB_V},
    {"ui/ui_itm_expand_middle.png", 52, 28, AUDUMS},
    {"ui/ui_itm_expand_top.png", 54, 12, AUD_G},
    {"ui/selected_bg.png", 37, 32, IEZIMETS},
    {"ui/ui_health.png", 102, 105, VESELIBA},
};
const char* const MANTAS[] = {
    "ui/lapsta.png",       "ui/cirtnis.png",          "ui/pneim_cirtnis.png",
    "ui/dinamits_1x.png",  "ui/dinamits_3x.png",      "ui/dinamits_5x.png",
    "ui/dinamits_deton_3x.png", "ui/dinamits_deton_5x.png", "ui/semtex_deton.png",
    "ui/semtex_1s.png",    "ui/semtex_3s.png",
};

const Uint32 FONS = 0x0000FF;  // the screen before each frame

class Panelis : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(OpenTestScreen() != NULL);
    if (TTF_WasInit() == 0) TTF_Init();
    if (!font) font = TTF_OpenFont(DELVORN_BIN_DIR "/dustismo_bold.ttf", 11);
  }
  void SetUp() override {
    mape = new PagaiduMape();
    for (const PanelaBilde& b : PANELIS) PagaiduMape::Bilde(b.fails, b.w, b.h, b.krasa);
    for (unsigned id = 1; id <= 11; id++) PagaiduMape::Bilde(MANTAS[id - 1], 37, 32, MantasKrasa(id));
    Inventars_V2::InitietMantuTipus();
    inv = new Inventars_V2();
    ASSERT_TRUE(inv->ieladets);
  }
  void TearDown() override {
    delete inv;
    // The next suite must not find this folder's pictures in the shared table.
    for (int i = 0; i < Inventars_V2::TIPU_SKAITS; i++) {
      SDL_Surface*& b = Inventars_V2::visu_lietu_tipi[i].inv_bilde;
      if (b) SDL_FreeSurface(b);
      b = NULL;
    }
    delete mape;
  }
  // The usual bag: the tools, two dynamites, Semtex.
  void ParastaSoma() {
    inv->IevietotLietu(4, 2, false);
    inv->IevietotLietu(5, 1, false);
    inv->IevietotLietu(9, 3, false);
  }
  void Kadrs(int x, int y, Uint8 poga) {
    SDL_FillRect(screen, NULL, FONS);
    inv->Apkalpot(x, y, poga);
  }
  static Uint32 P(int x, int y) { return PixelAt(screen, x, y) & 0xFFFFFF; }
  // Any near-white pixel (a count) in the rectangle; no picture here is that light.
  static bool Balts(int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; y++)
      for (int x = x0; x < x1; x++) {
        const Uint32 p = P(x, y);
        if ((p >> 16) >= 0xB0 && ((p >> 8) & 0xFF) >= 0xB0 && (p & 0xFF) >= 0xB0) return true;
      }
    return false;
  }
  PagaiduMape* mape;
  Inventars_V2* inv;
};

struct Pikselis {
  int x, y;
  Uint32 krasa;
};
// A rectangle [x0, x1) x [y0, y1) that must (or must not) hold a white count.
struct Skaitlis {
  int x0, y0, x1, y1;
  bool ir;
};

// With the usual bag the pockets stand at x 43, 95 and 147 and the right end at 199; a
// risen column holds its items at y 506, 477, 448 from x pocket + 3.
TEST_F(Panelis, PointerAndButtonCases) {
  const Uint32 K1 = MantasKrasa(1), K2 = MantasKrasa(2), K3 = MantasKrasa(3),
               K4 = MantasKrasa(4), K5 = MantasKrasa(5), K9 = MantasKrasa(9);
  struct {
    const char* nosaukums;
    std::function<void(Inventars_V2&)> soma;  // changes to the usual bag before the frame
    bool atverts;
    int x, y;
    Uint8 poga;
    bool atverts_pec;
    unsigned aktiva_pec;
    std::vector<Pikselis> zime;
    std::vector<Skaitlis> skaitli;
  } gadijumi[] = {
      {"closed: the pointer on the compact picture opens it", nullptr, false, 30, 550, 0, true,
       0, {{10, 525, VALJA}, {50, 530, KAB_C}, {100, 530, KAB_C}, {150, 530, KAB_C},
           {210, 530, GALS}, {20, 20, VESELIBA}}, {}},
      {"closed: the compact picture's top row is not on it", nullptr, false, 30, 520, 0, false,
       0, {{10, 525, CIET}, {60, 590, CIET}, {20, 20, VESELIBA}, {50, 506, FONS}}, {}},
      {"open, pointer at (70, 500): the tools rise with the spade at the bottom", nullptr,
       true, 70, 500, 0, true, 0,
       {{60, 520, K1}, {60, 490, K2}, {60, 460, K3}, {90, 510, AUDUMS}, {40, 445, AUD_G},
        {90, 560, KAB_V}, {100, 530, KAB_C}, {150, 530, KAB_C}, {210, 530, GALS},
        {60, 440, FONS}},
       {{43, 440, 95, 540, false}}},
      {"open, a click on the pick chooses it and closes the panel", nullptr, true, 70, 480, 1,
       false, 2, {{60, 490, K2}}, {}},
      {"open, a click on the tools' base with no tool chosen yet: nothing active", nullptr,
       true, 70, 560, 1, false, 0, {{90, 560, KAB_V}, {60, 560, KAB_V}}, {}},
      {"open, a click on the tools' base takes the tool chosen last",
       [](Inventars_V2& i) {
         i.nesen_lietots[0] = 3;
         i.aktiva_lieta = 5;
       },
       true, 70, 560, 1, false, 3, {{60, 560, K3}, {110, 560, KAB_C}}, {}},
      {"open, a click at (100, 500) without Semtex takes the bottom dynamite",
       [](Inventars_V2& i) { i.IznemtLietu(9); }, true, 100, 500, 1, false, 4,
       {{110, 520, K4}, {110, 490, K5}, {150, 530, GALS}},
       {{120, 506, 136, 520, true}, {120, 477, 136, 490, true}}},
      {"open, Semtex's pocket is the third", nullptr, true, 170, 500, 1, false, 9,
       {{160, 520, K9}, {190, 560, KAB_V}, {210, 530, GALS}}, {{170, 506, 188, 520, true}}},
      {"open, the pointer off every pocket closes it", nullptr, true, 300, 300, 0, false, 0,
       {{10, 525, CIET}}, {}},
      {"open, below the tools' base is still the compact area", nullptr, true, 50, 595, 0, true,
       0, {{10, 525, VALJA}, {90, 560, KAB_V}}, {}},
      {"the menu's (0, 0) closes an open panel and chooses nothing",
       [](Inventars_V2& i) { i.aktiva_lieta = 4; }, true, 0, 0, 1, false, 4,
       {{10, 525, CIET}, {80, 550, K4}, {20, 20, VESELIBA}, {60, 506, FONS}},
       {{80, 535, 96, 548, true}}},
      {"the active tool's count is not drawn", [](Inventars_V2& i) { i.aktiva_lieta = 1; },
       false, 300, 300, 0, false, 1, {{80, 550, K1}}, {{60, 530, 100, 550, false}}},
      {"an active count of 0 is not drawn",
       [](Inventars_V2& i) {
         i.IevietotLietu(6, 0, false);
         i.aktiva_lieta = 6;
       },
       false, 300, 300, 0, false, 6, {{80, 550, MantasKrasa(6)}}, {{60, 530, 100, 550, false}}},
      {"an active count below 0 is not drawn",
       [](Inventars_V2& i) {
         i.IevietotLietu(4, -3, false);
         i.aktiva_lieta = 4;
       },
       false, 300, 300, 0, false, 4, {{80, 550, K4}}, {{60, 530, 100, 550, false}}},
      {"the recently chosen row, with the group under the pointer lit",
       [](Inventars_V2& i) {
         i.nesen_lietots[0] = 2;
         i.nesen_lietots[1] = 5;
         i.nesen_lietots[2] = 9;
       },
       true, 115, 560, 0, true, 0,
       {{60, 560, K2}, {110, 560, K5}, {160, 560, K9}, {130, 550, K5}},
       {{125, 540, 135, 553, true}, {175, 540, 186, 553, true}, {70, 540, 82, 553, false}}},
  };
  for (const auto& g : gadijumi) {
    inv->IztiritInventaru();
    ParastaSoma();
    if (g.soma) g.soma(*inv);
    inv->atverts = g.atverts;
    Kadrs(g.x, g.y, g.poga);
    EXPECT_EQ(g.atverts_pec, inv->atverts) << g.nosaukums;
    EXPECT_EQ(g.aktiva_pec, inv->aktiva_lieta) << g.nosaukums;
    for (const Pikselis& p : g.zime)
      EXPECT_EQ(p.krasa, P(p.x, p.y)) << g.nosaukums << " at " << p.x << "," << p.y;
    for (const Skaitlis& k : g.skaitli)
      EXPECT_EQ(k.ir, Balts(k.x0, k.y0, k.x1, k.y1))
          << g.nosaukums << ": count at " << k.x0 << "," << k.y0;
  }
}

TEST_F(Panelis, AChoiceIsRememberedForItsGroupsBase) {
  ParastaSoma();
  inv->atverts = true;
  Kadrs(115, 480, 1);  // the second dynamite
  EXPECT_EQ(5u, inv->aktiva_lieta);
  EXPECT_EQ(5u, inv->nesen_lietots[1]);
  inv->aktiva_lieta = 1;
  inv->atverts = true;
  Kadrs(115, 560, 1);  // the dynamite pocket's base
  EXPECT_EQ(5u, inv->aktiva_lieta);
  EXPECT_EQ(0u, inv->nesen_lietots[0]);
  EXPECT_EQ(0u, inv->nesen_lietots[2]);
}

TEST_F(Panelis, HitTestLeavesGroupAndItemAloneOffThePockets) {
  ParastaSoma();
  struct {
    int x, y;
    bool atverts;
    unsigned rez;
    int grupa, manta;
  } gadijumi[] = {
      {70, 500, true, 1, 1, 1},   {70, 495, true, 1, 1, 1},  {70, 494, true, 1, 1, 2},
      {70, 466, true, 1, 1, 2},   {70, 437, true, 1, 1, 3},  {70, 430, true, 0, 1, -7},
      {92, 500, true, 1, 1, 1},   {93, 500, true, 1, 2, 1},  {145, 500, true, 1, 3, 1},
      {197, 500, true, 0, -7, -7}, {170, 470, true, 0, 3, -7}, {170, 588, true, 1, 3, -7},
      {170, 589, true, 0, 3, -7}, {66, 700, false, 1, -7, -7}, {67, 700, false, 0, -7, -7},
      {7, 550, false, 0, -7, -7}, {8, 521, false, 1, -7, -7},
  };
  for (const auto& g : gadijumi) {
    int grupa = -7, manta = -7;
    const unsigned rez = inv->KurKursors(g.x, g.y, g.atverts, grupa, manta);
    EXPECT_EQ(g.rez, rez) << g.x << "," << g.y;
    EXPECT_EQ(g.grupa, grupa) << g.x << "," << g.y;
    EXPECT_EQ(g.manta, manta) << g.x << "," << g.y;
  }
}

TEST_F(Panelis, MissingPicturesAreSkippedNeverUsed) {
  ParastaSoma();
  // An item without a picture: its place in the column stays, the others are drawn, and as
  // the active item it shows neither picture nor count.
  SDL_FreeSurface(Inventars_V2::visu_lietu_tipi[1].inv_bilde);
  Inventars_V2::visu_lietu_tipi[1].inv_bilde = NULL;
  SDL_FreeSurface(Inventars_V2::visu_lietu_tipi[3].inv_bilde);
  Inventars_V2::visu_lietu_tipi[3].inv_bilde = NULL;
  inv->aktiva_lieta = 4;
  inv->atverts = true;
  Kadrs(70, 480, 0);
  EXPECT_EQ(MantasKrasa(1), P(60, 520));
  EXPECT_EQ(IEZIMETS, P(60, 490)) << "the highlight behind the missing pick";
  EXPECT_EQ(MantasKrasa(3), P(60, 460));
  inv->atverts = false;
  Kadrs(300, 300, 0);
  EXPECT_EQ(FONS, P(80, 550));
  EXPECT_FALSE(Balts(60, 530, 100, 550));

  // Without the right end the panel works and leaves that place alone.
  SDL_FreeSurface(inv->S_gals);
  inv->S_gals = NULL;
  inv->atverts = true;
  Kadrs(30, 550, 0);
  EXPECT_TRUE(inv->atverts);
  EXPECT_EQ(FONS, P(210, 530));

  // A panel picture missing: only the active item is drawn and nothing can be chosen.
  ASSERT_EQ(0, remove("ui/selected_bg.png"));
  Inventars_V2 bez;
  ASSERT_FALSE(bez.ieladets);
  bez.IevietotLietu(5, 2, false);
  bez.aktiva_lieta = 5;
  for (int poga : {0, 1}) {
    Kadrs(0, 0, 0);
    SDL_FillRect(screen, NULL, FONS);
    bez.Apkalpot(70, 500, (Uint8)poga);
    EXPECT_FALSE(bez.atverts);
    EXPECT_EQ(5u, bez.aktiva_lieta);
    EXPECT_EQ(0u, bez.nesen_lietots[0]);
    EXPECT_EQ(MantasKrasa(5), P(80, 550));
    EXPECT_TRUE(Balts(80, 535, 96, 548));
    EXPECT_EQ(FONS, P(10, 525));
    EXPECT_EQ(FONS, P(20, 20));
  }
}

// The loader's RGBA pictures are turned into the screen's layout on their first drawing;
// what lands on the screen must not change, half-transparent pixels included.
TEST_F(Panelis, PicturesWithAlphaLookTheSameInTheScreensLayout) {
  SDL_Surface* rgba = SDL_CreateRGBSurface(SDL_SWSURFACE, 102, 105, 32, 0x000000FF, 0x0000FF00,
                                           0x00FF0000, 0xFF000000);
  for (int y = 0; y < 105; y++)
    for (int x = 0; x < 102; x++)
      PixelAt(rgba, x, y) = ((Uint32)(x * 2) << 24) | ((Uint32)y << 16) | 0x80u << 8 | 0x20u;
  // What a blit of the picture as loaded gives.
  SDL_FillRect(screen, NULL, FONS);
  SDL_Rect kur = {8, 10, 0, 0};
  SDL_BlitSurface(rgba, NULL, screen, &kur);
  std::vector<Uint32> gaidits;
  for (int y = 10; y < 115; y++)
    for (int x = 8; x < 110; x++) gaidits.push_back(P(x, y));
  SDL_FreeSurface(inv->S_veseliba);
  inv->S_veseliba = EkranaFormata(rgba);
  for (int k = 0; k < 2; k++) {
    Kadrs(300, 300, 0);
    int atskiras = 0;
    size_t i = 0;
    for (int y = 10; y < 115; y++)
      for (int x = 8; x < 110; x++, i++) {
        const Uint32 a = gaidits[i], b = P(x, y);
        for (int sh = 0; sh < 24; sh += 8)
          if (abs((int)((a >> sh) & 0xFF) - (int)((b >> sh) & 0xFF)) > 2) {
            atskiras++;
            break;
          }
      }
    EXPECT_EQ(0, atskiras) << "drawing " << k + 1;
  }
  EXPECT_EQ(screen->format->Rmask, inv->S_veseliba->format->Rmask);
  EXPECT_NE(0u, inv->S_veseliba->format->Amask);
}

}  // namespace
