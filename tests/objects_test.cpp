// The object manager: loading from level files, animation timing, drawing, contact and deletion.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <list>
#include <set>
#include <string>
#include <vector>

#include "objects/PakuMgr.h"
#include "tests/support/testutil.h"

using Pk = PakuMenedzeris::Pk;
using Sv = PakuMenedzeris::Sv;

namespace {

const Uint32 FONS = 0x00101010;
const Uint32 KRASAS[4] = {0x00C00000, 0x0000C000, 0x000000C0, 0x00C0C000};

// A strip of `kadri` frames of w x h, frame k filled with KRASAS[k % 4], saved as BMP.
std::string Strip(const std::string& cels, int kadri, int w, int h) {
  SDL_Surface* s = NewSurface(kadri * w, h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < kadri * w; x++) PixelAt(s, x, y) = KRASAS[(x / w) % 4];
  SaveBmp(s, cels);
  SDL_FreeSurface(s);
  return cels;
}

// A hand-made sequence on a surface in memory, owned by the manager.
Sv* RokuSekvence(PakuMenedzeris& m, uint32_t kadri, uint32_t intervals, int w = 8) {
  Sv* sv = new Sv;
  sv->bilde = NewSurface((int)(kadri ? kadri : 1) * w, 4);
  sv->kadru_skaits = kadri;
  sv->intervals = intervals;
  return m.PievienotSekvenci(sv);
}

Pk* Objekts(PakuMenedzeris& m, const char* vards, int32_t x, int32_t y, int32_t r = 0,
            uint32_t id = 1, Sv* sv = nullptr) {
  Pk* pk = new Pk;
  pk->vards = vards;
  pk->klasses_id = id;
  pk->xpos = (uint32_t)x;
  pk->ypos = (uint32_t)y;
  pk->radiuss = r;
  pk->sekv = sv;
  m.PievienotPaku(pk);
  if (id == 31) m.kontrolpunkti.push_back(pk);
  return pk;
}

std::vector<std::string> Vardi(const std::list<Pk*>& l) {
  std::vector<std::string> v;
  for (Pk* pk : l) v.push_back(pk ? pk->vards : "(null)");
  return v;
}

// What the contact callback saw, and what it does on each call.
std::vector<std::string> g_izsaukumi;
enum class Darbiba { Neko, DzestSevi, DzestNakamo, DzestVisus, DzestVisu, DzestDivreiz } g_darbiba;

void Krusto(Pk* pk, PakuMenedzeris* m) {
  g_izsaukumi.push_back(pk->vards);
  switch (g_darbiba) {
    case Darbiba::Neko: break;
    case Darbiba::DzestSevi: m->DzestPaku(pk); break;
    case Darbiba::DzestNakamo: {
      auto it = std::find(m->pakas.begin(), m->pakas.end(), pk);
      if (++it != m->pakas.end()) m->DzestPaku(*it);
      break;
    }
    case Darbiba::DzestVisus: m->DzestPakas(); break;
    case Darbiba::DzestVisu: m->DzestVisu(); break;
    case Darbiba::DzestDivreiz: m->DzestPaku(pk); m->DzestPaku(pk); break;
  }
}

class Objekti : public ::testing::Test {
 protected:
  void SetUp() override {
    ekrans = OpenTestScreen();
    ASSERT_NE(ekrans, nullptr);
    dir = MakeTempDir();
    g_izsaukumi.clear();
    g_darbiba = Darbiba::Neko;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  SDL_Surface* ekrans = nullptr;
  std::string dir;
};

}  // namespace

TEST_F(Objekti, LevelFileKeysDefaultsAndSprites) {
  std::string bmp = Strip(dir + "/s.bmp", 4, 8, 6);
  WriteFile(dir + "/l.cfg",
            "// the level's own sections are not objects\n"
            "level = { ground = map/g.png; }  player = { posx = 5; }\n"
            "agrs = { sprite = anim; classID = 4; }\n"  // its sequence comes later
            "images = {\n"
            "  anim = { image = " + bmp + "; frames = 4; rate = 100; }\n"
            "  viens = { image = " + bmp + "; }\n"
            "  nulle = { image = " + bmp + "; frames = 0; }\n"
            "  teksts = { image = " + bmp + "; frames = abc; }\n"
            "  dup = { image = " + bmp + "; frames = 2; }\n"
            "  truukst = { image = " + dir + "/nav.bmp; frames = 3; }\n"
            "}\n"
            "images = { dup = { image = " + bmp + "; frames = 3; } }\n"
            "tuksais = { }\n"
            "dinamits = { sprite = anim; class = Spridzeklis; name = d1; classID = 5; value = 3;\n"
            "  ani_delay = -200; posx = -5; posy = \" 40px\"; radius = 7; krasa = zila;\n"
            "  message = \"Tev ir dinamiits\"; }\n"
            "kp = { sprite = dup; classID = 31; posx = 99999999999; value = abc; }\n"
            "kaste = { sprite = truukst; class = Cits; ani_delay = +12; }\n"
            "kp2 = { sprite = viens; classID = 31; radius = -3; }\n");
  PakuMenedzeris m;
  testing::internal::CaptureStdout();
  ASSERT_TRUE(m.IeladetPakasNoFaila(dir + "/l.cfg"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "err:objekta 'agrs' spraits nav defineets\n"
            "err:objekta 'tuksais' spraits nav defineets\n"
            "err:objekta 'kaste' spraits nav defineets\n");

  // The missing picture is dropped; frames 0 and non-numbers count as one frame.
  struct { const char* vards; uint32_t kadri, intervals; } sekv[] = {
      {"anim", 4, 100}, {"viens", 1, 32}, {"nulle", 1, 32},
      {"teksts", 1, 32}, {"dup", 2, 32}, {"dup", 3, 32}};
  ASSERT_EQ(m.sekvences.size(), std::size(sekv));
  for (size_t i = 0; i < std::size(sekv); i++) {
    EXPECT_EQ(m.sekvences[i]->vards, sekv[i].vards) << i;
    EXPECT_EQ(m.sekvences[i]->kadru_skaits, sekv[i].kadri) << i;
    EXPECT_EQ(m.sekvences[i]->intervals, sekv[i].intervals) << i;
    EXPECT_EQ(m.sekvences[i]->bilde->w, 32) << i;
  }
  EXPECT_EQ(m.AtgriestSekvenci("dup"), m.sekvences[4]);  // the first of a name wins
  EXPECT_EQ(m.AtgriestSekvenci("Dup"), nullptr);

  struct {
    const char* klase; const char* vards; uint32_t id, x, y, vertiba;
    int32_t pauze, radiuss; const char* zinja; int sekv;  // index in sekvences, -1 none
  } gaid[] = {
      {"agrs", "", 4, 0, 0, 0, 0, 0, "", -1},
      {"tuksais", "", 1, 0, 0, 0, 0, 0, "", -1},
      {"Spridzeklis", "d1", 5, 0xFFFFFFFBu, 40, 3, -200, 7, "Tev ir dinamiits", 0},
      {"kp", "", 31, 1215752191u, 0, 0, 0, 0, "", 4},  // too many digits wrap in 32 bits
      {"Cits", "", 1, 0, 0, 0, 12, 0, "", -1},
      {"kp2", "", 31, 0, 0, 0, 0, -3, "", 1},
  };
  ASSERT_EQ(m.pakas.size(), std::size(gaid));
  size_t i = 0;
  for (Pk* pk : m.pakas) {
    auto& g = gaid[i++];
    SCOPED_TRACE(g.klase);
    EXPECT_EQ(pk->klasses_vards, g.klase);
    EXPECT_EQ(pk->vards, g.vards);
    EXPECT_EQ(pk->klasses_id, g.id);
    EXPECT_EQ(pk->xpos, g.x);
    EXPECT_EQ(pk->ypos, g.y);
    EXPECT_EQ(pk->vertiba, g.vertiba);
    EXPECT_EQ(pk->anim_pauze, g.pauze);
    EXPECT_EQ(pk->radiuss, g.radiuss);
    EXPECT_EQ(pk->zinja, g.zinja);
    EXPECT_EQ(pk->sekv, g.sekv < 0 ? nullptr : m.sekvences[g.sekv]);
    EXPECT_EQ(pk->kadrs, 0u);
    EXPECT_EQ(pk->laiks, 0.0f);
  }
  EXPECT_EQ(Vardi(m.kontrolpunkti), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(m.kontrolpunkti.front(), *std::next(m.pakas.begin(), 3));
  EXPECT_EQ(m.kontrolpunkti.back(), m.pakas.back());

  // A second load appends everything again.
  testing::internal::CaptureStdout();
  ASSERT_TRUE(m.IeladetPakasNoFaila(dir + "/l.cfg"));
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(m.sekvences.size(), 12u);
  EXPECT_EQ(m.pakas.size(), 12u);
  EXPECT_EQ(m.kontrolpunkti.size(), 4u);
  EXPECT_EQ(m.AtgriestSekvenci("anim"), m.sekvences[0]);
}

TEST_F(Objekti, FilesThatCannotBeReadChangeNothing) {
  WriteFile(dir + "/tukss.cfg", "");
  WriteFile(dir + "/iekavas.cfg", "a = { b = 1; ");
  WriteFile(dir + "/komentari.cfg", "// nothing here\n/* at all */\n");
  struct { const char* fails; bool ok; } gad[] = {
      {"/nav.cfg", false}, {"/tukss.cfg", false}, {"/iekavas.cfg", false},
      {"/komentari.cfg", true}};
  PakuMenedzeris m;
  Sv* sv = RokuSekvence(m, 2, 32);
  Objekts(m, "a", 1, 2, 0, 31, sv);
  for (auto& g : gad) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(m.IeladetPakasNoFaila(dir + g.fails), g.ok) << g.fails;
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(m.sekvences.size(), 1u) << g.fails;
    EXPECT_EQ(Vardi(m.pakas), std::vector<std::string>{"a"}) << g.fails;
    EXPECT_EQ(m.kontrolpunkti.size(), 1u) << g.fails;
  }
  EXPECT_FALSE(m.IeladetSekvenci("x", dir + "/nav.bmp", 2, 32));
  EXPECT_FALSE(m.IeladetSekvenci("x", "", 2, 32));
  EXPECT_EQ(m.sekvences.size(), 1u);
}

// Frame shown after each call, grouped into runs; the unfinished last run is dropped.
TEST_F(Objekti, AnimationCallsPerFrame) {
  struct { uint32_t kadri, intervals; int32_t pauze; std::vector<int> skaits, pirmais; } gad[] = {
      {3, 32, 0, {1}, {1}},          // the default rate changes frame on every call
      {3, 100, 0, {3}, {3}},         // 100 ms: every third call
      {3, 32, 200, {1}, {5}},        // the pause holds the cycle's first frame for 5 calls
      {3, 32, -200, {1}, {1, 2, 3, 4, 5}},  // 1 to 5 calls, drawn anew at each wrap
      {4, 80, 40, {2}, {1}},
  };
  std::srand(7);
  for (auto& g : gad) {
    SCOPED_TRACE(std::to_string(g.intervals) + " / " + std::to_string(g.pauze));
    PakuMenedzeris m;
    Pk* pk = Objekts(m, "a", 50, 50, 0, 1, RokuSekvence(m, g.kadri, g.intervals));
    pk->anim_pauze = g.pauze;
    std::vector<uint32_t> kadri;
    for (int i = 0; i < 600; i++) {
      m.Zimet(ekrans, 0);
      kadri.push_back(pk->kadrs);
    }
    EXPECT_EQ(kadri[0], 1u);  // the very first call already moves on
    std::set<int> citi, pirmie;
    size_t sak = 0;
    for (size_t i = 1; i < kadri.size(); i++) {
      if (kadri[i] == kadri[sak]) continue;
      EXPECT_EQ(kadri[i], (kadri[sak] + 1) % g.kadri);
      (kadri[sak] == 0 ? pirmie : citi).insert((int)(i - sak));
      sak = i;
    }
    EXPECT_EQ(citi, std::set<int>(g.skaits.begin(), g.skaits.end()));
    EXPECT_EQ(pirmie, std::set<int>(g.pirmais.begin(), g.pirmais.end()));
  }
}

TEST_F(Objekti, OneFrameAndZeroFrameSequencesNeverAnimate) {
  PakuMenedzeris m;
  Sv* viens = RokuSekvence(m, 1, 32);
  Sv* nulle = new Sv;  // made by hand: 0 frames must not divide by zero
  nulle->bilde = NewSurface(6, 4, KRASAS[2]);
  nulle->kadru_skaits = 0;
  m.sekvences.push_back(nulle);
  Pk* a = Objekts(m, "a", 10, 10, 0, 1, viens);
  Pk* b = Objekts(m, "b", 300, 300, 0, 1, nulle);
  SDL_FillRect(ekrans, nullptr, FONS);
  for (int i = 0; i < 10; i++) m.Zimet(ekrans, 40);
  for (Pk* pk : {a, b}) {
    EXPECT_EQ(pk->kadrs, 0u) << pk->vards;
    EXPECT_EQ(pk->laiks, 0.0f) << pk->vards;
  }
  EXPECT_EQ(PixelAt(ekrans, 297, 298), KRASAS[2]);  // the whole 6 x 4 picture, centred
  EXPECT_EQ(PixelAt(ekrans, 302, 301), KRASAS[2]);
  EXPECT_EQ(PixelAt(ekrans, 303, 300), FONS);
  EXPECT_EQ(PixelAt(ekrans, 296, 300), FONS);
}

TEST_F(Objekti, DrawsTheCurrentFrameCentredAndClipped) {
  Strip(dir + "/s.bmp", 4, 10, 6);
  Strip(dir + "/saurs.bmp", 1, 3, 6);  // three pixels for four frames: each 0 wide
  PakuMenedzeris m;
  ASSERT_TRUE(m.IeladetSekvenci("s", dir + "/s.bmp", 4, 32));
  ASSERT_TRUE(m.IeladetSekvenci("saurs", dir + "/saurs.bmp", 4, 32));
  Pk* vidu = Objekts(m, "vidu", 100, 50, 0, 1, m.AtgriestSekvenci("s"));
  Objekts(m, "mala", -3, 200, 0, 1, m.AtgriestSekvenci("s"));  // mostly off the left edge
  Objekts(m, "saurs", 400, 400, 0, 1, m.AtgriestSekvenci("saurs"));
  Objekts(m, "bez", 600, 400);  // no sequence: not drawn
  SDL_FillRect(ekrans, nullptr, FONS);
  m.Zimet(ekrans, 40);
  ASSERT_EQ(vidu->kadrs, 1u);
  // Frame 1 (green) covers x 95..104, y 47..52.
  struct { int x, y; Uint32 krasa; } pix[] = {
      {95, 47, KRASAS[1]}, {104, 52, KRASAS[1]}, {94, 50, FONS}, {105, 50, FONS},
      {100, 46, FONS}, {100, 53, FONS},
      {0, 197, KRASAS[1]}, {1, 202, KRASAS[1]}, {2, 200, FONS},  // x -8..1 clipped to 0..1
      {400, 400, FONS}, {399, 400, FONS}, {600, 400, FONS}};
  for (auto& p : pix) EXPECT_EQ(PixelAt(ekrans, p.x, p.y), p.krasa) << p.x << "," << p.y;
  m.Zimet(ekrans, 40);
  EXPECT_EQ(PixelAt(ekrans, 100, 50), KRASAS[2]);
  // A view moved right and down draws the objects moved left and up with the field.
  SDL_FillRect(ekrans, nullptr, FONS);
  m.Zimet(ekrans, 40, 30, 20);
  EXPECT_EQ(PixelAt(ekrans, 70, 30), KRASAS[3]);
  EXPECT_EQ(PixelAt(ekrans, 100, 50), FONS);
}

TEST_F(Objekti, ContactGeometry) {
  struct { int32_t px, py, R, x, y, r; bool krusto; } gad[] = {
      {100, 100, 0, 112, 108, 12, true},   // 208 < 288
      {100, 100, 0, 112, 112, 12, false},  // 288 is not below 288
      {100, 100, 10, 122, 101, 12, true},  // 485 < 488
      {100, 100, 10, 122, 102, 12, false},
      {100, 100, 0, 100, 100, 0, false},   // nothing below a limit of 0
      {-5, -5, 0, 5, 5, 12, true},         // negative positions are coordinates
      // 32-bit wrap-around, as the contact arithmetic defines it:
      {INT32_MAX, 0, 0, INT32_MIN, 0, 1, true},  // dx wraps to -1
      {0, 0, 0, 0, 0, 65536, false},             // 2 r^2 wraps to 0
      {0, 0, 0, 46341, 0, 0, true},              // d2 wraps negative
  };
  PakuMenedzeris m;
  for (auto& g : gad) {
    Pk pk;
    pk.xpos = (uint32_t)g.px;
    pk.ypos = (uint32_t)g.py;
    pk.radiuss = g.R;
    EXPECT_EQ(m.VaiKrusto(&pk, g.x, g.y, g.r), g.krusto) << g.px << " " << g.x << " " << g.r;
  }
  EXPECT_FALSE(m.VaiKrusto(nullptr, 0, 0, 100));
}

TEST_F(Objekti, DeletingInsideTheWalk) {
  struct {
    Darbiba darbiba; std::vector<std::string> izsaukumi, paliek; size_t kontrolpunkti;
  } gad[] = {
      {Darbiba::Neko, {"a", "b", "d"}, {"a", "b", "c", "d"}, 2},
      {Darbiba::DzestSevi, {"a", "b", "d"}, {"c"}, 0},
      {Darbiba::DzestDivreiz, {"a", "b", "d"}, {"c"}, 0},
      // a deletes b before its turn: b is freed and never reported; d deletes nothing.
      {Darbiba::DzestNakamo, {"a", "d"}, {"a", "c", "d"}, 1},
      {Darbiba::DzestVisus, {"a"}, {}, 0},
      {Darbiba::DzestVisu, {"a"}, {}, 0},
  };
  for (auto& g : gad) {
    SCOPED_TRACE((int)g.darbiba);
    PakuMenedzeris m;
    m.RegistretKrustosanasFunktoru(Krusto);
    Objekts(m, "a", 100, 100, 0, 31);
    Objekts(m, "b", 104, 100, 0, 31);
    Objekts(m, "c", 400, 100);
    Objekts(m, "d", 100, 104, 4);
    g_izsaukumi.clear();
    g_darbiba = g.darbiba;
    m.TestetKrustosanos(102, 102, 12);
    EXPECT_EQ(g_izsaukumi, g.izsaukumi);
    EXPECT_EQ(Vardi(m.pakas), g.paliek);
    EXPECT_EQ(m.kontrolpunkti.size(), g.kontrolpunkti);
    // The next walk sees exactly what is left.
    g_izsaukumi.clear();
    g_darbiba = Darbiba::Neko;
    m.TestetKrustosanos(102, 102, 12);
    std::vector<std::string> vel;
    for (auto& v : g.paliek)
      if (v != "c") vel.push_back(v);
    EXPECT_EQ(g_izsaukumi, vel);
  }
}

TEST_F(Objekti, DeletionAndAnEmptiedManager) {
  PakuMenedzeris m;
  m.RegistretKrustosanasFunktoru(Krusto);
  Sv* sv = RokuSekvence(m, 2, 32);
  sv->bilde->refcount++;  // to see the manager free it
  Pk* kp = Objekts(m, "kp", 10, 10, 0, 31, sv);
  Objekts(m, "cits", 10, 10, 0, 5, sv);
  m.DzestPaku(kp);
  EXPECT_EQ(Vardi(m.pakas), std::vector<std::string>{"cits"});
  EXPECT_TRUE(m.kontrolpunkti.empty());
  m.DzestPaku(nullptr);
  m.DzestPaku(std::string("nav"));
  m.DzestPaku(std::string("cits"));
  EXPECT_TRUE(m.pakas.empty());

  Objekts(m, "a", 10, 10, 0, 1, sv);
  SDL_Surface* bilde = sv->bilde;
  m.DzestVisu();
  EXPECT_TRUE(m.pakas.empty());
  EXPECT_TRUE(m.sekvences.empty());
  EXPECT_EQ(bilde->refcount, 1);
  SDL_FreeSurface(bilde);
  SDL_FillRect(ekrans, nullptr, FONS);
  m.Zimet(ekrans, 40);
  m.TestetKrustosanos(10, 10, 12);
  EXPECT_TRUE(g_izsaukumi.empty());
  EXPECT_EQ(PixelAt(ekrans, 10, 10), FONS);

  // Without a callback a contact goes nowhere; destruction releases what is left.
  {
    PakuMenedzeris m2;
    Sv* s2 = RokuSekvence(m2, 1, 32);
    bilde = s2->bilde;
    bilde->refcount++;
    Objekts(m2, "a", 10, 10, 0, 31, s2);
    m2.TestetKrustosanos(10, 10, 12);
    EXPECT_EQ(m2.pakas.size(), 1u);
  }
  EXPECT_EQ(bilde->refcount, 1);
  SDL_FreeSurface(bilde);
}

// The painted strips in the run folder: the frame grid level authors rely on, and alpha that
// survives loading (a transparent corner leaves the ground visible, the middle does not).
TEST_F(Objekti, PaintedStripsHaveEightFramesWithAlpha) {
  const char* faili[] = {"dinamits", "semtex", "veseliba", "baterija", "kontrolpunkts", "izeja"};
  for (const char* f : faili) {
    SCOPED_TRACE(f);
    PakuMenedzeris m;
    ASSERT_TRUE(m.IeladetSekvenci(f, std::string("ui/obj/") + f + ".png", 8, 32));
    Sv* sv = m.sekvences[0];
    EXPECT_EQ(sv->bilde->w, 256);
    EXPECT_EQ(sv->bilde->h, 32);
    EXPECT_NE(sv->bilde->format->Amask, 0u);
    Objekts(m, f, 200, 200, 0, 1, sv);
    SDL_FillRect(ekrans, nullptr, FONS);
    m.Zimet(ekrans, 40);
    EXPECT_EQ(PixelAt(ekrans, 184, 184), FONS);  // the frame's top-left corner
    EXPECT_NE(PixelAt(ekrans, 200, 200), FONS);
    EXPECT_EQ(PixelAt(ekrans, 183, 200), FONS);  // nothing outside the 32 x 32 frame
    EXPECT_EQ(PixelAt(ekrans, 216, 200), FONS);
  }
}
