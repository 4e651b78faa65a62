// Level loading, the contact rules, the joystick's angle and the play flow's rules.
#include <gtest/gtest.h>
#include <unistd.h>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "input/Dzoistiks.h"
#include "level/limenis.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "tests/support/testutil.h"

namespace {

Uint32 now = 0;
Uint32 Now() { return now; }

std::string dir;

// A field picture of one colour; masks carry hardness 0 so the digger stands free.
std::string FieldPicture(const std::string& name, int w, int h, Uint32 colour) {
  SDL_Surface* s = NewSurface(w, h, colour);
  std::string path = dir + "/" + name;
  SaveBmp(s, path);
  SDL_FreeSurface(s);
  return path;
}

std::string Level(const std::string& name, const std::string& text) {
  std::string path = dir + "/" + name;
  WriteFile(path, text);
  return path;
}

class Levels : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    OpenTestScreen();
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
    dir = MakeTempDir();
    FieldPicture("a.bmp", 800, 600, 0x000000);
    FieldPicture("b.bmp", 900, 700, 0x000011);
    FieldPicture("c.bmp", 900, 700, 0x222222);
  }
  void SetUp() override {
    ierices.Tagad = Now;
    now = 777;
    L1 = new Laukums(0, 0, (dir + "/a.bmp").c_str(), (dir + "/a.bmp").c_str(),
                     (dir + "/a.bmp").c_str());
    pirmais = new Speletajs(250, 390, 1);
    mainmenu = new MainScreen();
    spele_palaista = false;
    limenja_sakums = 0;
    nakamais_limenis = "keep.cfg";
  }
  void TearDown() override {
    delete mainmenu;
    mainmenu = nullptr;
    delete pirmais;
    pirmais = nullptr;
    delete L1;
    L1 = nullptr;
  }
  bool Load(const std::string& path) {
    testing::internal::CaptureStdout();
    bool ok = IeladetLimeni(path, L1, pirmais, &mgr, nakamais_limenis);
    out = testing::internal::GetCapturedStdout();
    return ok;
  }
  PakuMenedzeris mgr;
  std::string out;
};

}  // namespace

TEST_F(Levels, LoaderKeysDefaultsOrderAndFailures) {
  const std::string pics = "ground = " + dir + "/b.bmp; layer1 = " + dir + "/c.bmp; layer2 = " +
                           dir + "/b.bmp;";
  struct {
    const char* name;
    std::string text;
    bool ok;
    float x, y, health;
    int battery;
    int fieldW;  // the mask's width after the load
    const char* next;
    int objects;
  } cases[] = {
      {"empty player", "player = { }", true, 400, 300, 100, 1000, 800, "keep.cfg", 0},
      {"all keys", "player = { posx = 12; posy = -7; health = 55; battery = 60; }", true, 12,
       -7, 55, 60000, 800, "keep.cfg", 0},
      {"far outside the field", "player = { posx = 2147483647; posy = -2147483648; }", true,
       16777216.0f, -16777216.0f, 100, 1000, 800, "keep.cfg", 0},
      {"battery 0 and text", "player = { battery = 0; health = abc; }", true, 400, 300, 0, 0,
       800, "keep.cfg", 0},
      {"huge battery", "player = { battery = 99999999; }", true, 400, 300, 100, 2147483647,
       800, "keep.cfg", 0},
      {"three pictures", "level = { " + pics + " nextlevel = map/b.cfg; }", true, 250, 390,
       100, 1, 900, "map/b.cfg", 0},
      {"two of three", "level = { ground = " + dir + "/b.bmp; layer1 = " + dir +
       "/c.bmp; nextlevel = n2; }", true, 250, 390, 100, 1, 800, "n2", 0},
      {"several sections", "player = { posx = 1; } player = { posy = 2; } level = { nextlevel = x; }"
       " level = { nextlevel = y; }", true, 400, 2, 100, 1000, 800, "y", 0},
      {"objects too", "images = { s = { image = ui/obj/veseliba.png; frames = 8; } } kit = { "
       "sprite = s; classID = 20; }", true, 250, 390, 100, 1, 800, "keep.cfg", 1},
      {"unbalanced", "player = { posx = 1;", false, 250, 390, 100, 1, 800, "keep.cfg", 1},
      {"empty file", "", false, 250, 390, 100, 1, 800, "keep.cfg", 1},
  };
  for (auto& k : cases) {
    SCOPED_TRACE(k.name);
    TearDown();
    SetUp();
    pirmais->inv2.IevietotLietu(5, 2, false);
    pirmais->inv2.aktiva_lieta = 5;
    mgr.DzestVisu();
    mgr.PievienotPaku(new PakuMenedzeris::Pk);  // the previous level's object
    mainmenu->selected_screen = 3;
    const bool ok = Load(Level("l.cfg", k.text));
    EXPECT_EQ(ok, k.ok);
    EXPECT_FLOAT_EQ(pirmais->pozx, k.x);
    EXPECT_FLOAT_EQ(pirmais->pozy, k.y);
    EXPECT_FLOAT_EQ(pirmais->Veseliba, k.health);
    EXPECT_EQ(pirmais->baterijas, k.battery);
    EXPECT_EQ(pirmais->baterijas_laiks, (unsigned)k.battery);
    EXPECT_EQ(L1->Siets->w, k.fieldW);
    EXPECT_EQ(nakamais_limenis, k.next);
    EXPECT_EQ((int)mgr.pakas.size(), k.objects) << "the old objects stay when it fails";
    EXPECT_EQ(spele_palaista, k.ok);
    EXPECT_EQ(mainmenu->selected_screen, k.ok ? 0u : 3u);
    EXPECT_EQ(limenja_sakums, k.ok ? 777u : 0u);
    if (k.ok) {
      EXPECT_EQ(out.find("limenis ieladets: " + dir + "/l.cfg\n") != std::string::npos, true);
    }
    const bool playerSection = k.text.find("player") != std::string::npos;
    // A player section resets the bag to the three tools.
    EXPECT_EQ(pirmais->inv2.AtgriestLietu(5).skaits, (k.ok && playerSection) ? 0 : 2);
  }
  // A missing file, and null pointers.
  EXPECT_FALSE(Load(dir + "/nav.cfg"));
  std::string next;
  EXPECT_FALSE(IeladetLimeni(dir + "/l.cfg", nullptr, pirmais, &mgr, next));
  EXPECT_FALSE(IeladetLimeni(dir + "/l.cfg", L1, nullptr, &mgr, next));
  EXPECT_FALSE(IeladetLimeni(dir + "/l.cfg", L1, pirmais, nullptr, next));
}

