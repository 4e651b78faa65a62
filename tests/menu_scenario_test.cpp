// The menus in the real frame loop, headless on a fake clock: the intro plays to its end
// (or to a closed window), the main menu's exit ends the loop, Escape opens the menu in
// play and continue returns only to a running game.
#include <gtest/gtest.h>
#include <unistd.h>

#include "digger/racejs.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

Uint32 now = 0;
Uint32 quitAt = 0;  // a window closed at this time, 0 never
int mouseX = 0, mouseY = 0;

// Every reading moves the clock 20 ms, so the intro loop (which never sleeps) runs on.
Uint32 Now() {
  now += 20;
  if (quitAt && now >= quitAt) {
    quitAt = 0;
    SDL_Event e = {};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
  }
  return now;
}
void Sleep(Uint32 ms) { now += ms; }
Uint8 Mouse(int* x, int* y) {
  *x = mouseX;
  *y = mouseY;
  return 0;
}

class MenuScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
    now = 0;
    ierices.Tagad = Now;
    ierices.Gulet = Sleep;
    ierices.Pele = Mouse;
  }
  void TearDown() override { EndGame(c); }
  void Start() {
    static char arg0[] = "delvorn";
    char* argv[] = {arg0, NULL};
    testing::internal::CaptureStdout();
    Sakt(c, 1, argv);
    testing::internal::GetCapturedStdout();
  }
  void Frames(int n) {
    for (int k = 0; k < n && c.done == 0; k++) Kadrs(c);
  }
  void ClickAt(int x, int y) {
    mouseX = x;
    mouseY = y;
    PushEvent(SDL_MOUSEMOTION, 0, 0);
    PushEvent(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT);
    PushEvent(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_LEFT);
  }
  SpelesCikls c{};
};

}  // namespace

TEST_F(MenuScenario, TheIntroPlaysToItsEndThenTheMenuExitEndsTheLoop) {
  Start();
  // Five holds of 1.2 s and five fades of 2 s.
  EXPECT_GE(now, 16000u);
  EXPECT_EQ(c.done, 0);
  ASSERT_EQ(mainmenu->selected_screen, 1u);
  Frames(3);
  EXPECT_EQ(mainmenu->selected_screen, 1u);
  ClickAt(650, 540);  // "Iziet"
  int frames = 0;
  while (c.done == 0 && frames < 10) {
    Kadrs(c);
    frames++;
  }
  EXPECT_EQ(frames, 1);
  EXPECT_EQ(c.done, 1);
  EXPECT_EQ(Beigt(c), 0);
  EXPECT_EQ(mainmenu, nullptr);
}

TEST_F(MenuScenario, AClosedWindowEndsTheIntroAndTheProgram) {
  quitAt = 3000;
  Start();
  EXPECT_LT(now, 4000u) << "the intro stopped at the close";
  EXPECT_EQ(c.done, 1);
  EXPECT_EQ(Beigt(c), 0);
}

TEST_F(MenuScenario, EscapeOpensTheMenuAndContinueReturnsOnlyToARunningGame) {
  Start();
  // No game yet: continue does nothing.
  ClickAt(300, 540);
  Frames(2);
  EXPECT_EQ(mainmenu->selected_screen, 1u);
  // A running game: Escape opens the menu on release only; continue goes back.
  mainmenu->selected_screen = 0;
  mainmenu->action = 0;
  spele_palaista = true;
  pirmais->baterijas = pirmais->baterijas_laiks = 100000;
  PushEvent(SDL_KEYDOWN, SDLK_ESCAPE, 0);
  Frames(2);
  EXPECT_EQ(mainmenu->selected_screen, 0u) << "held, not yet released";
  PushEvent(SDL_KEYUP, SDLK_ESCAPE, 0);
  Frames(1);
  EXPECT_EQ(mainmenu->selected_screen, 1u);
  EXPECT_EQ(mainmenu->action, 1u);
  ClickAt(300, 540);  // "Turpinat"
  Frames(1);
  EXPECT_EQ(mainmenu->selected_screen, 0u);
  EXPECT_EQ(mainmenu->action, 0u);
}

TEST_F(MenuScenario, ALevelThatDoesNotLoadShowsTheMenuWithAPanel) {
  static char arg0[] = "delvorn", arg1[] = "0", arg2[] = "map/nowhere.cfg";
  char* argv[] = {arg0, arg1, arg2, NULL};
  spele_palaista = false;  // as the program starts
  limenis = "map/intro.cfg";
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  Sakt(c, 3, argv);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "delvorn: the level \"map/nowhere.cfg\" could not be loaded: cannot open it: No "
            "such file or directory\n");
  Frames(2);
  ASSERT_EQ(mainmenu->selected_screen, 3u);
  EXPECT_EQ(limenis, "map/intro.cfg") << "a new game still starts the first level";
  // The menu's own picture stands behind the panel, not the empty field.
  SDL_Surface* menu = mainmenu->bgi_main.img.normal;
  ASSERT_NE(menu, nullptr);
  SDL_LockSurface(screen);
  SDL_LockSurface(menu);
  EXPECT_EQ(PixelAt(screen, 20, 20) & 0xFFFFFF, PixelAt(menu, 20, 20) & 0xFFFFFF);
  SDL_UnlockSurface(menu);
  SDL_UnlockSurface(screen);
  Frames(15);    // past the panel's pause
  ClickAt(400, 420);  // its close button, in the middle with no digger to avoid
  Frames(2);
  EXPECT_EQ(mainmenu->selected_screen, 1u);
  ClickAt(180, 545);  // "Jauna spele"
  testing::internal::CaptureStdout();
  Frames(2);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("limenis ieladets: map/intro.cfg"),
            std::string::npos);
  EXPECT_TRUE(spele_palaista);
}
