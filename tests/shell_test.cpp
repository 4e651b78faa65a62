// The shell headless: start-up lines and failures, frames, the quit event and pacing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

// A run folder of its own: the fonts from the build's, a synthetic placeholder field.
std::string RunFolder(bool dustismo, bool hlth, int fieldW, int fieldH) {
  std::string dir = MakeTempDir();
  std::string bin = DELVORN_BIN_DIR;
  if (dustismo) {
    CopyFile(bin + "/dustismo_bold.ttf", dir + "/dustismo_bold.ttf");
    CopyFile(bin + "/dustismo_bold.TTF", dir + "/dustismo_bold.TTF");
  }
  if (hlth) CopyFile(bin + "/hlth.ttf", dir + "/hlth.ttf");
  if (fieldW > 0) {
    mkdir((dir + "/map").c_str(), 0755);
    SDL_Surface* pic = NewSurface(fieldW, fieldH, 0);
    for (int y = 0; y < fieldH; y++)
      for (int x = 0; x < fieldW; x++) PixelAt(pic, x, y) = (Uint32)((x * 7 + y * 3) & 0xFFFFFF);
    SaveBmp(pic, dir + "/map/pamats1.bmp");
    SDL_FreeSurface(pic);
  }
  return dir;
}

// The fake clock: each mouse read is 5 ms of work (a frame in play reads it twice); each
// sleep advances the clock.
Uint32 fakeNow = 0;
std::vector<Uint32> sleeps;
Uint32 FakeNow() { return fakeNow; }
void FakeSleep(Uint32 ms) {
  sleeps.push_back(ms);
  fakeNow += ms;
}
Uint8 FakeMouse(int* x, int* y) {
  fakeNow += 5;
  *x = 400;
  *y = 300;
  return 0;
}

char arg0[] = "delvorn";

// Start-up in a folder with the fake clock and mouse in the seam; its lines are dropped.
bool StartOnFakeClock(SpelesCikls& c, const std::string& dir) {
  if (chdir(dir.c_str()) != 0) return false;
  ierices.Tagad = FakeNow;
  ierices.Gulet = FakeSleep;
  ierices.Pele = FakeMouse;
  char* argv[] = {arg0, NULL};
  StartPastIntro(c, 1, argv);
  fakeNow = 0;
  // As if a game runs with a charged lamp: no menu reads the mouse, nothing is lost.
  mainmenu->selected_screen = 0;
  pirmais->baterijas = 100000;
  pirmais->baterijas_laiks = 100000;
  return true;
}

void StartIn(const std::string& dir) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);  // a fatal message must never wait for a dialog here
  if (chdir(dir.c_str()) != 0) exit(99);
  char* argv[] = {arg0, NULL};
  SpelesCikls c;
  Sakt(c, 1, argv);
  exit(0);
}

}  // namespace

TEST(ShellStart, WritesTheTitleBoxThenSaaktAndTheArgumentCount) {
  ASSERT_EQ(chdir(RunFolder(true, true, 800, 600).c_str()), 0);
  char* argv[] = {arg0, NULL};
  SpelesCikls c;
  std::string out = StartPastIntro(c, 1, argv);
  std::string rule = "+" + std::string(45, '-') + "+\n";
  std::string title = "|" + std::string(18, ' ') + "Delvorn" + std::string(20, ' ') + "|\n";
  EXPECT_EQ(out, rule + title + rule + "saakt\n1\n");

  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->w, 800);
  EXPECT_EQ(screen->h, 600);
  EXPECT_EQ(screen->format->BitsPerPixel, 32);
  char* caption = NULL;
  SDL_WM_GetCaption(&caption, NULL);
  EXPECT_STREQ(caption, "Delvorn");
  EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), 0);
  EXPECT_NE(font, nullptr);
  EXPECT_NE(font2, nullptr);
  EXPECT_NE(hfont, nullptr);
  EXPECT_EQ(c.gaidit, 40);
  EXPECT_EQ(c.done, 0);
  EXPECT_FALSE(c.dzoistiks_ir);
  // The first full redraw shows the placeholder field.
  EXPECT_EQ(PixelAt(screen, 123, 45) & 0xFFFFFF, (Uint32)((123 * 7 + 45 * 3) & 0xFFFFFF));
  EXPECT_EQ(EndGame(c), 0);
}

