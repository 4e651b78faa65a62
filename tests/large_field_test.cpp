// Fields larger than the window: every field effect works at the far side of a scrolled
// view, and in the real frame loop the view follows the digger within its margin.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

const Uint32 EARTH = 0x00AA5522, WALL = 0x00223344;
const int W = 2400, H = 1800;

class LargeField : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);  // the bomb and kit strips
    OpenTestScreen();
    japarzime = 0;
    radC = 0;
    for (auto& ik : ikonas) ik = AptiekasIkona{0, 0, 0};
    testing::internal::CaptureStderr();
    field = new Laukums(0, 0, "missing-mask.bmp", "missing.bmp", "missing.bmp");
    testing::internal::GetCapturedStderr();
    NewFieldPictures(field, W, H, ArCietibu(0, 100), EARTH, WALL);
    field->sak.x = W - 800;  // the bottom-right corner in view
    field->sak.y = H - 600;
  }
  void TearDown() override { delete field; }
  Uint32& Mask(int x, int y) { return PixelAt(field->Siets, x, y); }
  // Screen pixels of a box that show neither of the field's looks.
  int Drawn(int x0, int y0, int w, int h) {
    int n = 0;
    for (int y = y0; y < y0 + h; y++)
      for (int x = x0; x < x0 + w; x++) {
        const Uint32 p = PixelAt(screen, x, y) & 0xFFFFFF;
        n += p != EARTH && p != WALL;
      }
    return n;
  }
  void Blast(int x, int y) {
    field->Spridzinat(9, 1, x, y);
    field->ApkalpotBumbas();
  }
  Laukums* field = nullptr;
};

}  // namespace

// Field (2300, 1700) is screen (700, 500); field (700, 500) is what the screen position would
// wrongly name.
TEST_F(LargeField, EffectsAtTheFarCornerOfAScrolledView) {
  struct {
    const char* name;
    std::function<void()> act;
    std::function<bool()> ok;
  } cases[] = {
      {"a burning bomb is drawn where it lies",
       [&] {
         field->ZimLauk(0, 0, 0, 0, 1);
         field->Spridzinat(9, 50, 2300, 1700);
         field->ApkalpotBumbas();
       },
       [&] { return Drawn(689, 490, 23, 20) > 50; }},
      {"a blast clears the mask round the bomb, not round its screen position",
       [&] { Blast(2300, 1700); },
       [&] {
         return SietaCietiba(Mask(2320, 1700)) == 0 && SietaCietiba(Mask(2300, 1730)) == 0 &&
                SietaCietiba(Mask(720, 500)) == 100;
       }},
      {"a kit is found in the whole field and drawn where it lies",
       [&] {
         Mask(2350, 1750) = ArMantu(0, 24);
         field->ParindeksetAptiekas();
         field->ZimLauk(0, 0, 0, 0, 1);
       },
       [&] {
         return field->AP_skaits == 21 && ikonas[20].x == 2340 && ikonas[20].y == 1740 &&
                Drawn(740, 540, 20, 20) > 50;
       }},
      {"a chasm region opens in the whole field, out of view too",
       [&] {
         Mask(2300, 1700) = ArZonu(0, 12);
         Mask(2390, 1790) = ArZonu(100, 12);
         Mask(5, 5) = ArZonu(100, 12);
         Blast(2300, 1700);
         field->ZimLauk(0, 0, 0, 0, 1);
       },
       [&] { return Mask(5, 5) == ArZonu(0, 5) && Mask(2390, 1790) == ArZonu(0, 5); }},
      {"the five radiation sources nearest the digger, nearest first",
       [&] {
         const int at[7][2] = {{10, 10},     {2390, 1790}, {2350, 1650}, {2200, 1600},
                               {2310, 1700}, {1500, 1000}, {2300, 1500}};
         for (const auto& p : at) Mask(p[0], p[1]) = ArZonu(0, 90);
         field->IndeksetStarojumu();
         field->TuvakieStarojumi(2300, 1700);
       },
       [&] {
         const int want[5][2] = {
             {2310, 1700}, {2350, 1650}, {2390, 1790}, {2200, 1600}, {2300, 1500}};
         for (int k = 0; k < 5; k++)
           if (rad[k].x != want[k][0] || rad[k].y != want[k][1]) return false;
         return radC == 5;
       }},
  };
  for (const auto& c : cases) {
    c.act();
    EXPECT_TRUE(c.ok()) << c.name;
    TearDown();  // a fresh field for the next case, and for the fixture's own TearDown
    SetUp();
  }
}

// The real frame loop on a large open field: the pointer held at the window's right edge
// walks the digger across it, the view keeping him within its margin and moving smoothly;
// an arrow held looks around, and walking again brings the view back.
TEST(LargeFieldScenario, TheViewFollowsTheDigger) {
  ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
  static char arg0[] = "delvorn";
  char* argv[] = {arg0, NULL};
  SpelesCikls c;
  StartPastIntro(c, 1, argv);
  InstallFakeSeam(5);
  mainmenu->selected_screen = 0;
  pirmais->baterijas = pirmais->baterijas_laiks = 1000000;
  NewFieldPictures(L1, W, H, 0, EARTH, WALL);
  pirmais->pozx = 100;
  pirmais->pozy = 900;
  SkatsUzRaceju(c.skats, *L1, *pirmais);
  EXPECT_EQ(0, L1->sak.x);
  EXPECT_EQ(900 + 10 - (600 - 160), L1->sak.y) << "the start puts him within the margin at once";

  fakeSeam.mouseX = 799;
  fakeSeam.mouseY = 910 - L1->sak.y;
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT);
  int widest = 0;
  for (int k = 0; k < 1200; k++) {
    const int before = L1->sak.x;
    Kadrs(c);
    widest = std::max(widest, abs(L1->sak.x - before));
    // Within the margin, but where the view stands at the field's edge.
    const int onScreen = pirmais->GetX() + 10 - L1->sak.x;
    ASSERT_TRUE((onScreen >= 150 || L1->sak.x == 0) && (onScreen <= 650 || L1->sak.x == W - 800))
        << "frame " << k << ": " << onScreen;
  }
  EXPECT_LE(widest, 4) << "the view moves no more than a little over his speed";
  EXPECT_EQ(W - 800, L1->sak.x) << "he crossed to the field's right edge, the view with him";
  EXPECT_GT(pirmais->GetX(), W - 200);

  PushEvent(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_LEFT);
  fakeSeam.mouseX = 400;  // off the digger, whose pause would hold the keys back
  Kadrs(c);
  Kadrs(c);
  PushEvent(SDL_KEYDOWN, SDLK_LEFT, 0);
  for (int k = 0; k < 40; k++) Kadrs(c);
  PushEvent(SDL_KEYUP, SDLK_LEFT, 0);
  Kadrs(c);
  const int looked = L1->sak.x;
  EXPECT_LT(looked, W - 800 - 300) << "held, the arrow goes on looking";
  for (int k = 0; k < 20; k++) Kadrs(c);
  EXPECT_EQ(looked, L1->sak.x) << "the view stays while he stands";
  fakeSeam.mouseX = 0;  // pointed back, he walks and the view comes back to him
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT);
  for (int k = 0; k < 60; k++) Kadrs(c);
  EXPECT_EQ(W - 800, L1->sak.x) << "back where following him puts it";
  EndGame(c);
}
