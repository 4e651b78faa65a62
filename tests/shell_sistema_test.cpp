// The frame clock, quarter turns and the three text alignments.
#include <gtest/gtest.h>

#include <vector>

#include "shell/globali.h"
#include "shell/sistema.h"
#include "tests/support/testutil.h"

TEST(Raamji, DifferenceFromThePreviousCall) {
  struct { Uint32 now; int expected; } calls[] = {
      {1234, 1234},  // the remembered time starts at 0
      {1234, 0},     // the same time twice
      {1274, 40},
      {5, (int)(Uint32)(5u - 1274u)},  // wrap-around falls as it falls
  };
  for (auto& c : calls) EXPECT_EQ(raamji(c.now), c.expected) << c.now;
}

namespace {

// Rows of a w x w surface, as letters, to compare turns at a glance.
std::vector<std::string> Rows(SDL_Surface* s, int w) {
  std::vector<std::string> rows;
  for (int y = 0; y < w; y++) {
    std::string r;
    for (int x = 0; x < w; x++) r += (char)PixelAt(s, x, y);
    rows.push_back(r);
  }
  return rows;
}

SDL_Surface* Letters(const std::vector<std::string>& rows, int pitchPixels) {
  int w = (int)rows.size();
  static std::vector<std::vector<Uint32>> keep;
  keep.emplace_back((size_t)(pitchPixels * w), 0xDEADBEEF);
  Uint32* px = keep.back().data();
  for (int y = 0; y < w; y++)
    for (int x = 0; x < w; x++) px[y * pitchPixels + x] = (Uint32)rows[y][x];
  return SDL_CreateRGBSurfaceFrom(px, w, w, 32, pitchPixels * 4, 0xFF0000, 0xFF00, 0xFF, 0);
}

}  // namespace

TEST(Rotet, QuarterTurnsCounterClockwise) {
  using R = std::vector<std::string>;
  struct { int turns; R start; R expected; } cases[] = {
      {1, {"ab", "cd"}, {"bd", "ac"}},
      {2, {"ab", "cd"}, {"dc", "ba"}},
      {3, {"ab", "cd"}, {"ca", "db"}},
      {4, {"ab", "cd"}, {"ab", "cd"}},
      {0, {"ab", "cd"}, {"ab", "cd"}},
      {-1, {"ab", "cd"}, {"ca", "db"}},
      {-5, {"ab", "cd"}, {"ab", "cd"}},
      {5, {"ab", "cd"}, {"bd", "ac"}},
      {1, {"abc", "def", "ghi"}, {"cfi", "beh", "adg"}},
  };
  for (auto& c : cases) {
    // A padded row stride catches code that assumes pitch == width * 4.
    SDL_Surface* s = Letters(c.start, (int)c.start.size() + 3);
    rotet(c.turns, s);
    EXPECT_EQ(Rows(s, (int)c.start.size()), c.expected) << "turns " << c.turns;
    SDL_FreeSurface(s);
  }
}

TEST(Rotet, LeavesSurfacesOutsideItsLimitsAlone) {
  SDL_Surface* wide = NewSurface(51, 51, 7);
  PixelAt(wide, 50, 0) = 9;
  rotet(1, wide);
  EXPECT_EQ(PixelAt(wide, 50, 0), 9u);
  SDL_Surface* flat = NewSurface(10, 4, 7);
  PixelAt(flat, 9, 0) = 9;
  rotet(1, flat);  // shorter than wide: turning would read below its last row
  EXPECT_EQ(PixelAt(flat, 9, 0), 9u);
  rotet(1, NULL);
  SDL_FreeSurface(wide);
  SDL_FreeSurface(flat);
}

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenTestScreen();
    if (!TTF_WasInit()) TTF_Init();
    f = TTF_OpenFont("dustismo_bold.ttf", 11);
    ASSERT_NE(f, nullptr) << "the run folder's font";
  }
  void TearDown() override { TTF_CloseFont(f); }
  TTF_Font* f = nullptr;
};

