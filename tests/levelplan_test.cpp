// The level plan painter (tools/art/painters/levels.py): a small plan painted for real and
// loaded the way the game loads a level's pictures, so the mask bytes are checked in the
// field's own layout: hardness per ground class, zones, pick-ups, and looks that tell the
// classes apart.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "field/zeme.h"
#include "shell/globali.h"
#include "tests/support/testutil.h"

namespace {

const char* const PYTHON = "/usr/bin/python3";
const std::string PAINTER = std::string(DELVORN_SOURCE_DIR) + "/tools/art/painters/levels.py";

// Every feature sits in its own 60 x 60 square, tested at its middle, well clear of the
// edges that the painter roughens.
const char* const PLAN =
    "# test plan\n"
    "size 800 600\n"
    "seed 5\n"
    "fill soft\n"
    "area loose rect 100 100 160 160\n"
    "area firm rect 200 100 260 160\n"
    "area hard rect 300 100 360 160\n"
    "area veryhard rect 400 100 460 160\n"
    "area bedrock rect 500 100 560 160\n"
    "area 240 rect 600 100 660 160     # an exact hardness\n"
    "band hard 400 460\n"
    "open rect 100 250 160 310\n"
    "open path 20 300,280 420,280\n"
    "chasm 12 rect 500 250 560 310\n"
    "poison rect 600 250 660 310\n"
    "radiation 130 480\n"
    "item 5 230 200\n"
    "kit 50 330 200\n";

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

class LevelPlan : public ::testing::Test {
 protected:
  void SetUp() override {
    if (access(PYTHON, X_OK) != 0) GTEST_SKIP() << "no " << PYTHON;
    OpenTestScreen();
    dir = MakeTempDir();
    WriteFile(dir + "/proba.plan", PLAN);
  }
  RunResult Paint(const std::string& plan, const std::string& out) {
    return RunProgram(PYTHON, {PAINTER, plan, out}, {}, dir);
  }
  std::string dir;
};

Uint32 Look(SDL_Surface* s, int x, int y) {
  return ((Uint32*)s->pixels)[y * (s->pitch / 4) + x];
}

// Mean colour of a 20 x 20 block of a look, as (r, g, b).
void Mean(SDL_Surface* s, int cx, int cy, double rgb[3]) {
  rgb[0] = rgb[1] = rgb[2] = 0;
  for (int y = cy - 10; y < cy + 10; y++)
    for (int x = cx - 10; x < cx + 10; x++) {
      Uint8 r, g, b;
      SDL_GetRGB(Look(s, x, y), s->format, &r, &g, &b);
      rgb[0] += r, rgb[1] += g, rgb[2] += b;
    }
  for (int k = 0; k < 3; k++) rgb[k] /= 400.0;
}

}  // namespace

