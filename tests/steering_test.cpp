// The steering robot: a seeded random walk, driven the way the frame loop drives the digger
// (turn to the pointer, one step), on every shipped level and on small fields of its own.
// It counts the places from which no heading moves him and the frames he stood still
// although his body could go straight to the pointer, and prints both.
#include <gtest/gtest.h>
#include <math.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <set>
#include <utility>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/spele.h"
#include "tests/support/testutil.h"

namespace {

const int CIETA = 60;  // soft ground for the robot's own fields

// One frame of steering towards field point (x, y), as the frame loop does it.
void Solis(int x, int y) {
  pirmais->Pagriezt(x - L1->sak.x, y - L1->sak.y);
  pirmais->Parvietot(1);
}

bool Brivs(float x, float y) { return pirmais->Parklajums(x, y) == 0; }

// Open ground all along the straight line from his centre to (x, y).
bool CeljsBrivs(int x, int y) {
  const int x0 = pirmais->GetX() + 10, y0 = pirmais->GetY() + 10;
  const int n = std::max(abs(x - x0), abs(y - y0));
  for (int t = 0; t <= n; t++)
    if (SietaCietiba(L1->LasitSietu(x0 + (x - x0) * t / n, y0 + (y - y0) * t / n)) > 4)
      return false;
  return true;
}

// Some heading of 36 moves him: the frame loop's own step, undone afterwards (the robot's
// fields carry no pick-ups, so a step changes nothing else).
bool VarKustet() {
  Speletajs& r = *pirmais;
  const float x = r.pozx, y = r.pozy;
  const int v0 = r.virziens, d = r.darbiba;
  bool var = false;
  for (int v = 0; v < 360 && !var; v += 10) {
    r.virziens = v;
    r.Parvietot(1);
    var = r.pozx != x || r.pozy != y;
    r.pozx = x;
    r.pozy = y;
  }
  r.virziens = v0;
  r.darbiba = d;
  return var;
}

// Takes the pick-ups out of the mask, so that walking changes nothing but the digger.
void BezMantam() {
  for (int y = 0; y < L1->Siets->h; y++)
    for (int x = 0; x < L1->Siets->w; x++) L1->RakstitSietu(x, y, ArMantu(L1->LasitSietu(x, y), 0));
}

struct Skaitli {
  int kadri = 0;
  int stav = 0;  // still although the straight way was open
  std::set<std::pair<int, int>> iestregst;
};

// A random walk from where he stands: every 25 frames a new pointer on a place within 80
// pixels where his body would fit.
void Klejot(unsigned seed, int kadri, Skaitli& s) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> nobide(-80, 80);
  int tx = 0, ty = 0;
  for (int k = 0; k < kadri; k++) {
    if (k % 25 == 0) {
      const int cx = pirmais->GetX() + 10, cy = pirmais->GetY() + 10;
      tx = cx;
      ty = cy;
      for (int m = 0; m < 200; m++) {
        const int x = cx + nobide(rng), y = cy + nobide(rng);
        if (x >= 0 && y >= 0 && x < L1->Siets->w && y < L1->Siets->h && Brivs(x - 10, y - 10)) {
          tx = x;
          ty = y;
          break;
        }
      }
    }
    const float x0 = pirmais->pozx, y0 = pirmais->pozy;
    Solis(tx, ty);
    s.kadri++;
    if (pirmais->pozx != x0 || pirmais->pozy != y0) continue;
    const int dx = tx - 10 - pirmais->GetX(), dy = ty - 10 - pirmais->GetY();
    if (dx * dx + dy * dy > 9 && CeljsBrivs(tx, ty)) s.stav++;
    if (!VarKustet()) s.iestregst.insert({pirmais->GetX(), pirmais->GetY()});
  }
}

void Zinot(const std::string& kas, const Skaitli& s) {
  printf("steering %-22s %6d frames, still with the way open %5d (%.1f%%), wedged at %zu places",
         kas.c_str(), s.kadri, s.stav, 100.0 * s.stav / std::max(1, s.kadri), s.iestregst.size());
  for (const auto& p : s.iestregst) printf(" (%d, %d)", p.first, p.second);
  printf("\n");
  fflush(stdout);
  EXPECT_EQ(0u, s.iestregst.size()) << kas;
  EXPECT_LT(s.stav * 20, s.kadri) << kas << ": under 5% of frames";
}

// The game started on a level (or the placeholder field), headless.
class Robots : public ::testing::Test {
 protected:
  void Sakt(const std::string& limenis) {
    ASSERT_EQ(chdir(DELVORN_BIN_DIR), 0);
    std::vector<char> l(limenis.begin(), limenis.end());
    l.push_back(0);
    char arg0[] = "delvorn", arg1[] = "0";
    char* argv[] = {arg0, arg1, l.data(), NULL};
    StartPastIntro(c, limenis.empty() ? 1 : 3, argv);
    ASSERT_TRUE(L1 && L1->Siets && pirmais && pirmais->maskam);
  }
  void TearDown() override { EndGame(c); }
  // Ground of hardness h over a rectangle or a disc of the field.
  void Taisnsturis(int x0, int y0, int x1, int y1, int h) {
    for (int y = y0; y <= y1; y++)
      for (int x = x0; x <= x1; x++) L1->RakstitSietu(x, y, ArCietibu(0, h));
  }
  void Aplis(int cx, int cy, int r, int h) {
    for (int y = cy - r; y <= cy + r; y++)
      for (int x = cx - r; x <= cx + r; x++)
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r)
          L1->RakstitSietu(x, y, ArCietibu(0, h));
  }
  void Novietot(float x, float y) { pirmais->pozx = x, pirmais->pozy = y; }
  SpelesCikls c;
};