TEST_F(TextTest, AlignmentsPlaceTheRenderedLine) {
  const char* text = "12:34";
  int w = 0;
  TTF_SizeText(f, text, &w, NULL);
  ASSERT_GT(w, 0);
  typedef void (*Draw)(SDL_Surface*, TTF_Font*, unsigned, unsigned, const char*, unsigned,
                       unsigned, unsigned);
  struct { const char* name; Draw draw; unsigned x; int expectedX; } cases[] = {
      {"right", ZiimeeTekstuR, 100, 100 - w},
      {"left", ZiimeeTekstuL, 100, 100},
      {"centre", ZiimeeTekstuC, 100, 100 - w / 2},
      {"right, clipped at the left edge", ZiimeeTekstuR, 3, 3 - w},
  };
  SDL_Color black = {0, 0, 0, 0};
  for (auto& c : cases) {
    SDL_Surface* got = NewSurface(200, 40, 0x808080);
    SDL_Surface* want = NewSurface(200, 40, 0x808080);
    c.draw(got, f, c.x, 7, text, 0, 0, 0);
    SDL_Surface* line = TTF_RenderText_Blended(f, text, black);
    SDL_Rect at = {(Sint16)c.expectedX, 7, 0, 0};
    SDL_BlitSurface(line, NULL, want, &at);
    int differing = 0, drawn = 0;
    for (int y = 0; y < 40; y++)
      for (int x = 0; x < 200; x++) {
        differing += PixelAt(got, x, y) != PixelAt(want, x, y);
        drawn += PixelAt(got, x, y) != 0x808080;
      }
    EXPECT_EQ(differing, 0) << c.name;
    EXPECT_GT(drawn, 0) << c.name;
    SDL_FreeSurface(line);
    SDL_FreeSurface(got);
    SDL_FreeSurface(want);
  }
}

TEST_F(TextTest, CentreTruncatesHalfAnOddWidth) {
  // Prefer a text exactly 31 pixels wide (drawn from 34 - 15 = 19); any odd width shows
  // the truncation as well.
  std::string text, odd;
  const char* pieces[] = {"i", "1", ":", "0", "l", "m", "W"};
  for (int n = 1; n < 12 && text.empty(); n++)
    for (const char* p : pieces)
      for (const char* q : pieces) {
        std::string t;
        for (int k = 0; k < n; k++) t += p;
        t += q;
        int w = 0;
        TTF_SizeText(f, t.c_str(), &w, NULL);
        if (w == 31 && text.empty()) text = t;
        if (w % 2 == 1 && odd.empty()) odd = t;
      }
  if (text.empty()) text = odd;
  ASSERT_FALSE(text.empty());
  int w = 0;
  TTF_SizeText(f, text.c_str(), &w, NULL);
  SDL_Surface* got = NewSurface(100, 30, 0);
  SDL_Surface* want = NewSurface(100, 30, 0);
  ZiimeeTekstuC(got, f, 34, 0, text.c_str(), 255, 255, 255);
  ZiimeeTekstuL(want, f, (unsigned)(34 - (w - 1) / 2), 0, text.c_str(), 255, 255, 255);
  int differing = 0;
  for (int y = 0; y < 30; y++)
    for (int x = 0; x < 100; x++) differing += PixelAt(got, x, y) != PixelAt(want, x, y);
  EXPECT_EQ(differing, 0) << "width " << w << " text " << text;
  SDL_FreeSurface(got);
  SDL_FreeSurface(want);
}

TEST_F(TextTest, EmptyTextDrawsNothing) {
  SDL_Surface* s = NewSurface(50, 20, 0x123456);
  ZiimeeTekstuL(s, f, 10, 5, "", 255, 255, 255);
  ZiimeeTekstuC(s, NULL, 10, 5, "x", 255, 255, 255);
  for (int y = 0; y < 20; y++)
    for (int x = 0; x < 50; x++) ASSERT_EQ(PixelAt(s, x, y), 0x123456u);
  SDL_FreeSurface(s);
}
