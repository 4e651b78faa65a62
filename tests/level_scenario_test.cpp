// The shipped first levels in the real frame loop, headless on a fake clock: a new game from
// the menu, a control point's message and its close button, the exit's panel and the next
// level, a lamp that runs out and the restart.
#include <gtest/gtest.h>
#include <unistd.h>

#include "digger/racejs.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
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
    if (!message.empty()) {
      ASSERT_EQ(mainmenu->selected_screen, 3u) << message;
      EXPECT_EQ(mainmenu->text, message);
      Click(400, 420);  // "Aizvert"
      EXPECT_EQ(mainmenu->selected_screen, 0u);
    }
  }
  exit = FirstOfClass(30);
  ASSERT_NE(exit, nullptr);
  Touch(exit);
  Frames(1);
  ASSERT_EQ(mainmenu->selected_screen, 4u);
  const std::string next = nakamais_limenis;
  EXPECT_FALSE(next.empty());
  out = Click(400, 395);  // "Talak"
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
  pirmais->baterijas = 60;  // 60 ms left: this fake clock's frames take 4 and 40 ms in turn
  Frames(5);
  ASSERT_EQ(mainmenu->selected_screen, 5u);
  EXPECT_EQ(mainmenu->text, TUMSAS_ZINJA);
  EXPECT_FALSE(spele_palaista);
  std::string out = Click(400, 395);  // "Parspelet"
  EXPECT_NE(out.find("limenis ieladets: map/intro.cfg\n"), std::string::npos) << out;
  EXPECT_EQ(mainmenu->selected_screen, 0u);
  EXPECT_TRUE(spele_palaista);
  EXPECT_FLOAT_EQ(pirmais->pozx, startX);
  EXPECT_GT(pirmais->baterijas, 1000);
}
