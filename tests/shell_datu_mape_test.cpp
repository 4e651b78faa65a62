// Where the game finds its data (run folder, installed layout), and --help / --version.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "shell/datu_mape.h"
#include "shell/palidziba.h"
#include "tests/support/testutil.h"

namespace {

void MakeDirs(const std::string& path) {
  for (size_t i = 1; i <= path.size(); i++)
    if (i == path.size() || path[i] == '/') mkdir(path.substr(0, i).c_str(), 0755);
}

// A data folder: the first font (a file or a link to one) and map/.
void DataIn(const std::string& dir, bool font, bool map) {
  MakeDirs(dir);
  if (font) WriteFile(dir + "/dustismo_bold.ttf", "font");
  if (map) MakeDirs(dir + "/map");
}

std::string Cwd() {
  char buf[4096];
  return getcwd(buf, sizeof buf) ? buf : "";
}

}  // namespace

TEST(DatuMape, TheWorkingFolderThenTheProgramsThenTheInstalledOne) {
  // Each case lays out one prefix: `work` is the working folder, `prog` the program's.
  struct Case {
    const char* name;
    bool workFont, workMap;  // the working folder
    bool progFont, progMap;  // the program's folder
    bool instFont, instMap;  // the installed data folder beside the program
    const char* expected;    // "work", "prog", "inst" or ""
  } cases[] = {
      {"run folder, started in it", true, true, true, true, false, false, "work"},
      {"run folder, started elsewhere", false, false, true, true, false, false, "prog"},
      {"installed, started anywhere", false, false, false, false, true, true, "inst"},
      // The launcher starts the game in its bin/, which holds a font link for its labels.
      {"installed, started by the launcher", true, false, false, false, true, true, "inst"},
      {"a data folder elsewhere is not needed", true, true, false, false, true, true, "work"},
      {"installed data without map/", false, false, false, false, true, false, ""},
      {"installed data without fonts", false, false, false, false, false, true, ""},
      {"nothing anywhere", false, false, false, false, false, false, ""},
  };
  std::string before = Cwd();
  for (const Case& k : cases) {
    std::string root = MakeTempDir();
    std::string work = root + "/work", prog = root + "/prefix/games";
    std::string inst = root + "/prefix/games/" + DATU_CELS_NO_PROGRAMMAS;
    DataIn(work, k.workFont, k.workMap);
    DataIn(prog, k.progFont, k.progMap);
    MakeDirs(inst);
    DataIn(inst, k.instFont, k.instMap);
    ASSERT_EQ(chdir(work.c_str()), 0);
    std::string got = AtrastDatuMapi(prog);
    std::string want = std::string(k.expected) == "work"   ? "."
                       : std::string(k.expected) == "prog" ? prog
                       : std::string(k.expected) == "inst" ? "inst"
                                                           : "";
    if (want == "inst") {
      // Named without the ".." steps, as --help shows it.
      EXPECT_EQ(got.find(".."), std::string::npos) << k.name << ": " << got;
      struct stat a, b;
      ASSERT_EQ(stat(inst.c_str(), &a), 0);
      ASSERT_EQ(stat(got.c_str(), &b), 0) << k.name << ": " << got;
      EXPECT_TRUE(a.st_ino == b.st_ino && a.st_dev == b.st_dev) << k.name << ": " << got;
    } else {
      EXPECT_EQ(got, want) << k.name;
    }
  }
  ASSERT_EQ(chdir(before.c_str()), 0);
}

TEST(DatuMape, AFontLinkThatLeadsNowhereIsNoData) {
  std::string dir = MakeTempDir();
  MakeDirs(dir + "/map");
  ASSERT_EQ(symlink("/nonexistent/dustismo_bold.ttf", (dir + "/dustismo_bold.ttf").c_str()), 0);
  EXPECT_FALSE(IrDatuMape(dir));
  std::string font = MakeTempDir() + "/font.ttf";
  WriteFile(font, "font");
  ASSERT_EQ(unlink((dir + "/dustismo_bold.ttf").c_str()), 0);
  ASSERT_EQ(symlink(font.c_str(), (dir + "/dustismo_bold.ttf").c_str()), 0);
  EXPECT_TRUE(IrDatuMape(dir));
}

TEST(Palidziba, OnlyAFirstArgumentOfHelpOrVersionAsksForText) {
  struct {
    std::vector<const char*> args;
    bool asks;
  } cases[] = {
      {{"delvorn"}, false},
      {{"delvorn", "--help"}, true},
      {{"delvorn", "--version"}, true},
      {{"delvorn", "--help", "map/intro.cfg"}, true},
      {{"delvorn", "0", "--help"}, false},  // a level path, however odd
      {{"delvorn", "1"}, false},
      {{"delvorn", "-h"}, false},
      {{"delvorn", "--helpx"}, false},
      {{"delvorn", "--"}, false},
  };
  for (auto& k : cases) {
    std::vector<char*> argv;
    for (const char* a : k.args) argv.push_back(const_cast<char*>(a));
    argv.push_back(nullptr);
    EXPECT_EQ(PrasaPalidzibu((int)k.args.size(), argv.data()), k.asks) << k.args.back();
  }
}

TEST(Palidziba, TheProgramAnswersWithoutADisplayAndNamesItsDataFolder) {
  std::string game = std::string(DELVORN_BIN_DIR) + "/delvorn";
  // Neither a display nor a video driver: any window or SDL start would fail with status 1.
  std::vector<std::string> noDisplay = {"DISPLAY=", "SDL_VIDEODRIVER="};
  RunResult help = RunProgram(game, {"--help"}, noDisplay, "/");
  EXPECT_EQ(help.status, 0) << help.err;
  EXPECT_EQ(help.out.rfind("Usage: delvorn [--scale N] [--mute] [FULLSCREEN [LEVEL [JOYSTICK]]]\n", 0), 0u) << help.out;
  EXPECT_NE(help.out.find("the data folder is " DELVORN_BIN_DIR ".\n"), std::string::npos)
      << help.out;
  EXPECT_EQ(help.err, "");

  RunResult version = RunProgram(game, {"--version"}, noDisplay, "/");
  EXPECT_EQ(version.status, 0) << version.err;
  EXPECT_TRUE(testing::internal::RE::FullMatch(
      version.out, "delvorn [0-9]+\\.[0-9]+\\.[0-9]+\nSDL 1\\.2\\.[0-9]+, SDL_ttf [0-9.]+, "
                   "SDL_image [0-9.]+\n"))
      << version.out;
  // Help ends with the same version lines.
  EXPECT_EQ(help.out.substr(help.out.size() - version.out.size()), version.out);
}
