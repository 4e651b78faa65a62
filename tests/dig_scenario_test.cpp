// The real frame loop, headless on a fake clock: the spade chosen from the panel digs ahead
// on the right button; a dynamite chosen the same way is placed with left Shift and blasts
// fifty frames later, clearing ground and costing the digger health by its distance.
#include <gtest/gtest.h>
#include <unistd.h>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

Uint32& now = fakeSeam.now;
int& mouseX = fakeSeam.mouseX;
int& mouseY = fakeSeam.mouseY;
Uint8& buttons = fakeSeam.buttons;

class DigScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
    if (access("map/pamats1.bmp", R_OK) != 0) GTEST_SKIP() << "no placeholder field";
    static char arg0[] = "delvorn";
    char* argv[] = {arg0, NULL};
    StartPastIntro(c, 1, argv);
    InstallFakeSeam(5);
    // As if a game runs on the placeholder field with a charged lamp.
    mainmenu->selected_screen = 0;
    pirmais->baterijas = pirmais->baterijas_laiks = 100000;
  }
  void TearDown() override { EndGame(c); }
  void Frames(int n) {
    for (int k = 0; k < n && c.done == 0; k++) Kadrs(c);
  }
  // Moves the pointer onto the closed panel to open it, then holds the button one frame
  // over (x, y).
  void Choose(int x, int y) {
    mouseX = 30;
    mouseY = 550;
    Frames(1);
    ASSERT_TRUE(pirmais->inv2.atverts);
    mouseX = x;
    mouseY = y;
    buttons = SDL_BUTTON(1);
    Frames(1);
    buttons = 0;
    EXPECT_FALSE(pirmais->inv2.atverts) << "a click closes the panel";
  }
  void Ground(int x0, int y0, int x1, int y1, int hardness) {
    for (int y = y0; y <= y1; y++)
      for (int x = x0; x <= x1; x++) L1->RakstitSietu(x, y, ArCietibu(L1->LasitSietu(x, y), hardness));
  }
  int Hardness(int x, int y) { return SietaCietiba(L1->LasitSietu(x, y)); }
  SpelesCikls c;
};

}  // namespace

