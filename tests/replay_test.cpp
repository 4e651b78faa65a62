// Recorded runs: the file format and its errors, a recording replayed frame for frame, and
// the game refusing a broken run file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

#include "digger/racejs.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ieraksts.h"
#include "shell/ierices.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

std::string RunFile(const std::string& text) {
  static std::string dir = MakeTempDir();
  static int n = 0;
  std::string path = dir + "/run" + std::to_string(n++) + ".txt";
  WriteFile(path, text);
  return path;
}

}  // namespace

TEST(Replay, RunFileFormatAndItsErrors) {
  ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
  WriteFile("replay-test-level.cfg", "player = { }");
  struct {
    const char* text;
    const char* error;  // after "FILE:"; empty when the file reads
    size_t lines;
  } cases[] = {
      {"delvorn-run 1\nlevel replay-test-level.cfg\nclock 5000\n# a comment\n0 mouse 10 20 1\n"
       "0 press 1\n3 release 1\n4 keydown space\n4 keyup 32\n9 quit   # the end\n",
       "", 6},
      {"", "0: the file is empty", 0},
      {"delvorn-run 2\n", "1: the first line must be \"delvorn-run 1\"", 0},
      {"delvorn-run 1\nclock 5\n", "2: no \"level\" line", 0},
      {"delvorn-run 1\nlevel nowhere.cfg\n", "2: the level \"nowhere.cfg\" cannot be opened", 0},
      {"delvorn-run 1\nlevel replay-test-level.cfg\n3 jump\n", "3: unknown event \"jump\"", 0},
      {"delvorn-run 1\nlevel replay-test-level.cfg\nx press 1\n",
       "3: a frame number or a known word expected", 0},
      {"delvorn-run 1\nlevel replay-test-level.cfg\n3 mouse 1 2\n", "3: mouse needs X Y BUTTONS", 0},
      {"delvorn-run 1\nlevel replay-test-level.cfg\n3 keydown banana\n",
       "3: keydown needs a key name or number", 0},
      {"delvorn-run 1\nlevel replay-test-level.cfg\n5 press 1\n4 release 1\n",
       "4: frame numbers must not go backwards", 0},
      {"delvorn-run 1\nlevel replay-test-level.cfg\n5 press 1 2\n",
       "3: unexpected \"2\" at the end of the line", 0},
      {"delvorn-run 1\nlevel replay-test-level.cfg\n-5 press 1\n",
       "3: a frame number or a known word expected", 0},
  };
  for (auto& k : cases) {
    const std::string path = RunFile(k.text);
    Ieraksts r;
    std::string error;
    const bool ok = LasitIerakstu(path, r, error);
    EXPECT_EQ(ok, *k.error == 0) << k.text;
    if (*k.error) {
      EXPECT_EQ(error, path + ":" + k.error);
    } else {
      EXPECT_EQ(r.limenis, "replay-test-level.cfg");
      EXPECT_EQ(r.pulkstenis, 5000u);
      EXPECT_EQ(r.rindas.size(), k.lines);
    }
  }
  Ieraksts r;
  std::string error;
  EXPECT_FALSE(LasitIerakstu("/nonexistent/run.txt", r, error));
  EXPECT_EQ(error, "/nonexistent/run.txt:0: cannot open it: No such file or directory");
  unlink("replay-test-level.cfg");
}

TEST(Replay, ARecordingReplaysFrameForFrame) {
  ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
  // A level of open ground, so that the digger walks where it is sent.
  const std::string dir = MakeTempDir();
  SDL_Surface* open = NewSurface(800, 600, 0);
  SaveBmp(open, dir + "/f.bmp");
  SDL_FreeSurface(open);
  const std::string level = dir + "/l.cfg";
  WriteFile(level, "level = { ground = " + dir + "/f.bmp; layer1 = " + dir + "/f.bmp; layer2 = " +
                       dir + "/f.bmp; } player = { posx = 300; posy = 300; battery = 100; }");
  char arg0[] = "delvorn", arg1[] = "0";
  std::vector<char> arg2(level.begin(), level.end());
  arg2.push_back(0);
  char* argv[] = {arg0, arg1, arg2.data(), NULL};
  SpelesCikls c;
  StartPastIntro(c, 3, argv);
  ASSERT_EQ(mainmenu->selected_screen, 0u);

  // Record: walk (Space), stop with a left release, dig with Shift, open the menu.
  const std::string runPath = dir + "/run.txt";
  ASSERT_TRUE(atskanotajs.SaktRakstit(runPath, level));
  atskanotajs.gulet = false;
  std::vector<float> xs;
  auto Push = [](Uint8 type, int key, Uint8 button) {
    SDL_Event e = {};
    e.type = type;
    e.key.keysym.sym = (SDLKey)key;
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) e.button.button = button;
    SDL_PushEvent(&e);
  };
  for (int f = 0; f < 40; f++) {
    if (f == 2) Push(SDL_KEYDOWN, SDLK_SPACE, 0);
    if (f == 20) Push(SDL_MOUSEBUTTONUP, 0, SDL_BUTTON_LEFT);
    if (f == 25) Push(SDL_KEYDOWN, SDLK_LSHIFT, 0);
    if (f == 35) Push(SDL_KEYUP, SDLK_ESCAPE, 0);
    Kadrs(c);
    xs.push_back(pirmais->pozx);
  }
  const unsigned screen = mainmenu->selected_screen;
  atskanotajs.Beigt();
  EXPECT_EQ(screen, 1u);
  EXPECT_NE(xs[19], xs[1]) << "the digger walked";

  // Replay from the level's start: the same positions frame for frame.
  Ieraksts run;
  std::string error;
  ASSERT_TRUE(LasitIerakstu(runPath, run, error)) << error;
  mainmenu->action = 7;  // reload the level the way restart does
  testing::internal::CaptureStdout();
  Kadrs(c);
  testing::internal::GetCapturedStdout();
  ASSERT_EQ(mainmenu->selected_screen, 0u);
  atskanotajs.SaktAtskanot(run, false);
  for (int f = 0; f < 40; f++) {
    Kadrs(c);
    EXPECT_FLOAT_EQ(pirmais->pozx, xs[f]) << "frame " << f;
  }
  EXPECT_EQ(mainmenu->selected_screen, screen);
  atskanotajs.Beigt();
  Beigt(c);
}

TEST(Replay, TheGameRefusesABrokenRunFileWithOneLine) {
  const std::string path = RunFile("delvorn-run 1\nlevel map/nowhere.cfg\n");
  RunResult r = RunProgram(std::string(DELVORN_BIN_DIR) + "/delvorn", {},
                           {"SDL_VIDEODRIVER=dummy", "DELVORN_REPLAY=" + path}, "/tmp");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "delvorn: " + path + ":2: the level \"map/nowhere.cfg\" cannot be opened\n");
}
