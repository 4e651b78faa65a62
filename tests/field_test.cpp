// The field's drawing: layers by hardness, radiation list, chasms, scrolling, kit frames,
// clipping and refused pictures.
#include <gtest/gtest.h>

#include <algorithm>

#include "field/zeme.h"
#include "shell/globali.h"
#include "tests/support/testutil.h"

namespace {

const Uint32 EARTH = 0x00AA5522, WALL = 0x00223344;

// A field with synthetic pictures: uniform earth and wall, and a mask to paint.
struct FieldFixture : public ::testing::Test {
  void SetUp() override {
    OpenTestScreen();
    japarzime = 0;
    radC = 0;
    for (auto& ik : ikonas) ik = AptiekasIkona{0, 0, 0};
    field = new Laukums(0, 0, "missing-mask.bmp", "missing.bmp", "missing.bmp");
    Build(800, 600);
  }
  void TearDown() override { delete field; }
  void Build(int w, int h) { NewFieldPictures(field, w, h, 0, EARTH, WALL); }
  Uint32& Mask(int x, int y) { return PixelAt(field->Siets, x, y); }
  Uint32 Screen(int x, int y) { return PixelAt(screen, x, y) & 0xFFFFFF; }
  Laukums* field = nullptr;
};

typedef FieldFixture FieldDraw;

}  // namespace

TEST_F(FieldDraw, HardnessChoosesTheLayer) {
  struct { int hardness; Uint32 shown; } cases[] = {{0, WALL}, {3, EARTH}, {200, EARTH}};
  int x = 10;
  for (auto& c : cases) Mask(x++, 20) = (Uint32)c.hardness;
  field->ZimLauk(0, 0, 0, 0, 1);
  x = 10;
  for (auto& c : cases) EXPECT_EQ(Screen(x++, 20), c.shown) << "hardness " << c.hardness;
}

TEST_F(FieldDraw, RadiationListKeepsTheFirstFiveOfAFullRedraw) {
  const int xs[6] = {5, 700, 3, 9, 400, 799};
  const int ys[6] = {1, 1, 2, 300, 300, 599};
  for (int k = 0; k < 6; k++) Mask(xs[k], ys[k]) = ArZonu(0, 90);
  field->ZimLauk(0, 0, 0, 0, 1);
  ASSERT_EQ(radC, 5);
  for (int k = 0; k < 5; k++) {
    EXPECT_EQ(rad[k].x, xs[k]);
    EXPECT_EQ(rad[k].y, ys[k]);
  }
  // A partial redraw neither restarts nor extends the list.
  rad[0].x = -7;
  field->ZimLauk(0, 0, 800, 600, 0);
  EXPECT_EQ(radC, 5);
  EXPECT_EQ(rad[0].x, -7);
}

TEST_F(FieldDraw, ChasmRegionOpensThenTurnsBlack) {
  Mask(100, 100) = ArZonu(200, 12);
  Mask(600, 500) = ArZonu(40, 12);
  Mask(101, 100) = ArZonu(200, 13);
  Mask(300, 300) = ArZonu(0, 5);
  field->Aiza_valja = 12;
  field->ZimLauk(0, 0, 0, 0, 1);
  EXPECT_EQ(Mask(100, 100), ArZonu(0, 5));
  EXPECT_EQ(Mask(600, 500), ArZonu(0, 5));
  EXPECT_EQ(Mask(101, 100), ArZonu(200, 13)) << "another region stays closed";
  EXPECT_EQ(Screen(100, 100), EARTH) << "opened this redraw, painted black by the next";
  EXPECT_EQ(Screen(300, 300), 0u) << "an open chasm is black";
  EXPECT_EQ(japarzime, 1);
  EXPECT_EQ(field->Aiza_valja, AIZA_NAV);
  field->ZimLauk(5, 5, 1, 1, 0);  // japarzime makes any call a full redraw
  EXPECT_EQ(japarzime, 0);
  EXPECT_EQ(Screen(100, 100), 0u);
  EXPECT_EQ(Screen(600, 500), 0u);
}