TEST_F(LevelPlan, PaintsTheMaskBytesTheGameReads) {
  RunResult r = Paint("proba.plan", dir + "/out");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string base = dir + "/out/proba";
  Laukums field(0, 0, "missing.png", "missing.png", "missing.png");
  field.IeladetVirsmas((base + "_maska.png").c_str(), (base + "_pamats.png").c_str(),
                       (base + "_zeme.png").c_str());
  ASSERT_TRUE(field.Siets && field.Zeme && field.Pamats) << "the pictures load";
  EXPECT_EQ(field.Siets->w, 800);
  EXPECT_EQ(field.Zeme->w, 800);
  EXPECT_EQ(field.Pamats->h, 600);

  struct Point {
    const char* what;
    int x, y;
    int hardLo, hardHi;  // hardness byte range
    int pick, zone;
  } points[] = {
      {"soft ground", 60, 60, 5, 99, 0, 0},
      {"soft ground deep down", 60, 560, 5, 99, 0, 0},
      {"loose ground", 130, 130, 1, 4, 0, 0},
      {"firm ground", 230, 130, 100, 149, 0, 0},
      {"hard ground", 330, 130, 150, 199, 0, 0},
      {"very hard ground", 430, 130, 200, 229, 0, 0},
      {"bedrock, beyond Semtex", 530, 130, 254, 255, 0, 0},
      {"an exact hardness", 630, 130, 240, 240, 0, 0},
      {"a band", 700, 430, 150, 199, 0, 0},
      {"an open pocket", 130, 280, 0, 0, 0, 0},
      {"an open path", 360, 280, 0, 0, 0, 0},
      {"a closed chasm keeps its ground", 530, 280, 5, 99, 0, 12},
      {"poison", 630, 280, 5, 99, 0, 50},
      {"the radiation source", 130, 480, 5, 99, 0, 90},
      {"beside the radiation source", 131, 480, 5, 99, 0, 0},
      {"a buried item", 230, 200, 5, 99, 5, 0},
      {"beside the buried item", 231, 200, 5, 99, 0, 0},
      {"a kit worth 50", 330, 200, 5, 99, 25, 0},
  };
  for (const Point& p : points) {
    const Uint32 v = field.LasitSietu(p.x, p.y);
    EXPECT_GE(SietaCietiba(v), p.hardLo) << p.what;
    EXPECT_LE(SietaCietiba(v), p.hardHi) << p.what;
    EXPECT_EQ(SietaManta(v), p.pick) << p.what;
    EXPECT_EQ(SietaZona(v), p.zone) << p.what;
  }

  // Nothing else carries a pick-up or a zone: one kit, one item, one radiation pixel.
  int picks = 0, radiation = 0;
  for (int y = 0; y < 600; y++)
    for (int x = 0; x < 800; x++) {
      const Uint32 v = field.LasitSietu(x, y);
      picks += SietaManta(v) != 0;
      radiation += SietaZona(v) == 90;
    }
  EXPECT_EQ(picks, 2);
  EXPECT_EQ(radiation, 1);

  // The undug look tells every ground class from every other at a glance.
  const int classes[][2] = {{60, 60}, {130, 130}, {230, 130}, {330, 130}, {430, 130}, {530, 130}};
  double means[6][3];
  for (int k = 0; k < 6; k++) Mean(field.Zeme, classes[k][0], classes[k][1] + 10, means[k]);
  for (int a = 0; a < 6; a++)
    for (int b = a + 1; b < 6; b++) {
      const double d = std::sqrt(std::pow(means[a][0] - means[b][0], 2) +
                                 std::pow(means[a][1] - means[b][1], 2) +
                                 std::pow(means[a][2] - means[b][2], 2));
      EXPECT_GT(d, 24.0) << "classes " << a << " and " << b << " look alike";
    }
  // Poison shows green in both looks.
  double clean[3], poison[3];
  Mean(field.Zeme, 60, 280, clean);
  Mean(field.Zeme, 630, 280, poison);
  EXPECT_GT(poison[1] - poison[0], clean[1] - clean[0] + 40) << "undug poison is green";
  Mean(field.Pamats, 630, 280, poison);
  EXPECT_GT(poison[1], poison[0] + 20) << "dug-out poison is green";
  // A closed chasm shows pale crust over a black void, unlike the even dark of bedrock.
  double bedrock[3], crust = 0;
  Mean(field.Zeme, 530, 130, bedrock);
  int black = 0;
  for (int y = 270; y < 290; y++)
    for (int x = 520; x < 540; x++) {
      Uint8 r, g, b;
      SDL_GetRGB(Look(field.Zeme, x, y), field.Zeme->format, &r, &g, &b);
      if (r + g + b < 30) black++;
      crust += r + g + b < 30 ? 0 : r + g + b;
    }
  EXPECT_GT(black, 400 / 3) << "the void shows between the plates";
  EXPECT_GT(crust / std::max(400 - black, 1), bedrock[0] + bedrock[1] + bedrock[2] + 50)
      << "the crust is paler than bedrock";
}

TEST_F(LevelPlan, TheSamePlanPaintsTheSamePictures) {
  ASSERT_EQ(Paint("proba.plan", dir + "/a").status, 0);
  ASSERT_EQ(Paint("proba.plan", dir + "/b").status, 0);
  for (const char* suffix : {"_maska.png", "_pamats.png", "_zeme.png"}) {
    const std::string a = Slurp(dir + "/a/proba" + suffix), b = Slurp(dir + "/b/proba" + suffix);
    EXPECT_FALSE(a.empty()) << suffix;
    EXPECT_TRUE(a == b) << suffix << " differs between two runs";
  }
}

TEST_F(LevelPlan, RefusesAPlanItCannotPaintWithItsLine) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"size 640 480\n", "bad.plan:1: the field must be at least 800 x 600"},
      {"fill soft\nflood 3\n", "bad.plan:2: unknown statement 'flood'"},
      {"area granite rect 0 0 9 9\n", "bad.plan:1: unknown ground class 'granite'"},
      {"chasm 9 rect 0 0 9 9\n", "bad.plan:1: a closed chasm region is numbered 10..15"},
      {"item 12 5 5\n", "bad.plan:1: an item ID is 1..11"},
      {"kit 30 5 5\n", "bad.plan:1: a kit is worth 25 or 50"},
      {"open ellipse 5 5 0 4\n", "bad.plan:1: an ellipse needs radii above 0"},
      {"item 4 900 5\n", "bad.plan:1: the pick-up lies outside the field"},
  };
  for (const Case& c : cases) {
    WriteFile(dir + "/bad.plan", c.text);
    RunResult r = Paint("bad.plan", dir + "/bad");
    EXPECT_EQ(r.status, 1) << c.text;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.text << r.err;
    EXPECT_NE(access((dir + "/bad/bad_maska.png").c_str(), F_OK), 0) << "nothing painted";
  }
}