TEST(ShellStart, ArgumentsSetTheJoystickFlagAndTheLevelPath) {
  ASSERT_EQ(chdir(RunFolder(true, true, 800, 600).c_str()), 0);
  WriteFile("map/cits.cfg", "player = { }");  // the path is taken when its level loads
  char a1[] = "0", a2[] = "map/cits.cfg", a3[] = "1";
  char* argv[] = {arg0, a1, a2, a3, NULL};
  SpelesCikls c;
  testing::internal::CaptureStdout();
  Sakt(c, 4, argv);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("saakt\n4\n"), std::string::npos);
  EXPECT_TRUE(c.dzoistiks_ir);
  EXPECT_EQ(limenis, "map/cits.cfg");
  EXPECT_EQ(EndGame(c), 0);
}

TEST(ShellStartDeathTest, MissingPicturesAndFontsEndTheProgram) {
  struct {
    const char* name;
    bool dustismo, hlth;
    int w, h;
    int status;
    const char* message;
  } cases[] = {
      {"no fonts", false, false, 800, 600, 1, "dustismo_bold\\.ttf"},
      {"no health font", true, false, 800, 600, 1, "Probleema ar hlth\\.ttf: "},
      {"no field picture", true, true, 0, 0, 3, "map/pamats1\\.bmp"},
      {"field picture too small", true, true, 640, 480, 3, "map/pamats1\\.bmp"},
  };
  for (auto& k : cases) {
    std::string dir = RunFolder(k.dustismo, k.hlth, k.w, k.h);
    EXPECT_EXIT(StartIn(dir), testing::ExitedWithCode(k.status), k.message) << k.name;
  }
}

TEST(ShellFrames, SleepsFortyLessTheMeasuredFrameAndEndsOnQuit) {
  SpelesCikls c;
  ASSERT_TRUE(StartOnFakeClock(c, RunFolder(true, true, 800, 600)));
  int frames = 0;
  while (c.done == 0 && frames < 100) {
    if (frames == 6) {
      SDL_Event quit;
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
    Kadrs(c);
    frames++;
  }
  EXPECT_EQ(frames, 7) << "the frame that sees the quit event still finishes";
  EXPECT_EQ(c.done, 1);
  // 10 ms of work a frame: measured 10, 40, 10, 40, ... so the sleeps alternate.
  std::vector<Uint32> expected = {30, 0, 30, 0, 30, 0, 30};
  EXPECT_EQ(sleeps, expected);
  EXPECT_EQ(EndGame(c), 0);
}

TEST(ShellFrames, ALongFrameIsFollowedByNoSleep) {
  SpelesCikls c;
  ASSERT_TRUE(StartOnFakeClock(c, RunFolder(true, true, 800, 600)));
  fakeNow = 5000;  // the first frame measures from time 0 of the clock
  Kadrs(c);
  EXPECT_EQ(c.laiks, 5010);
  EXPECT_EQ(c.gaidit, 0);
  Kadrs(c);
  EXPECT_EQ(c.laiks, 10);
  EXPECT_EQ(c.gaidit, 30);
  EXPECT_EQ(EndGame(c), 0);
}

TEST(ShellProcess, RunsFromAnyFolderAndWithoutADisplayFailsClearly) {
  std::string game = std::string(DELVORN_BIN_DIR) + "/delvorn";
  if (access((std::string(DELVORN_BIN_DIR) + "/map/pamats1.bmp").c_str(), R_OK) != 0)
    GTEST_SKIP() << "the run folder has no placeholder field yet";
  // No display at all: the start-up failure of the graphics library, with status 1.
  RunResult none = RunProgram(game, {}, {"DISPLAY=", "SDL_VIDEODRIVER="}, "/");
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("Couldn't initialize SDL: no display found"), std::string::npos)
      << none.err;
  // Started from another folder it finds its data; SDL turns SIGTERM into the quit event,
  // so the program ends through its frame loop with status 0.
  RunResult run = RunProgram("/usr/bin/timeout", {"--preserve-status", "-s", "TERM", "2", game},
                             {"SDL_VIDEODRIVER=dummy"}, "/tmp");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("saakt\n1\n"), std::string::npos) << run.out;
}