TEST_F(FieldDraw, PartialRegionsAreClippedToTheScreen) {
  for (int y = 0; y < 600; y++)
    for (int x = 0; x < 800; x++) PixelAt(screen, x, y) = 0x00FFFFFF;
  struct { int x, y, w, h; } regions[] = {
      {790, 590, 21, 21}, {-10, -10, 21, 21}, {795, 100, 60, 3}, {-50, 700, 30, 30}};
  for (auto& r : regions) field->ZimLauk(r.x, r.y, r.w, r.h, 0);
  EXPECT_EQ(Screen(799, 599), WALL);
  EXPECT_EQ(Screen(0, 0), WALL);
  EXPECT_EQ(Screen(10, 10), WALL);
  EXPECT_EQ(Screen(11, 11), 0xFFFFFFu);
  // An unclipped row would have run on into the next row's first pixels.
  EXPECT_EQ(Screen(0, 101), 0xFFFFFFu);
  EXPECT_EQ(Screen(0, 591), 0xFFFFFFu);
  for (int y = 0; y < 600; y++)
    for (int x = 0; x < 800; x++) PixelAt(screen, x, y) = 0x00FFFFFF;
  field->ZimLaukLite(790, -5, 30, 10);
  EXPECT_EQ(Screen(799, 4), WALL);
  EXPECT_EQ(Screen(799, 5), 0xFFFFFFu);
  EXPECT_EQ(Screen(0, 1), 0xFFFFFFu);
}

TEST_F(FieldDraw, ParbiditClampsTheViewOnALargerMask) {
  Build(1000, 700);
  struct { int startX, startY, kur, x, y; } cases[] = {
      {10, 0, 9, 0, 0},      {11, 0, 9, 1, 0},      {0, 0, 9, 0, 0},
      {0, 0, 3, 10, 0},      {189, 0, 3, 199, 0},   {190, 0, 3, 200, 0},
      {200, 0, 3, 200, 0},   {0, 0, 6, 0, 10},      {0, 95, 6, 0, 100},
      {0, 100, 6, 0, 100},   {0, 10, 12, 0, 0},     {0, 11, 12, 0, 1},
      {5, 5, 7, 5, 5},
  };
  for (auto& c : cases) {
    field->sak.x = (Sint16)c.startX;
    field->sak.y = (Sint16)c.startY;
    field->Parbidit(c.kur);
    EXPECT_EQ(field->sak.x, c.x) << c.startX << "," << c.startY << " kur " << c.kur;
    EXPECT_EQ(field->sak.y, c.y) << c.startX << "," << c.startY << " kur " << c.kur;
  }
  // The redraw shows the field from the new origin.
  Mask(999, 699) = 1;
  field->sak.x = 200;
  field->sak.y = 100;
  field->ZimLauk(0, 0, 0, 0, 1);
  EXPECT_EQ(Screen(799, 599), EARTH);
  EXPECT_EQ(Screen(798, 599), WALL);
}

TEST_F(FieldDraw, ParbiditKeepsAnExactViewAtTheOrigin) {
  for (int kur : {12, 6, 9, 3}) {
    field->Parbidit(kur);
    EXPECT_EQ(field->sak.x, 0);
    EXPECT_EQ(field->sak.y, 0);
  }
}

TEST_F(FieldDraw, KitFramesCycleThroughElevenOver55Calls) {
  // The single-precision sums give one cycle of 51 calls: frame 0 four times, frame 4 six
  // times, frame 10 once and the others five times; calls 52 to 55 start the next cycle.
  int calls[11] = {0};
  field->apt_kadrs_f = 0.0f;
  for (int n = 0; n < 55; n++) {
    field->BiditKadrus();
    ASSERT_GE(field->apt_kadrs, 0);
    ASSERT_LE(field->apt_kadrs, 10);
    calls[field->apt_kadrs]++;
    if (n == 49) {
      EXPECT_EQ(field->apt_kadrs, 9) << "call 50";
    }
    if (n == 50) {
      EXPECT_EQ(field->apt_kadrs, 10) << "call 51 shows the last frame";
    }
    if (n == 51) {
      EXPECT_EQ(field->apt_kadrs, 0) << "call 52 wraps";
    }
  }
  const int expected[11] = {4 + 4, 5, 5, 5, 6, 5, 5, 5, 5, 5, 1};
  for (int k = 0; k < 11; k++) EXPECT_EQ(calls[k], expected[k]) << "frame " << k;
}