TEST_F(DigScenario, SpadeDigsAheadAndDynamiteBlastsAfterItsFuse) {
  PushEvent(SDL_KEYDOWN, SDLK_F3, 0);
  Frames(1);
  // The digger stands at (250, 390), centre (261, 401), in the open start pocket: give it
  // soft ground ahead.
  Ground(272, 385, 300, 417, 50);

  Choose(65, 510);  // the tools' bottom item
  ASSERT_EQ(1u, pirmais->inv2.aktiva_lieta);
  mouseX = 700;
  mouseY = 401;
  Frames(1);
  ASSERT_EQ(0, pirmais->virziens);
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_RIGHT);
  Frames(1);
  EXPECT_EQ(3, pirmais->darbiba);
  EXPECT_EQ(17, pirmais->kustibu_pauze) << "18 frames, one counted off already";
  for (int x = 272; x <= 275; x++) EXPECT_EQ(0, Hardness(x, 401)) << x;
  EXPECT_EQ(50, Hardness(277, 401)) << "beyond the spade's 15 steps";
  EXPECT_EQ(50, Hardness(285, 386)) << "outside the bite";
  EXPECT_EQ(250, pirmais->GetX()) << "digging does not move the digger";

  // A dynamite 1x, chosen from the bag's second pocket; very hard ground beside the place
  // the bomb will lie (271, 401), and more beyond the blast's reach.
  pirmais->inv2.IevietotLietu(4, 1, false);
  Choose(115, 510);
  ASSERT_EQ(4u, pirmais->inv2.aktiva_lieta);
  Ground(274, 396, 279, 406, 200);
  Ground(290, 396, 292, 406, 200);
  mouseX = 700;
  mouseY = 401;
  Frames(1);
  ASSERT_GT(pirmais->kustibu_pauze, 0);
  PushEvent(SDL_KEYDOWN, SDLK_LSHIFT, 0);
  Frames(1);
  EXPECT_TRUE(L1->Bumbas[0] == NULL) << "left Shift waits for the pause";
  EXPECT_EQ(1, pirmais->inv2.AtgriestLietu(4).skaits);
  Frames(pirmais->kustibu_pauze);
  ASSERT_EQ(0, pirmais->kustibu_pauze);
  PushEvent(SDL_KEYDOWN, SDLK_LSHIFT, 0);
  Frames(1);
  ASSERT_TRUE(L1->Bumbas[0] != NULL);
  EXPECT_EQ(271, L1->Bumbas[0]->x);
  EXPECT_EQ(401, L1->Bumbas[0]->y);
  EXPECT_EQ(-1, pirmais->inv2.MekletMantu(4)) << "the only one is used up";
  EXPECT_EQ(0u, pirmais->inv2.aktiva_lieta);

  int hard = 0;
  for (int y = 396; y <= 406; y++)
    for (int x = 274; x <= 279; x++) hard += Hardness(x, y) == 200;
  ASSERT_EQ(66, hard);
  Frames(48);
  EXPECT_TRUE(L1->Bumbas[0] != NULL) << "the fuse burns 50 frames";
  EXPECT_FLOAT_EQ(100.0f, pirmais->Veseliba);
  Frames(1);
  EXPECT_TRUE(L1->Bumbas[0] == NULL);
  int left = 0;
  for (int y = 396; y <= 406; y++)
    for (int x = 274; x <= 279; x++) left += Hardness(x, y) == 200;
  EXPECT_LT(left, hard) << "the blast cleared very hard ground near it";
  EXPECT_EQ(200, Hardness(291, 401)) << "20 pixels off is beyond dynamite 1x";
  // 10 pixels from a blast of strength 6: between 6 and 15 costs 50.
  EXPECT_FLOAT_EQ(50.0f, pirmais->Veseliba);
  EXPECT_EQ(0, Epicentrs.stiprums);

  // The 2 key sets health to 20.
  PushEvent(SDL_KEYDOWN, SDLK_2, 0);
  Frames(1);
  EXPECT_FLOAT_EQ(20.0f, pirmais->Veseliba);
}

// Held, the right button bites again each time the spade's pause ends; the digger walks into
// the tunnel it cuts and back out. A click shorter than a frame still chooses from the bag,
// and a click on the bag does not walk him.
TEST_F(DigScenario, HeldButtonKeepsDiggingAndHeWalksBackOut) {
  Ground(150, 380, 271, 422, 0);
  Ground(272, 360, 420, 440, 50);
  mouseX = 30;
  mouseY = 550;
  Frames(1);
  ASSERT_TRUE(pirmais->inv2.atverts);
  mouseX = 65;
  mouseY = 510;
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT);
  PushEvent(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_LEFT);
  Frames(1);
  ASSERT_EQ(1u, pirmais->inv2.aktiva_lieta) << "the click within one frame chose the spade";
  mouseX = 30;
  mouseY = 550;
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT);
  Frames(3);
  EXPECT_EQ(0, c.kustiba) << "a press on the bag does not walk him";
  EXPECT_EQ(250, pirmais->GetX());
  PushEvent(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_LEFT);

  mouseX = 700;
  mouseY = 401;
  Frames(1);
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_RIGHT);
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT);
  int bites = 0;
  for (int k = 0; k < 85; k++) {
    const int pause = pirmais->kustibu_pauze;
    Frames(1);
    bites += pirmais->kustibu_pauze > pause;
  }
  PushEvent(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_RIGHT);
  Frames(1);
  EXPECT_EQ(5, bites) << "one bite at the press, then one as each 18-frame pause ends";
  EXPECT_GT(pirmais->GetX(), 272 + 15) << "he walked into his own tunnel";
  const int pause = pirmais->kustibu_pauze;
  Frames(1);
  EXPECT_LE(pirmais->kustibu_pauze, pause) << "let go, the button bites no more";

  mouseX = 100;
  Frames(80);
  EXPECT_LT(pirmais->GetX(), 250) << "and walked back out of it";
}
