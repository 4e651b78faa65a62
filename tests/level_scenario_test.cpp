// The shipped first levels in the real frame loop, headless on a fake clock: a new game from
// the menu, a control point's message and its close button, the exit's panel and the next
// level, a lamp that runs out and the restart.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>

#include "digger/racejs.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "field/zeme.h"
#include "shell/atminja.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

Uint32& now = fakeSeam.now;
int& mouseX = fakeSeam.mouseX;
int& mouseY = fakeSeam.mouseY;

class LevelScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
    if (access("map/intro.cfg", R_OK) != 0) GTEST_SKIP() << "no first level in the run folder";
    limenis = PIRMAIS_LIMENIS;  // as the program starts
    StartPastIntro(c, 1, argv);
    InstallFakeSeam(2);
    now = 100000;
  }
  void TearDown() override { EndGame(c); }
  std::string Frames(int n) {
    testing::internal::CaptureStdout();
    for (int k = 0; k < n && c.done == 0; k++) Kadrs(c);
    return testing::internal::GetCapturedStdout();
  }
  std::string Click(int x, int y) {
    mouseX = x;
    mouseY = y;
    PushEvent(SDL_MOUSEMOTION, 0, 0);
    PushEvent(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_LEFT);
    return Frames(1);
  }
  // Clicks the middle of a panel's button once the panel takes clicks.
  std::string ClickWhenReady(const Button& b) {
    for (int k = 0; k < 100 && mainmenu->PanelisGaida(now); k++) Frames(1);
    return Click(b.rect.x + b.rect.w / 2, b.rect.y + b.rect.h / 2);
  }
  // Puts the digger's centre on the object, as a walk there would.
  void Touch(PakuMenedzeris::Pk* pk) {
    pirmais->pozx = (float)(int32_t)pk->xpos;
    pirmais->pozy = (float)(int32_t)pk->ypos;
  }
  PakuMenedzeris::Pk* FirstOfClass(unsigned cls) {
    for (PakuMenedzeris::Pk* pk : c.paku_mgr->pakas)
      if (pk && pk->klasses_id == cls) return pk;
    return nullptr;
  }
  char arg0[8] = "delvorn";
  char* argv[2] = {arg0, NULL};
  SpelesCikls c{};
};

}  // namespace