TEST_F(FieldDraw, KitIconsShowTheirCurrentFrame) {
  SDL_Surface* strip = NewSurface(220, 20, 0);
  for (int f = 0; f < 11; f++)
    for (int y = 0; y < 20; y++)
      for (int x = 0; x < 20; x++) PixelAt(strip, f * 20 + x, y) = 0x010101u * (Uint32)(f + 1);
  // The field owns its strips: the run folder's are freed, the test's goes with the field.
  SDL_FreeSurface(field->apt2);
  SDL_FreeSurface(field->apt5);
  field->apt2 = strip;
  field->apt5 = NULL;  // a missing strip draws only the wall behind the icon
  ikonas[20] = AptiekasIkona{100, 200, 24};
  ikonas[21] = AptiekasIkona{300, 200, 25};
  field->AP_skaits = 22;
  Mask(305, 205) = 100;
  field->apt_kadrs = 3;
  field->ZimLauk(0, 0, 0, 0, 1);
  EXPECT_EQ(Screen(110, 210), 0x040404u);
  EXPECT_EQ(Screen(305, 205), WALL);
}

TEST_F(FieldDraw, MaskAccessOutsideTheMaskIsHarmless) {
  Mask(0, 0) = 77;
  EXPECT_EQ(field->LasitSietu(0, 0), 77u);
  for (auto p : {std::pair<int, int>{-1, 0}, {0, -1}, {800, 0}, {0, 600}, {100000, 5}}) {
    EXPECT_EQ(field->LasitSietu(p.first, p.second), 0u);
    field->RakstitSietu(p.first, p.second, 5);  // must not write anywhere
  }
  EXPECT_EQ(Mask(0, 0), 77u);
  EXPECT_EQ(Mask(799, 599), 0u);
}

TEST_F(FieldDraw, IeladetVirsmasRefusesPicturesThatDoNotFit) {
  // All three pictures are checked and loaded before any replaces a layer: the field takes
  // all three or keeps all three, with one line naming the culprit.
  std::string dir = MakeTempDir();
  struct { const char* name; int w, h; } pics[] = {
      {"good", 800, 600}, {"small", 640, 480}, {"wide", 900, 600}, {"big", 1600, 1200}};
  for (auto& p : pics) {
    SDL_Surface* s = NewSurface(p.w, p.h, 0x00000007);
    SaveBmp(s, dir + "/" + p.name + ".bmp");
    SDL_FreeSurface(s);
  }
  WriteFile(dir + "/text.bmp", "level = { }\n");
  struct {
    const char *mask, *layer1, *layer2;
    const char* line;  // expected stderr text; null: taken, silently
  } cases[] = {
      {"small", "wide", "none", "small.bmp: 640 x 480 pixels is smaller than the 800 x 600 view"},
      {"good", "wide", "good", "wide.bmp: is 900 x 600 pixels, unlike the mask's 800 x 600"},
      {"good", "good", "none", "none.bmp: cannot be opened: No such file or directory"},
      {"big", "good", "good", "good.bmp: is 800 x 600 pixels, unlike the mask's 1600 x 1200"},
      {"good", "text", "good", "text.bmp: is not a PNG, JPEG or BMP picture"},
      {"good", "good", "good", nullptr},
      {"big", "big", "big", nullptr},
  };
  for (auto& c : cases) {
    SDL_Surface* mask = field->Siets;
    SDL_Surface* wall = field->Pamats;
    SDL_Surface* earth = field->Zeme;
    testing::internal::CaptureStderr();
    field->IeladetVirsmas((dir + "/" + c.mask + ".bmp").c_str(),
                          (dir + "/" + c.layer1 + ".bmp").c_str(),
                          (dir + "/" + c.layer2 + ".bmp").c_str());
    std::string err = testing::internal::GetCapturedStderr();
    const std::string what = std::string(c.mask) + "," + c.layer1 + "," + c.layer2;
    if (c.line) {
      EXPECT_EQ(field->Siets, mask) << what;
      EXPECT_EQ(field->Pamats, wall) << what;
      EXPECT_EQ(field->Zeme, earth) << what;
      EXPECT_NE(err.find(c.line), std::string::npos) << what << ": " << err;
      EXPECT_NE(err.find("; the field keeps its pictures\n"), std::string::npos) << err;
      EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << what << ": " << err;
    } else {
      EXPECT_NE(field->Siets, mask) << what;
      EXPECT_NE(field->Pamats, wall) << what;
      EXPECT_NE(field->Zeme, earth) << what;
      EXPECT_EQ(err, "") << what;
      EXPECT_EQ(SietaCietiba(Mask(5, 5)), 7) << "the mask keeps its bytes through loading";
      EXPECT_EQ(field->Zeme->w, field->Siets->w) << what;
      EXPECT_EQ(field->Pamats->h, field->Siets->h) << what;
    }
  }
}

