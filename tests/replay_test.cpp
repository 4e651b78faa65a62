// Recorded runs: the file format and its errors, a recording replayed frame for frame, and
// the game refusing a broken run file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
  // Paths that are no run file, and files past the bounds.
  const std::string fifo = MakeTempDir() + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string big = RunFile("");
  ASSERT_EQ(truncate(big.c_str(), IERAKSTA_MAX + 1), 0);
  const std::string longLine =
      RunFile("delvorn-run 1\n# " + std::string(RINDAS_MAX, 'x') + "\nlevel l.cfg\n");
  const std::string fifoLevel = RunFile("delvorn-run 1\nlevel " + fifo + "\n");
  struct {
    std::string path;
    std::string error;  // after "PATH:"
  } paths[] = {
      {"/nonexistent/run.txt", "0: cannot open it: No such file or directory"},
      {"/tmp", "0: it is a folder, not a run file"},
      {"/dev/zero", "0: it is not a plain file (a device, a pipe or a socket)"},
      {fifo, "0: it is not a plain file (a device, a pipe or a socket)"},
      {big, "0: it is larger than 16 MiB, more than any run"},
      {longLine, "2: the line is longer than 4096 characters"},
      {fifoLevel, "2: the level \"" + fifo + "\" is not a plain file"},
  };
  for (auto& k : paths) {
    Ieraksts r;
    std::string error;
    EXPECT_FALSE(LasitIerakstu(k.path, r, error));
    EXPECT_EQ(error, k.path + ":" + k.error);
  }
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

TEST(Replay, AReplayEndsWithItsVerdict) {
  const std::string dir = MakeTempDir();
  const std::string level = dir + "/l.cfg";
  WriteFile(level, "player = { battery = 100; }");
  const std::string shortLevel = dir + "/s.cfg";
  WriteFile(shortLevel, "player = { battery = 1; }");
  const std::string broken = dir + "/b.cfg";
  WriteFile(broken, "level = { ground = nav.png; layer1 = nav.png; layer2 = nav.png; }");
  const std::string head = "delvorn-run 1\nclock 5000\nlevel ";
  struct {
    std::string run;  // a path under the run folder, or the run's text
    int status;
    std::string out;  // the verdict line's start; empty: none
    std::string err;  // part of standard error
  } cases[] = {
      {"map/intro.run", 0, "replay: won map/intro.cfg at frame ", ""},
      {head + shortLevel + "\n200 mouse 1 1 0\n", 2, "replay: lost " + shortLevel + " at frame ",
       ""},
      {head + level + "\n10 mouse 1 1 0\n", 2,
       "replay: unfinished " + level + " at frame 10, battery 99 of 100 s\n", ""},
      {head + level + "\n5 quit\n90 mouse 1 1 0\n", 2, "replay: unfinished " + level + " at frame 5,",
       ""},
      {head + broken + "\n", 1, "", "could not be loaded: nav.png: cannot be opened"},
      {head + "map/nowhere.cfg\n", 1, "", ":3: the level \"map/nowhere.cfg\" cannot be opened\n"},
  };
  for (auto& k : cases) {
    const std::string path =
        k.run.find('\n') == std::string::npos ? DELVORN_BIN_DIR "/" + k.run : RunFile(k.run);
    SCOPED_TRACE(path);
    RunResult r = RunProgram(std::string(DELVORN_BIN_DIR) + "/delvorn", {},
                             {"SDL_VIDEODRIVER=dummy", "DELVORN_REPLAY=" + path}, "/tmp");
    EXPECT_EQ(r.status, k.status) << r.err;
    const size_t at = r.out.find("replay: ");
    const size_t length = k.out.empty() ? std::string::npos : k.out.size();
    const std::string verdict = at == std::string::npos ? "" : r.out.substr(at, length);
    EXPECT_EQ(verdict, k.out) << r.out;
    EXPECT_NE(r.err.find(k.err), std::string::npos) << r.err;
    if (k.status == 1) {
      EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
  }
}
