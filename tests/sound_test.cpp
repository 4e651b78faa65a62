// The sounds the events of play start, through the sound module's counts with a real mixer on
// SDL's dummy audio driver; and a game without an audio device plays on silently.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/skana.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

using Pk = PakuMenedzeris::Pk;

class Sounds : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
    // Open ground and nothing else, so that every event is the test's own.
    const std::string dir = MakeTempDir();
    SDL_Surface* open = NewSurface(800, 600, 0);
    SaveBmp(open, dir + "/f.bmp");
    SDL_FreeSurface(open);
    level = dir + "/l.cfg";
    WriteFile(level, "level = { ground = " + dir + "/f.bmp; layer1 = " + dir + "/f.bmp; layer2 = " +
                         dir + "/f.bmp; } player = { posx = 300; posy = 300; battery = 100; }");
    argv[2] = &level[0];
    StartPastIntro(c, 3, argv);
    InstallFakeSeam(2);
    ASSERT_TRUE(spele_palaista);
    mainmenu->selected_screen = 0;
  }
  void TearDown() override { EndGame(c); }
  void Frames(int n) {
    testing::internal::CaptureStdout();
    for (int k = 0; k < n && c.done == 0; k++) Kadrs(c);
    testing::internal::GetCapturedStdout();
  }

 public:
  void Touch(unsigned cls, unsigned value) {
    Pk* pk = c.paku_mgr->PievienotPaku(new Pk);
    pk->klasses_id = cls;
    pk->vertiba = value;
    KrustoSpeletaju(pk, c.paku_mgr);
  }

 protected:
  std::string level;
  char arg0[8] = "delvorn", arg1[2] = "0";
  char* argv[4] = {arg0, arg1, NULL, NULL};
  SpelesCikls c{};
};

}  // namespace

TEST_F(Sounds, EachEventStartsItsSound) {
  ASSERT_TRUE(skanas.atverta) << "the mixer opens on the dummy driver";
  struct {
    const char* event;
    std::function<void(Sounds&)> act;
    Skana sound;
  } cases[] = {
      {"spade",
       [](Sounds&) {
         pirmais->inv2.aktiva_lieta = 1;
         pirmais->Rakt();
       },
       SK_LAPSTA},
      {"pick",
       [](Sounds&) {
         pirmais->inv2.aktiva_lieta = 2;
         pirmais->Rakt();
       },
       SK_CIRTNIS},
      {"pneumatic",
       [](Sounds&) {
         pirmais->inv2.aktiva_lieta = 3;
         pirmais->Rakt();
       },
       SK_PNEIMO},
      {"fuse", [](Sounds&) { L1->Spridzinat(4, 30, 700, 500); }, SK_DEGLS},
      {"dynamite", [](Sounds&) { L1->Spridzinat(4, 1, 700, 500); }, SK_SPRADZIENS},
      {"Semtex", [](Sounds&) { L1->Spridzinat(9, 1, 700, 500); }, SK_SEMTEX},
      {"explosive taken", [](Sounds& t) { t.Touch(5, 1); }, SK_PACELT},
      {"kit",
       [](Sounds& t) {
         pirmais->Veseliba = 50;
         t.Touch(20, 25);
       },
       SK_APTIEKA},
      {"battery", [](Sounds& t) { t.Touch(32, 90); }, SK_BATERIJA},
      {"control point", [](Sounds& t) { t.Touch(31, 0); }, SK_KONTROLPUNKTS},
      {"won", [](Sounds& t) { t.Touch(30, 0); }, SK_UZVARA},
      {"blast nearby",
       [](Sounds&) { L1->Spridzinat(4, 1, (int)pirmais->pozx + 21, (int)pirmais->pozy + 11); },
       SK_SAP_SPRAD},
      {"poison",
       [](Sounds&) {
         L1->RakstitSietu((int)pirmais->pozx + 11, (int)pirmais->pozy + 11, ArZonu(0, 50));
       },
       SK_SAP_INDE},
      {"walking", [](Sounds&) { PushEvent(SDL_KEYDOWN, SDLK_SPACE, 0); }, SK_SOLIS},
      {"last seconds", [](Sounds&) { pirmais->baterijas = 9000; }, SK_PIKST},
      {"death", [](Sounds&) { pirmais->Veseliba = 0; }, SK_NAVE},
      {"dark lamp", [](Sounds&) { pirmais->baterijas = 1; }, SK_TUMSA},
      {"lost", [](Sounds&) { pirmais->Veseliba = 0; }, SK_ZAUDETS},
  };
  for (auto& k : cases) {
    SCOPED_TRACE(k.event);
    // Each from a fresh level: a lost level or a blast leaves its mark.
    delete L1->Bumbas[0];
    L1->Bumbas[0] = NULL;
    IeladetSpelei(c, level);
    pirmais->inv2.IevietotLietu(2, 1, false);
    pirmais->inv2.IevietotLietu(3, 1, false);
    const int before = skanas.sakumi[k.sound];
    k.act(*this);
    Frames(3);
    EXPECT_EQ(skanas.sakumi[k.sound], before + 1);
  }
  // No event sounds twice in one frame; the next frame it may again.
  const int before = skanas.sakumi[SK_PACELT];
  Skanet(SK_PACELT);
  Skanet(SK_PACELT);
  EXPECT_EQ(skanas.sakumi[SK_PACELT], before + 1);
  Frames(1);
  Skanet(SK_PACELT);
  EXPECT_EQ(skanas.sakumi[SK_PACELT], before + 2);
}

TEST(SoundsWithoutADevice, TheGamePlaysOnSilently) {
  RunResult r = RunProgram(std::string(DELVORN_BIN_DIR) + "/delvorn", {},
                           {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=nosuchdriver",
                            "DELVORN_REPLAY=" DELVORN_BIN_DIR "/map/intro.run"},
                           "/tmp");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("delvorn: no sound ("), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("replay: won"), std::string::npos) << r.out;
}