TEST_F(FieldDraw, TheViewOriginStaysWithinAnyField) {
  // The tallest field the caps allow: Down stops with the view on its last rows.
  Build(800, 4096);
  field->sak.y = 3300;
  for (int k = 0; k < 30; k++) field->Parbidit(6);
  EXPECT_EQ(field->sak.y, 4096 - 600);
  // Past the caps (made in memory): the 16-bit origin still never wraps to negative.
  Build(800, 40000);
  field->sak.y = 32760;
  for (int k = 0; k < 3; k++) {
    field->Parbidit(6);
    EXPECT_EQ(field->sak.y, 32767) << "step " << k;
  }
  field->Parbidit(12);
  EXPECT_EQ(field->sak.y, 32757);
  // A smaller field loaded later brings the origin back within it.
  std::string dir = MakeTempDir();
  SDL_Surface* s = NewSurface(1000, 700, 0);
  const std::string path = SaveBmp(s, dir + "/f.bmp");
  SDL_FreeSurface(s);
  field->sak.x = 0;
  field->IeladetVirsmas(path.c_str(), path.c_str(), path.c_str());
  EXPECT_EQ(field->sak.y, 100);
  field->sak.x = -50;
  field->sak.y = -7;
  field->Parbidit(0);
  EXPECT_EQ(field->sak.x, 0);
  EXPECT_EQ(field->sak.y, 0);
}

TEST(FieldLoad, ConstructorLoadsAllThreeLayersFromOnePicture) {
  OpenTestScreen();
  std::string dir = MakeTempDir();
  SDL_Surface* pic = NewSurface(800, 600, 0x00335507);
  std::string path = SaveBmp(pic, dir + "/pamats.bmp");
  Laukums l(0, 0, path.c_str(), path.c_str(), path.c_str());
  ASSERT_NE(l.Siets, nullptr);
  ASSERT_NE(l.Zeme, nullptr);
  ASSERT_NE(l.Pamats, nullptr);
  EXPECT_EQ(l.LasitSietu(10, 10) & 0xFFFFFF, 0x00335507u);
  EXPECT_EQ(l.Aiza_valja, AIZA_NAV);
  EXPECT_EQ(l.AP_skaits, IKONU_SAKUMS);
  for (auto* b : l.Bumbas) EXPECT_EQ(b, nullptr);
  SDL_Surface* small = NewSurface(799, 600, 0);
  std::string smallPath = SaveBmp(small, dir + "/small.bmp");
  testing::internal::CaptureStderr();
  Laukums refused(0, 0, smallPath.c_str(), path.c_str(), path.c_str());
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(refused.Siets, nullptr);
  EXPECT_NE(err.find("small.bmp: 799 x 600"), std::string::npos) << err;
  SDL_FreeSurface(pic);
  SDL_FreeSurface(small);
}
