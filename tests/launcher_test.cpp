// The launcher's logic against a fake platform, the dialog template against the resource
// script, and the painted dialog picture's file format.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "launcher/palaidejs.h"
#include "launcher/platforma.h"
#include "launcher/resource.h"
#include "launcher/veidne.h"

namespace {

// What the player does; the fake turns it into what the Windows dialog manager would send.
enum Darbiba { RUTINA, PALAIST, IZIET, ENTER, ESCAPE, AIZVERT };

struct FakePlatforma : Platforma {
  std::vector<Darbiba> darbibas;
  bool dialogsIr = true;
  bool atzimeta = false;
  bool beigas = false;
  std::vector<std::string> izsaukumi;  // every call, in order
  std::string rinda, mape;

  bool RaditDialogu() override {
    izsaukumi.push_back("radit");
    return dialogsIr;
  }
  void ZinojumuCikls() override {
    izsaukumi.push_back("cikls");
    for (Darbiba d : darbibas) {
      if (beigas) break;
      switch (d) {
        case RUTINA: atzimeta = !atzimeta; DialogaKomanda(*this, IDC_FULLSCREEN); break;
        case PALAIST: case ENTER: DialogaKomanda(*this, IDOK); break;
        case IZIET: case ESCAPE: case AIZVERT: DialogaKomanda(*this, IDCANCEL); break;
      }
    }
  }
  bool IrAtzimeta(int id) override { return id == IDC_FULLSCREEN && atzimeta; }
  void SutitIziesanu() override {
    izsaukumi.push_back("iziet");
    beigas = true;
  }
  void BeigtDialogu() override { izsaukumi.push_back("beigt"); }
  void SaktProcesu(const std::string& r, const std::string& m) override {
    izsaukumi.push_back("sakt");
    rinda = r;
    mape = m;
  }
};

struct Gadijums {
  const char* nosaukums;
  std::vector<Darbiba> darbibas;
  const char* rinda;  // nullptr: nothing is started
};

TEST(LauncherLogic, EverySequenceStartsTheRightCommandLineOrNothing) {
  const Gadijums gadijumi[] = {
      {"unchecked", {PALAIST}, "bin/delvorn.exe 0"},
      {"checked", {RUTINA, PALAIST}, "bin/delvorn.exe 1"},
      {"checked then unchecked", {RUTINA, RUTINA, PALAIST}, "bin/delvorn.exe 0"},
      {"three clicks", {RUTINA, RUTINA, RUTINA, ENTER}, "bin/delvorn.exe 1"},
      {"Iziet after checking", {RUTINA, IZIET}, nullptr},
      {"Enter", {ENTER}, "bin/delvorn.exe 0"},
      {"Escape", {RUTINA, ESCAPE}, nullptr},
      {"close command", {RUTINA, AIZVERT}, nullptr},
      {"Iziet wins over a later Palaist", {IZIET, PALAIST}, nullptr},
  };
  for (const Gadijums& g : gadijumi) {
    SCOPED_TRACE(g.nosaukums);
    palaisana_pieprasita = pilnekrans = false;
    FakePlatforma p;
    p.darbibas = g.darbibas;
    EXPECT_EQ(0, Palaidejs(p));
    std::vector<std::string> gaidits = {"radit", "cikls", "iziet", "beigt"};
    if (g.rinda) gaidits.push_back("sakt");
    EXPECT_EQ(gaidits, p.izsaukumi);
    if (g.rinda) {
      EXPECT_EQ(g.rinda, p.rinda);
      EXPECT_EQ("bin", p.mape);
    }
  }
}

TEST(LauncherLogic, CheckBoxAloneNeitherEndsTheLoopNorSetsTheFlags) {
  palaisana_pieprasita = pilnekrans = false;
  FakePlatforma p;
  p.atzimeta = true;
  DialogaKomanda(p, IDC_FULLSCREEN);
  DialogaKomanda(p, 0);
  DialogaKomanda(p, 12345);
  EXPECT_TRUE(p.izsaukumi.empty());
  EXPECT_FALSE(palaisana_pieprasita);
  EXPECT_FALSE(pilnekrans);
}

TEST(LauncherLogic, NoDialogMeansNoLoopNoGameAndAFailureStatus) {
  palaisana_pieprasita = pilnekrans = false;
  FakePlatforma p;
  p.dialogsIr = false;
  p.darbibas = {PALAIST};
  EXPECT_NE(0, Palaidejs(p));
  EXPECT_EQ(std::vector<std::string>{"radit"}, p.izsaukumi);
}

TEST(LauncherTemplate, PixelRectanglesAtTheDialogFont) {
  struct {
    int id, x, y, w, h;
  } const gaidits[] = {
      {IDC_STATIC, 6, 6, 171, 310},
      {IDC_FULLSCREEN, 4, 323, 150, 28},
      {IDOK, 100, 354, 75, 23},
      {IDCANCEL, 4, 354, 75, 23},
  };
  Taisnsturis d = DialogaTaisnsturis();
  EXPECT_EQ(182, d.w);
  EXPECT_EQ(384, d.h);
  for (const auto& g : gaidits) {
    SCOPED_TRACE(g.id);
    int i = VadiklasIndekss(g.id);
    ASSERT_GE(i, 0);
    Taisnsturis t = VadiklasTaisnsturis(DIALOGA_VADIKLAS[i]);
    EXPECT_EQ(g.x, t.x);
    EXPECT_EQ(g.y, t.y);
    EXPECT_EQ(g.w, t.w);
    EXPECT_EQ(g.h, t.h);
    EXPECT_LE(t.x + t.w, d.w);
    EXPECT_LE(t.y + t.h, d.h);
  }
  EXPECT_EQ(-1, VadiklasIndekss(7));
}

// The resource script and the SDL dialog's table describe one template: they must agree.
TEST(LauncherTemplate, ResourceScriptMatchesTheTable) {
  std::ifstream f(DELVORN_SOURCE_DIR "/launcher/Game.rc");
  ASSERT_TRUE(f.good());
  std::stringstream ss;
  ss << f.rdbuf();
  std::string rc = std::regex_replace(ss.str(), std::regex("\\s+"), " ");
  EXPECT_NE(std::string::npos, rc.find("IDD_LAUNCHER DIALOGEX 0, 0, 121, 236"));
  EXPECT_NE(std::string::npos, rc.find("LANGUAGE LANG_LATVIAN, SUBLANG_DEFAULT"));
  EXPECT_NE(std::string::npos, rc.find("IDB_SPLASH BITMAP"));

  const std::map<std::string, int> idi = {
      {"IDC_STATIC", IDC_STATIC}, {"IDC_FULLSCREEN", IDC_FULLSCREEN}, {"IDOK", IDOK},
      {"IDCANCEL", IDCANCEL}};
  std::regex kontrole(
      "CONTROL (\"[^\"]*\"|\\w+), (\\w+), \"(\\w+)\", ([^,]+), (\\d+), (\\d+), (\\d+), (\\d+)");
  int n = 0;
  for (std::sregex_iterator it(rc.begin(), rc.end(), kontrole), end; it != end; ++it, ++n) {
    ASSERT_LT(n, VADIKLU_SKAITS);
    const std::smatch& m = *it;
    const Vadikla& v = DIALOGA_VADIKLAS[n];
    SCOPED_TRACE(m.str());
    ASSERT_TRUE(idi.count(m[2]));
    EXPECT_EQ(v.id, idi.at(m[2]));
    if (v.tips == ATTELS) {
      EXPECT_EQ("IDB_SPLASH", m[1].str());
    } else {
      EXPECT_EQ(std::string("\"") + v.teksts + "\"", m[1].str());
    }
    EXPECT_EQ(v.x, std::stoi(m[5]));
    EXPECT_EQ(v.y, std::stoi(m[6]));
    EXPECT_EQ(v.w, std::stoi(m[7]));
    EXPECT_EQ(v.h, std::stoi(m[8]));
    EXPECT_EQ(v.tips == NOKLUSETA_POGA, m[4].str().find("BS_DEFPUSHBUTTON") != std::string::npos);
    EXPECT_EQ(v.tips != ATTELS, m[4].str().find("WS_TABSTOP") != std::string::npos);
  }
  EXPECT_EQ(VADIKLU_SKAITS, n);
}

uint32_t Le32(const std::string& b, size_t o) {
  return (uint32_t)(uint8_t)b[o] | (uint32_t)(uint8_t)b[o + 1] << 8 |
         (uint32_t)(uint8_t)b[o + 2] << 16 | (uint32_t)(uint8_t)b[o + 3] << 24;
}

TEST(LauncherPicture, DialogPictureIsAnUncompressed24BitBmpOfTheControlsSize) {
  std::ifstream f(DELVORN_DIST_DIR "/Game.bmp", std::ios::binary);
  ASSERT_TRUE(f.good());
  std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  ASSERT_GE(b.size(), 54u);
  const size_t rinda = (171 * 3 + 3) & ~3u;
  EXPECT_EQ("BM", b.substr(0, 2));
  EXPECT_EQ(b.size(), Le32(b, 2));
  EXPECT_EQ(54u, Le32(b, 10));            // pixels right after the 40-byte header
  EXPECT_EQ(40u, Le32(b, 14));
  EXPECT_EQ(171u, Le32(b, 18));           // width
  EXPECT_EQ(310u, Le32(b, 22));           // height, bottom-up
  EXPECT_EQ(1u, Le32(b, 26) & 0xFFFF);    // planes
  EXPECT_EQ(24u, Le32(b, 26) >> 16);      // bits per pixel
  EXPECT_EQ(0u, Le32(b, 30));             // BI_RGB
  EXPECT_EQ(2834u, Le32(b, 38));
  EXPECT_EQ(2834u, Le32(b, 42));
  EXPECT_EQ(54 + rinda * 310, b.size());
}

}  // namespace