TEST_F(Levels, ContactRulesByClass) {
  using Pk = PakuMenedzeris::Pk;
  auto Obj = [&](unsigned cls, unsigned value, const char* msg) {
    Pk* pk = new Pk;
    pk->klasses_id = cls;
    pk->vertiba = value;
    pk->zinja = msg;
    mgr.PievienotPaku(pk);
    if (cls == 31) mgr.kontrolpunkti.push_back(pk);
    return pk;
  };
  struct {
    const char* name;
    float health;
    unsigned cls, value;
    const char* msg;
    unsigned screenBefore;
    bool gone;
    float healthAfter;
    int battery;
    unsigned screen;
    const char* text;
    int dynamite3x;
  } cases[] = {
      {"kit heals up to 100", 95, 20, 20, "", 0, true, 100, 1, 0, "old", 0},
      {"kit at full health stays", 100, 20, 20, "", 0, false, 100, 1, 0, "old", 0},
      {"battery of 60 s", 50, 32, 60, "", 0, true, 50, 60000, 0, "old", 0},
      {"battery with a message over a panel", 50, 32, 5, "Jauna baterija", 4, true, 50, 5000, 3,
       "Jauna baterija", 0},
      {"two 3x dynamite", 50, 5, 2, "", 0, true, 50, 1, 0, "old", 2},
      {"class 11 does nothing", 50, 11, 2, "", 0, false, 50, 1, 0, "old", 0},
      {"control point shows its message", 50, 31, 0, "Sveiks", 0, true, 50, 1, 3, "Sveiks", 0},
      {"control point waits for the panel", 50, 31, 0, "Sveiks", 3, false, 50, 1, 3, "old", 0},
      {"control point without a message counts", 50, 31, 0, "", 0, true, 50, 1, 3,
       "Kontrolpunkts 1 / 1", 0},
      {"exit keeps the old text", 50, 30, 0, "", 0, true, 50, 1, 4, "old", 0},
      {"exit with its message", 50, 30, 0, "Izeja", 0, true, 50, 1, 4, "Izeja", 0},
      {"exit waits for a panel", 50, 30, 0, "Izeja", 3, false, 50, 1, 3, "old", 0},
  };
  for (auto& k : cases) {
    SCOPED_TRACE(k.name);
    mgr.DzestVisu();
    pirmais->inv2.IztiritInventaru();
    pirmais->Veseliba = k.health;
    pirmais->baterijas = 1;
    pirmais->baterijas_laiks = 1;
    mainmenu->text = "old";
    mainmenu->selected_screen = k.screenBefore;
    mainmenu->action = 9;
    Pk* pk = Obj(k.cls, k.value, k.msg);
    KrustoSpeletaju(pk, &mgr);
    EXPECT_EQ(mgr.pakas.size(), k.gone ? 0u : 1u);
    EXPECT_FLOAT_EQ(pirmais->Veseliba, k.healthAfter);
    EXPECT_EQ(pirmais->baterijas, k.battery);
    EXPECT_EQ(mainmenu->selected_screen, k.screen);
    EXPECT_EQ(mainmenu->text, k.text);
    EXPECT_EQ(pirmais->inv2.AtgriestLietu(5).skaits, k.dynamite3x);
  }
  // The exit waits for every control point.
  mgr.DzestVisu();
  mainmenu->selected_screen = 0;
  Pk* exit = Obj(30, 0, "");
  Obj(31, 0, "");
  Obj(31, 0, "");
  KrustoSpeletaju(exit, &mgr);
  EXPECT_EQ(mainmenu->selected_screen, 0u);
  mgr.kontrolpunktu_kopa = 2;
  for (const char* text : {"Kontrolpunkts 1 / 2", "Kontrolpunkts 2 / 2"}) {
    KrustoSpeletaju(mgr.kontrolpunkti.front(), &mgr);
    EXPECT_EQ(mainmenu->text, text);
    mainmenu->selected_screen = 0;
  }
  KrustoSpeletaju(exit, &mgr);
  EXPECT_EQ(mainmenu->selected_screen, 4u);
  EXPECT_TRUE(mgr.pakas.empty());
}

