// The launcher's process start for real: a recording stand-in for the game in a temporary
// run folder, started with the launcher's command lines.
#include <errno.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "launcher/palaidejs.h"
#include "launcher/platforma.h"
#include "tests/support/testutil.h"

namespace {

// Runs in `bin`; waits (bounded) for the test's go-ahead, so a launcher that waited for
// its game would make it write "late" instead of "go".
const char* IERAKSTITAJS =
    "#!/bin/sh\n"
    "i=0\n"
    "while [ ! -e ../go ] && [ $i -lt 500 ]; do sleep 0.02; i=$((i+1)); done\n"
    "{ echo \"TAG $#:$*\"; pwd; if [ -e ../go ]; then echo go; else echo late; fi; } > rec.tmp\n"
    "mv rec.tmp rec.txt\n";

void Skripts(const std::string& cels, const std::string& tag) {
  std::string s = IERAKSTITAJS;
  s.replace(s.find("TAG"), 3, tag);
  WriteFile(cels, s);
  chmod(cels.c_str(), 0755);
}

std::string Lasit(const std::string& cels) {
  std::ifstream f(cels);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

// Bounded wait for the stand-in's record; empty when it never came.
std::string GaiditIerakstu(const std::string& cels) {
  for (int i = 0; i < 1000; i++) {
    if (access(cels.c_str(), F_OK) == 0) return Lasit(cels);
    usleep(20000);
  }
  return "";
}

bool IrBerni() {
  errno = 0;
  return !(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
}

// Runs the platform's start from inside `mape`, as the launcher runs from its run folder.
void SaktNo(const std::string& mape, const std::string& rinda) {
  char vecais[PATH_MAX];
  ASSERT_NE(nullptr, getcwd(vecais, sizeof vecais));
  ASSERT_EQ(0, chdir(mape.c_str()));
  std::unique_ptr<Platforma> p(JaunaPlatforma(nullptr));
  p->SaktProcesu(rinda, "bin");
  ASSERT_EQ(0, chdir(vecais));
}

std::string RealPath(const std::string& p) {
  char buf[PATH_MAX];
  return realpath(p.c_str(), buf) ? std::string(buf) : p;
}

TEST(LauncherProcess, StartsTheGameInBinWithTheFullScreenArgumentWithoutWaiting) {
  struct {
    bool pilna;
    const char* gaidits;
  } const gadijumi[] = {{true, "1:1"}, {false, "1:0"}};
  for (const auto& g : gadijumi) {
    SCOPED_TRACE(g.gaidits);
    std::string t = RealPath(MakeTempDir());
    ASSERT_EQ(0, mkdir((t + "/bin").c_str(), 0755));
    Skripts(t + "/bin/delvorn", "linux");
    SaktNo(t, KomandrindaSpelei(g.pilna));
    EXPECT_FALSE(IrBerni()) << "the launcher left a child behind";
    WriteFile(t + "/go", "");
    EXPECT_EQ(std::string("linux ") + g.gaidits + "\n" + t + "/bin\ngo\n",
              GaiditIerakstu(t + "/bin/rec.txt"));
  }
}

TEST(LauncherProcess, TheNamedProgramWinsOverTheOneWithoutExe) {
  std::string t = RealPath(MakeTempDir());
  ASSERT_EQ(0, mkdir((t + "/bin").c_str(), 0755));
  Skripts(t + "/bin/delvorn", "linux");
  Skripts(t + "/bin/delvorn.exe", "exe");
  WriteFile(t + "/go", "");
  SaktNo(t, KomandrindaSpelei(true));
  EXPECT_EQ("exe 1:1\n" + t + "/bin\ngo\n", GaiditIerakstu(t + "/bin/rec.txt"));
  EXPECT_FALSE(IrBerni());
}

TEST(LauncherProcess, BrokenRunFoldersStartNothingAndFailQuietly) {
  struct {
    const char* nosaukums;
    int bin;  // 0 none, 1 an empty folder, 2 a plain file named bin
  } const gadijumi[] = {
      {"no bin folder", 0},
      {"empty bin folder", 1},
      {"bin is a file", 2},
  };
  for (const auto& g : gadijumi) {
    SCOPED_TRACE(g.nosaukums);
    std::string t = RealPath(MakeTempDir());
    if (g.bin == 1) {
      ASSERT_EQ(0, mkdir((t + "/bin").c_str(), 0755));
    }
    if (g.bin == 2) WriteFile(t + "/bin", "");
    testing::internal::CaptureStderr();
    SaktNo(t, KomandrindaSpelei(false));
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_FALSE(IrBerni());
  }
}

}  // namespace