class Limenji : public Robots, public ::testing::WithParamInterface<std::string> {};

}  // namespace

TEST_P(Limenji, RandomWalkNeverWedgesAndRarelyStands) {
  if (GetParam() == "none") GTEST_SKIP() << "no levels shipped";
  Sakt("map/" + GetParam() + ".cfg");
  BezMantam();
  const float x = pirmais->pozx, y = pirmais->pozy;
  Skaitli s;
  for (unsigned seed = 1; seed <= 3; seed++) {
    Novietot(x, y);
    Klejot(seed, 3000, s);
  }
  Zinot(GetParam(), s);
}

INSTANTIATE_TEST_SUITE_P(Shipped, Limenji, ::testing::ValuesIn(ShippedLevels()),
                         [](const testing::TestParamInfo<std::string>& i) { return i.param; });

// The robot's own fields: a round room round a pillar, a zig-zag tunnel just wider than the
// digger.
TEST_F(Robots, RandomWalkOnSmallFields) {
  Sakt("");
  struct {
    const char* nosaukums;
    std::function<void()> zimet;
    float x, y;
  } lauki[] = {
      {"round room",
       [&] {
         Aplis(400, 300, 120, 0);
         Aplis(400, 300, 30, CIETA);
       },
       300, 290},
      {"zig-zag tunnel",
       [&] {
         for (int k = 0; k < 12; k++)
           Taisnsturis(60 + 50 * k, 200 + (k % 2) * 60, 100 + 50 * k, 222 + (k % 2) * 60, 0),
               Taisnsturis(80 + 50 * k, 200, 102 + 50 * k, 282, 0);
       },
       68, 204},
  };
  for (const auto& l : lauki) {
    Taisnsturis(0, 0, 799, 599, CIETA);
    l.zimet();
    Skaitli s;
    for (unsigned seed = 1; seed <= 2; seed++) {
      Novietot(l.x, l.y);
      ASSERT_TRUE(Brivs(l.x, l.y)) << l.nosaukums;
      Klejot(seed, 2000, s);
    }
    Zinot(l.nosaukums, s);
  }
}

// Walls, corners, bumps and a digger already in the ground: where he gets to with the
// pointer held on one field point.
TEST_F(Robots, CollisionCases) {
  Sakt("");
  auto Koridors = [this](int kukurs) {
    return std::function<void()>([this, kukurs] {
      Taisnsturis(40, 280, 760, 313, 0);
      Taisnsturis(400, 314 - kukurs, 405, 313, CIETA);
    });
  };
  struct {
    const char* nosaukums;
    std::function<void()> zimet;
    float x, y;  // start
    int px, py;  // the pointer, field coordinates
    int kadri;
    std::function<bool()> labi;
  } gadijumi[] = {
      // A 34-pixel corridor with a bump on its floor, the pointer at the far end low down.
      {"floor bump of 1", Koridors(1), 60, 296, 740, 313, 250, [] { return pirmais->pozx > 420; }},
      {"floor bump of 2", Koridors(2), 60, 296, 740, 313, 250, [] { return pirmais->pozx > 420; }},
      {"floor bump of 3", Koridors(3), 60, 296, 740, 313, 250, [] { return pirmais->pozx > 420; }},
      {"floor bump of 3, pointed into the floor", Koridors(3), 60, 296, 740, 340, 250,
       [] { return pirmais->pozx > 420; }},
      {"round a corner into a shaft",
       [&] {
         Taisnsturis(40, 280, 300, 313, 0);
         Taisnsturis(267, 100, 300, 313, 0);
       },
       60, 290, 330, 90, 250, [] { return pirmais->pozy < 130; }},
      {"up a sloping floor, pointed into it",
       [&] {
         Taisnsturis(40, 150, 700, 400, 0);
         for (int x = 40; x <= 700; x++) Taisnsturis(x, 380 - (x - 40) / 4, x, 400, CIETA);
       },
       60, 340, 700, 420, 300, [] { return pirmais->pozx > 500; }},
      {"square at a wall he stays", [&] { Taisnsturis(40, 280, 300, 313, 0); }, 100, 287, 400, 297,
       100, [] { return pirmais->pozx > 270 && fabs(pirmais->pozy - 287) < 4; }},
      {"sunk three pixels into the roof, out again", [&] { Taisnsturis(40, 280, 300, 320, 0); },
       100, 274, 110, 400, 30, [] { return Brivs(pirmais->pozx, pirmais->pozy); }},
      {"sunk, along the roof no deeper", [&] { Taisnsturis(40, 280, 300, 320, 0); }, 100, 274, 280,
       280, 60, [] { return pirmais->pozx > 150; }},
  };
  for (const auto& g : gadijumi) {
    Taisnsturis(0, 0, 799, 599, CIETA);
    g.zimet();
    Novietot(g.x, g.y);
    const int bija = pirmais->Parklajums(g.x, g.y);
    for (int k = 0; k < g.kadri; k++) {
      Solis(g.px, g.py);
      ASSERT_LE(pirmais->Parklajums(pirmais->pozx, pirmais->pozy), bija)
          << g.nosaukums << " got deeper";
    }
    EXPECT_TRUE(g.labi()) << g.nosaukums << ": ended at " << pirmais->pozx << ", " << pirmais->pozy;
    EXPECT_TRUE(VarKustet()) << g.nosaukums;
  }
}