TEST(Joystick, StickAnglesAndDeadZone) {
  const float PI = 3.14159274f;
  struct {
    int ax, ay;
    float angle;
  } cases[] = {{0, 0, 0},         {3000, -3000, 0},  {32767, 0, 0},      {0, -32768, 90},
               {-32768, 0, 180},  {0, 32767, 270},   {5999, 32767, 270}, {6000, 6000, 315},
               {-6000, -6000, 135}, {-5999, 20000, 270}};
  for (auto& k : cases)
    EXPECT_NEAR(Dzoistiks::Lenkis((Sint16)k.ax, (Sint16)k.ay, PI), k.angle, 0.01)
        << k.ax << "," << k.ay;
  Dzoistiks d;
  EXPECT_FALSE(d.Poga(0)) << "no device opened";
  EXPECT_EQ(d.XYLentjis(), 0.0f);
}

TEST(PlayFlow, ClockTexts) {
  struct {
    unsigned seconds;
    const char* text;
  } cases[] = {{0, "0:00"},     {5, "0:05"},     {65, "1:05"},          {67, "1:07"},
               {100, "1:40"},  {300, "5:00"},   {3599, "59:59"},       {3600, "0:00"},
               {3605, "0:05"}, {4294967295u, "28:15"}};
  char sk[16];
  for (auto& k : cases) {
    PulkstenaTeksts(sk, sizeof(sk), k.seconds);
    EXPECT_STREQ(sk, k.text) << k.seconds;
  }
}

TEST_F(Levels, LossMessagesAndTheirPriority) {
  struct {
    float health;
    int battery;
    unsigned screen;
    unsigned screenAfter;
    const char* text;
    float healthAfter;
  } cases[] = {
      {50, 5000, 0, 0, "", 50},
      {0, 5000, 0, 5, NAVES_ZINJA, 0},
      {-20, 5000, 0, 5, NAVES_ZINJA, 0},
      {50, 1, 0, 5, TUMSAS_ZINJA, 50},
      {-1, 1, 0, 5, TUMSAS_ZINJA, 0},
      {0, 1, 1, 1, "", 0},  // a menu is up: nothing is lost yet
  };
  for (auto& k : cases) {
    pirmais->Veseliba = k.health;
    pirmais->baterijas = k.battery;
    pirmais->darbiba = 1;
    mainmenu->selected_screen = k.screen;
    mainmenu->text = "";
    spele_palaista = true;
    ParbauditBeigas();
    EXPECT_EQ(mainmenu->selected_screen, k.screenAfter) << k.health << "/" << k.battery;
    EXPECT_EQ(mainmenu->text, k.text);
    EXPECT_FLOAT_EQ(pirmais->Veseliba, k.healthAfter);
    EXPECT_EQ(spele_palaista, k.screenAfter != 5);
    EXPECT_EQ(pirmais->darbiba, k.screenAfter == 5 ? 6 : 1);
  }
}