TEST_F(LevelScenario, NewGameControlPointsExitAndTheNextLevel) {
  ASSERT_EQ(mainmenu->selected_screen, 1u);
  std::string out = Click(178, 546);  // "Jauna spele"
  EXPECT_NE(out.find("limenis ieladets: map/intro.cfg\n"), std::string::npos) << out;
  ASSERT_EQ(mainmenu->selected_screen, 0u);
  EXPECT_TRUE(spele_palaista);
  ASSERT_GE(c.paku_mgr->kontrolpunkti.size(), 2u);

  // The exit waits while control points remain.
  PakuMenedzeris::Pk* exit = FirstOfClass(30);
  ASSERT_NE(exit, nullptr);
  Touch(exit);
  Frames(2);
  EXPECT_EQ(mainmenu->selected_screen, 0u);

  // Each control point: its message on screen 3, closed with "Aizvert".
  while (!c.paku_mgr->kontrolpunkti.empty()) {
    PakuMenedzeris::Pk* cp = c.paku_mgr->kontrolpunkti.front();
    const std::string message = cp->zinja;
    Touch(cp);
    Frames(1);
    ASSERT_EQ(mainmenu->selected_screen, 3u) << message;
    if (!message.empty()) {
      EXPECT_EQ(mainmenu->text, message);
    }
    ClickWhenReady(mainmenu->bt_close);
    EXPECT_EQ(mainmenu->selected_screen, 0u);
  }
  exit = FirstOfClass(30);
  ASSERT_NE(exit, nullptr);
  Touch(exit);
  Frames(1);
  ASSERT_EQ(mainmenu->selected_screen, 4u);
  ASSERT_NE(progress.Find("map/intro.cfg"), nullptr);
  EXPECT_TRUE(progress.Find("map/intro.cfg")->won) << "the win is kept";
  const std::string next = nakamais_limenis;
  EXPECT_FALSE(next.empty());
  out = ClickWhenReady(mainmenu->bt_nextlevel);
  EXPECT_NE(out.find("nextlevel: " + next + "\nlimenis ieladets: " + next + "\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(limenis, next);
  EXPECT_EQ(mainmenu->selected_screen, 0u);
  EXPECT_NE(FirstOfClass(30), nullptr) << "the second level has its own exit";
}

TEST_F(LevelScenario, ALampThatRunsOutLosesAndRestartReloads) {
  Click(178, 546);
  ASSERT_EQ(mainmenu->selected_screen, 0u);
  const float startX = pirmais->pozx;
  // The first level greets at its start, and its panel holds the lamp until it is closed.
  Frames(1);
  ASSERT_EQ(mainmenu->selected_screen, 3u);
  ClickWhenReady(mainmenu->bt_close);
  ASSERT_EQ(mainmenu->selected_screen, 0u);
  pirmais->baterijas = 60;  // 60 ms left: this fake clock's frames take 4 and 40 ms in turn
  Frames(5);
  ASSERT_EQ(mainmenu->selected_screen, 5u);
  EXPECT_EQ(mainmenu->text, TUMSAS_ZINJA);
  EXPECT_FALSE(spele_palaista);
  std::string out = ClickWhenReady(mainmenu->bt_restartlevel);
  EXPECT_NE(out.find("limenis ieladets: map/intro.cfg\n"), std::string::npos) << out;
  EXPECT_EQ(mainmenu->selected_screen, 0u);
  EXPECT_TRUE(spele_palaista);
  EXPECT_FLOAT_EQ(pirmais->pozx, startX);
  EXPECT_GT(pirmais->baterijas, 1000);
}

TEST_F(LevelScenario, APanelOpensAwayFromTheDiggerAndTakesNoClickAtOnce) {
  Click(178, 546);
  ASSERT_EQ(mainmenu->selected_screen, 0u);
  struct {
    float x, y;  // the digger's box on the unscrolled first level
    int virziens;
    double clear;  // at least this far from the panel: his centre and his way ahead
  } cases[] = {{150, 150, 0, 100}, {600, 120, 180, 100}, {150, 450, 90, 100},
               {620, 470, 270, 100}, {390, 290, 0, 50}, {390, 290, 90, 50}};
  for (auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.x << "," << k.y << " heading " << k.virziens);
    pirmais->pozx = k.x;
    pirmais->pozy = k.y;
    pirmais->virziens = k.virziens;
    mainmenu->text = "Zinja";
    mainmenu->selected_screen = 3;
    Frames(1);
    const SDL_Rect r = mainmenu->bgi_target.rect;
    const double cx = k.x + 10.5, cy = k.y + 10.5;
    const double a = k.virziens * M_PI / 180;
    for (double ahead : {0.0, 40.0}) {
      const double px = cx + ahead * cos(a), py = cy - ahead * sin(a);
      const double dx = std::max({r.x - px, 0.0, px - (r.x + r.w)});
      const double dy = std::max({r.y - py, 0.0, py - (r.y + r.h)});
      EXPECT_GE(std::hypot(dx, dy), k.clear) << "ahead " << ahead;
    }
    // The button moved with the panel: a click at once, or in its first half second, is
    // taken for the walk's; the panel stays.
    const SDL_Rect b = mainmenu->bt_close.rect;
    EXPECT_EQ(b.x - r.x, 348 - 237);
    EXPECT_EQ(b.y - r.y, 387 - 190);
    EXPECT_LE(b.y + b.h, 600);
    Click(b.x + b.w / 2, b.y + b.h / 2);
    EXPECT_EQ(mainmenu->selected_screen, 3u);
    now += 400;
    Click(b.x + b.w / 2, b.y + b.h / 2);
    EXPECT_EQ(mainmenu->selected_screen, 3u);
    now += 150;
    Click(b.x + b.w / 2, b.y + b.h / 2);
    EXPECT_EQ(mainmenu->selected_screen, 0u);
  }
}

TEST_F(LevelScenario, TheLevelChoiceOpensTheWonLevelsAndTheNextOne) {
  progress = Progress();
  progress.RecordWin("map/intro.cfg", 83000);
  Click(550, 545);  // "Limenis"
  ASSERT_EQ(mainmenu->selected_screen, (unsigned)SCREEN_LEVELS);
  const std::vector<LevelEntry>& l = mainmenu->levels;
  ASSERT_GE(l.size(), 3u) << "the chain from the first level";
  EXPECT_EQ(l[0].path, "map/intro.cfg");
  EXPECT_EQ(l[0].name, "Intro");
  EXPECT_TRUE(l[0].won && l[0].open);
  EXPECT_EQ(l[0].best_ms, 83000u);
  EXPECT_TRUE(!l[1].won && l[1].open) << "the first level not won may be played";
  EXPECT_FALSE(l[2].open) << "the ones after it are locked";
  Click(300, 195);  // the third line: locked
  EXPECT_EQ(mainmenu->selected_screen, (unsigned)SCREEN_LEVELS);
  const std::string second = l[1].path;
  std::string out = Click(300, 165);
  EXPECT_NE(out.find("limenis ieladets: " + second), std::string::npos) << out;
  EXPECT_EQ(limenis, second);
  progress = Progress();
}

TEST_F(LevelScenario, APauseHoldsTheDiggerTheClocksAndAFuse) {
  Click(178, 546);
  Frames(1);
  ClickWhenReady(mainmenu->bt_close);  // the greeting
  ASSERT_EQ(mainmenu->selected_screen, 0u);
  L1->Spridzinat(9, 3, (int)pirmais->pozx + 200, (int)pirmais->pozy);
  PushEvent(SDL_KEYDOWN, SDLK_SPACE, 0);  // walking
  PushEvent(SDL_KEYDOWN, SDLK_p, 0);
  Frames(1);
  ASSERT_EQ(mainmenu->selected_screen, (unsigned)SCREEN_PAUSED);
  const float x = pirmais->pozx;
  const int battery = pirmais->baterijas;
  const Uint32 levelClock = now - limenja_sakums;
  Frames(50);
  EXPECT_FLOAT_EQ(pirmais->pozx, x);
  EXPECT_EQ(pirmais->baterijas, battery);
  EXPECT_NE(L1->Bumbas[0], nullptr) << "the fuse waits";
  Click(10, 10);  // any click goes on
  EXPECT_EQ(mainmenu->selected_screen, 0u);
  EXPECT_LT(now - limenja_sakums, levelClock + 200) << "the level clock stood still";
  Frames(5);
  EXPECT_EQ(L1->Bumbas[0], nullptr) << "and burns on";
  EXPECT_LT(pirmais->baterijas, battery);
}
