// Every shipped level can still be won: its recorded winning run, replayed headless on the
// run's fixed-step clock from the level's start, reaches the level-won panel.
#include <gtest/gtest.h>
#include <unistd.h>


#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ieraksts.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

class WinningRun : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(WinningRun, ReachesTheLevelWonPanel) {
  if (GetParam() == "none") GTEST_SKIP() << "no levels shipped";
  ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
  const std::string runPath = "map/" + GetParam() + ".run";
  Ieraksts run;
  std::string error;
  ASSERT_TRUE(LasitIerakstu(runPath, run, error)) << error;
  EXPECT_EQ(run.limenis, "map/" + GetParam() + ".cfg") << "the run plays its own level";
  char arg0[] = "delvorn", arg1[] = "0";
  std::vector<char> level(run.limenis.begin(), run.limenis.end());
  level.push_back(0);
  char* argv[] = {arg0, arg1, level.data(), NULL};
  SpelesCikls c;
  StartPastIntro(c, 3, argv);
  ASSERT_EQ(mainmenu->selected_screen, 0u) << "the level loads";
  atskanotajs.SaktAtskanot(run, false);
  const unsigned last = run.rindas.empty() ? 0 : run.rindas.back().kadrs;
  unsigned frame = 0;
  testing::internal::CaptureStdout();
  while (c.done == 0 && mainmenu->selected_screen != 4 && frame <= last + 250) {
    Kadrs(c);
    frame++;
  }
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(mainmenu->selected_screen, 4u)
      << "after " << frame << " frames the screen is " << mainmenu->selected_screen
      << " with \"" << mainmenu->text << "\"";
  atskanotajs.Beigt();
  Beigt(c);
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, WinningRun, ::testing::ValuesIn(ShippedLevels()),
                         [](const testing::TestParamInfo<std::string>& i) { return i.param; });