TEST_F(Levels, MenuActions) {
  const std::string a = Level("a.cfg", "level = { nextlevel = " + dir + "/b.cfg; } player = { }");
  const std::string b = Level("b.cfg", "player = { posx = 5; }");
  SpelesCikls c;
  c.paku_mgr = &mgr;
  struct {
    const char* name;
    unsigned action;
    bool running;
    std::string level, next;
    unsigned screen, actionAfter;
    int done;
    std::string levelAfter, out;
    bool onMessage = false;  // the message panel is up, else the main menu
  } cases[] = {
      {"nothing", 1, true, a, "", 1, 1, 0, a, ""},
      {"four", 4, true, a, "", 1, 4, 0, a, ""},
      {"eight", 8, true, a, "", 1, 8, 0, a, ""},
      {"continue a game", 3, true, a, "", 0, 0, 0, a, ""},
      {"continue without a game", 3, false, a, "", 1, 3, 0, a, ""},
      {"close a message without a game", 3, false, a, "", 1, 1, 0, a, "", true},
      {"close a message in a game", 3, true, a, "", 0, 0, 0, a, "", true},
      {"exit", 5, true, a, "", 0, 0, 1, a, ""},
      {"new game", 2, false, a, "", 0, 0, 0, a, "limenis ieladets: " + a + "\n"},
      {"new game that fails tells", 2, false, dir + "/nav.cfg", "", 3, 0, 0, dir + "/nav.cfg", ""},
      {"next level", 6, true, a, b, 0, 0, 0, b,
       "nextlevel: " + b + "\nlimenis ieladets: " + b + "\n"},
      {"next level with no path", 6, true, a, "", 3, 0, 0, a, "nextlevel: \n"},
      {"restart", 7, false, a, "", 0, 0, 0, a, "limenis ieladets: " + a + "\n"},
  };
  for (auto& k : cases) {
    SCOPED_TRACE(k.name);
    mainmenu->selected_screen = k.onMessage ? 3 : 1;
    mainmenu->action = k.action;
    spele_palaista = k.running;
    limenis = k.level;
    nakamais_limenis = k.next;
    c.done = 0;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    IzpilditDarbibu(c);
    std::string o = testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(mainmenu->selected_screen, k.screen);
    EXPECT_EQ(mainmenu->action, k.actionAfter);
    EXPECT_EQ(c.done, k.done);
    EXPECT_EQ(limenis, k.levelAfter);
    EXPECT_EQ(o, k.out);
  }
  c.paku_mgr = nullptr;
}

TEST_F(Levels, AFailedLoadIsReportedOncePerPath) {
  SpelesCikls c;
  c.paku_mgr = &mgr;
  c.neieladejas.clear();
  const std::string missing = dir + "/nav.cfg";
  const std::string broken = Level("broken.cfg", "a = { b = 1;");
  testing::internal::CaptureStderr();
  for (int i = 0; i < 5; i++) IeladetSpelei(c, missing);
  IeladetSpelei(c, broken);
  IeladetSpelei(c, broken);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "delvorn: the level \"" + missing +
                     "\" could not be loaded: cannot open it: No such file or directory\n"
                     "delvorn: the level \"" + broken +
                     "\" could not be loaded: it does not parse (its { and } do not balance)\n");
  c.paku_mgr = nullptr;
}

TEST_F(Levels, ALoadedLevelStartsAtItsCornerWithItsOwnKitIcons) {
  SDL_Surface* s = NewSurface(800, 600, 0x000010);
  PixelAt(s, 300, 200) = 0x001810;  // a kit worth 25, buried
  SaveBmp(s, dir + "/kits.bmp");
  SDL_FreeSurface(s);
  const std::string k = dir + "/kits.bmp";
  const std::string level =
      Level("kits.cfg", "level = { ground = " + k + "; layer1 = " + k + "; layer2 = " + k + "; }");
  ikonas[IKONU_SAKUMS] = {470, 400, 24};  // an icon left from the field before
  L1->sak.x = 60;  // and a view scrolled on it
  L1->sak.y = 40;
  L1->AP_skaits = IKONU_SAKUMS + 1;
  SpelesCikls c;
  c.paku_mgr = &mgr;
  testing::internal::CaptureStdout();
  EXPECT_TRUE(IeladetSpelei(c, level));
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(L1->AP_skaits, IKONU_SAKUMS + 1);
  EXPECT_EQ(ikonas[IKONU_SAKUMS].x, 290);
  EXPECT_EQ(ikonas[IKONU_SAKUMS].y, 190);
  EXPECT_EQ(ikonas[IKONU_SAKUMS].tips, 24);
  EXPECT_EQ(L1->sak.x, 0);
  EXPECT_EQ(L1->sak.y, 0);
  c.paku_mgr = nullptr;
}
