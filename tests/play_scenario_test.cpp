// The real frame loop, headless on a fake clock, in the built run folder: the digger walks
// towards the pointer along the placeholder field's tunnel, picks up what lies in it, and
// stops at the tunnel's end.
#include <gtest/gtest.h>
#include <unistd.h>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

Uint32& now = fakeSeam.now;
int& mouseX = fakeSeam.mouseX;
int& mouseY = fakeSeam.mouseY;

class PlayScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
    if (access("map/pamats1.bmp", R_OK) != 0) GTEST_SKIP() << "no placeholder field";
    InstallFakeSeam(5);
    static char arg0[] = "delvorn";
    char* argv[] = {arg0, NULL};
    StartPastIntro(c, 1, argv);
    mainmenu->selected_screen = 0;  // as if a game runs on the placeholder field
  }
  void TearDown() override { EndGame(c); }
  void Frames(int n) {
    for (int k = 0; k < n && c.done == 0; k++) Kadrs(c);
  }
  SpelesCikls c{};
};

}  // namespace

TEST_F(PlayScenario, TheEmptyStartBatteryLosesTheGameInTheFirstFrame) {
  mouseX = 700;
  mouseY = 401;
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT);
  Frames(1);
  EXPECT_EQ(mainmenu->selected_screen, 5u) << "a battery of 1 ms is an empty lamp";
  EXPECT_EQ(mainmenu->text, TUMSAS_ZINJA);
  EXPECT_EQ(pirmais->darbiba, 6);
  EXPECT_FALSE(spele_palaista);
  // F3 fills the lamp, but a lost game stays on its panel: the digger does not walk.
  PushEvent(SDL_KEYDOWN, SDLK_F3, 0);
  Frames(5);
  EXPECT_EQ(pirmais->GetX(), 250);
  EXPECT_EQ(mainmenu->selected_screen, 5u);
}

TEST_F(PlayScenario, WalksRightPicksUpTheItemsAndStopsAtSolidGround) {
  PushEvent(SDL_KEYDOWN, SDLK_F3, 0);
  mouseX = 700;
  mouseY = 401;  // a hair below the centre's row: straight right
  PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT);
  Frames(2);
  EXPECT_EQ(pirmais->virziens, 0);
  int last = -1, still = 0;
  for (int k = 0; k < 400 && still < 20; k++) {
    Frames(1);
    still = pirmais->GetX() == last ? still + 1 : 0;
    last = pirmais->GetX();
  }
  ASSERT_EQ(still, 20) << "the digger should have come to a stop";
  // The tunnel is open to x 560: the near test stops the box a few pixels short of it.
  EXPECT_GT(pirmais->GetX(), 500);
  EXPECT_LT(pirmais->GetX() + 21, 575);
  EXPECT_EQ(pirmais->Kolizija(), 0) << "blocked just ahead";
  // The explosives on the way are in the bag, their marks gone from the ground; the kits
  // stay, since the digger's health is full.
  for (int id : {4, 5, 9}) {
    EXPECT_EQ(pirmais->inv2.AtgriestLietu(id).skaits, 1) << "item " << id;
  }
  EXPECT_EQ(SietaManta(L1->LasitSietu(300, 400)), 0);
  EXPECT_EQ(SietaManta(L1->LasitSietu(470, 400)), 24);
  EXPECT_EQ(SietaManta(L1->LasitSietu(520, 400)), 25);
  // Letting go of the button ends the walk request.
  PushEvent(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_LEFT);
  Frames(1);
  EXPECT_EQ(c.kustiba, 0);
}

TEST_F(PlayScenario, ViewKeysAreIgnoredWhileThePauseHolds) {
  pirmais->kustibu_pauze = 3;
  PushEvent(SDL_KEYDOWN, SDLK_SPACE, 0);
  Frames(1);
  EXPECT_EQ(c.kustiba, 0) << "a key pressed during the pause";
  Frames(3);
  PushEvent(SDL_KEYDOWN, SDLK_SPACE, 0);
  Frames(1);
  EXPECT_EQ(c.kustiba, 1);
}
