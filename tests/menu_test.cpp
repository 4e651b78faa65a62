// Widgets, the main screen's clicks and messages, the intro's timing and the cursors.
#include <gtest/gtest.h>

#include "menu/Menu.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "tests/support/testutil.h"

namespace {

int mouseX = 0, mouseY = 0;
Uint8 Mouse(int* x, int* y) {
  *x = mouseX;
  *y = mouseY;
  return 0;
}

SDL_Event Event(Uint8 type, Uint8 button) {
  SDL_Event e = {};
  e.type = type;
  e.button.button = button;
  return e;
}

// A plain picture of one colour in the screen's format.
SDL_Surface* Picture(int w, int h, Uint32 colour) { return NewSurface(w, h, colour); }

// Rows of the surface holding a dark pixel (the black text) near x = 400.
std::vector<int> InkRows(SDL_Surface* s) {
  std::vector<int> rows;
  for (int y = 0; y < s->h; y++)
    for (int x = 300; x < 500; x++)
      if ((PixelAt(s, x, y) & 0xFF) < 0x80) {
        rows.push_back(y);
        break;
      }
  return rows;
}

class Menu : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenTestScreen();
    if (!TTF_WasInit()) TTF_Init();
    if (!font2) font2 = TTF_OpenFont(DELVORN_BIN_DIR "/dustismo_bold.TTF", 12);
    ierices.Pele = Mouse;
  }
};

}  // namespace

TEST_F(Menu, ButtonHoverIsStrictlyInsideAndBlitShrinksTheHitAreaToThePicture) {
  struct {
    int x, y;
    bool hovered;
  } cases[] = {{101, 101, true}, {100, 110, false}, {150, 110, false}, {149, 119, true},
               {149, 120, false}, {125, 100, false}, {-5, -5, false}};
  Button b;
  b.SetRect(100, 100, 50, 20);
  for (auto& k : cases) {
    b.Update(k.x, k.y, 0);
    EXPECT_EQ(b.isSelected, k.hovered) << k.x << "," << k.y;
  }
  // Hidden buttons still hover; only drawing looks at visibility.
  b.isVisible = false;
  b.Update(101, 101, 0);
  EXPECT_TRUE(b.isSelected);

  // One picture alone is never drawn; with both, SDL's clipped rectangle comes back.
  SDL_Surface* target = Picture(200, 200, 0);
  b.isVisible = true;
  b.img.normal = Picture(30, 10, 0x112233);
  b.Blit(target);
  EXPECT_EQ(PixelAt(target, 101, 101), 0u);
  b.img.selected = Picture(30, 10, 0x445566);
  b.Blit(target);
  EXPECT_EQ(PixelAt(target, 101, 101), 0x445566u);
  EXPECT_EQ(b.rect.w, 30);
  EXPECT_EQ(b.rect.h, 10);
  b.Update(140, 105, 0);
  EXPECT_FALSE(b.isSelected) << "the hit area is the drawn picture now";
  b.SetRect(190, 195, 50, 20);  // clipped by the target's edge
  b.Blit(target);
  EXPECT_EQ(b.rect.w, 10);
  EXPECT_EQ(b.rect.h, 5);
  for (SDL_Surface* s : {target, b.img.normal, b.img.selected}) SDL_FreeSurface(s);
}

TEST_F(Menu, InterpolateMixesTheTwoPicturesByTheLowByteOfTheOpacity) {
  struct {
    unsigned opacity;
    int lowBlue, highBlue;
  } cases[] = {{0, 0, 0}, {255, 0xFE, 0xFF}, {128, 0x7E, 0x81}, {256, 0, 0}, {383, 0x7D, 0x80}};
  SDL_Surface* target = Picture(4, 4, 0);
  BackgroundImage from, to;
  from.isVisible = to.isVisible = true;
  from.img.normal = Picture(4, 4, 0x000000);
  to.img.normal = Picture(4, 4, 0x0000FF);
  for (auto& k : cases) {
    to.Interpolate(target, &from, k.opacity);
    const int blue = PixelAt(target, 1, 1) & 0xFF;
    EXPECT_GE(blue, k.lowBlue) << k.opacity;
    EXPECT_LE(blue, k.highBlue) << k.opacity;
  }
  // A missing picture on either side: nothing is drawn.
  PixelAt(target, 1, 1) = 0x123456;
  BackgroundImage empty;
  empty.isVisible = true;
  to.Interpolate(target, &empty, 255);
  empty.Interpolate(target, &from, 255);
  EXPECT_EQ(PixelAt(target, 1, 1), 0x123456u);
  for (SDL_Surface* s : {target, from.img.normal, to.img.normal}) SDL_FreeSurface(s);
}

TEST_F(Menu, ALeftReleaseOverAButtonGivesItsActionOnItsScreenOnly) {
  struct {
    unsigned screen;
    int x, y;
    Uint8 type, button;
    unsigned action;
  } cases[] = {
      {1, 150, 540, SDL_MOUSEBUTTONUP, 1, 2},     // new game
      {1, 300, 540, SDL_MOUSEBUTTONUP, 1, 3},     // continue
      {1, 650, 540, SDL_MOUSEBUTTONUP, 1, 5},     // exit
      {1, 500, 540, SDL_MOUSEBUTTONUP, 1, 10},    // level: the level choice
      {1, 150, 540, SDL_MOUSEBUTTONDOWN, 1, 99},  // a press alone
      {1, 150, 540, SDL_MOUSEBUTTONUP, 3, 99},    // the right button
      {3, 400, 420, SDL_MOUSEBUTTONUP, 1, 3},     // close
      {3, 150, 540, SDL_MOUSEBUTTONUP, 1, 99},    // a main-menu button off its screen
      {4, 400, 400, SDL_MOUSEBUTTONUP, 1, 6},     // next level over the overlapping pair
      {5, 400, 400, SDL_MOUSEBUTTONUP, 1, 7},     // restart over the same spot
      {2, 400, 400, SDL_MOUSEBUTTONUP, 1, 99},
      {6, 400, 400, SDL_MOUSEBUTTONUP, 1, 99},
      {0, 150, 540, SDL_MOUSEBUTTONUP, 1, 99},    // in play the screen ignores clicks
  };
  MainScreen m;
  for (auto& k : cases) {
    m.selected_screen = k.screen;
    m.paradits = k.screen;  // a panel seen long enough to take a click
    m.paradits_no = ierices.Tagad() - 1000;
    m.action = 99;
    mouseX = k.x;
    mouseY = k.y;
    SDL_Event e = Event(k.type, k.button);
    m.ReceiveInput(e);
    EXPECT_EQ(m.action, k.action) << "screen " << k.screen << " at " << k.x << "," << k.y;
  }
  // The button that acted is un-hovered; in play not even hovering changes.
  m.selected_screen = 1;
  mouseX = 150;
  mouseY = 540;
  SDL_Event up = Event(SDL_MOUSEBUTTONUP, 1);
  m.ReceiveInput(up);
  EXPECT_FALSE(m.bt_newgame.isSelected);
  SDL_Event motion = Event(SDL_MOUSEMOTION, 0);
  m.ReceiveInput(motion);
  EXPECT_TRUE(m.bt_newgame.isSelected);
  m.selected_screen = 0;
  mouseX = 650;
  m.ReceiveInput(motion);
  EXPECT_TRUE(m.bt_newgame.isSelected);
  EXPECT_FALSE(m.bt_exit.isSelected);
}

TEST_F(Menu, MessageLinesStandElevenPixelsApartCentredOnTheScreen) {
  if (!font2) GTEST_SKIP() << "no message font in the run folder";
  MainScreen m;
  auto Draw = [&](const std::string& text, int y) {
    SDL_Surface* s = Picture(800, 600, 0xFFFFFF);
    m.PrintMessage(s, 0, y, text);
    std::vector<int> rows = InkRows(s);
    SDL_FreeSurface(s);
    return rows;
  };
  const std::vector<int> one = Draw("HH", 260);
  ASSERT_FALSE(one.empty());
  const int top = one.front() - 260;  // the glyphs' own offset below the line's top
  const int height = one.back() - one.front() + 1;
  struct {
    const char* text;
    std::vector<int> lineTops;
  } cases[] = {
      {"HH\nHH", {260, 271}},
      {"HH\n", {260}},
      {"\n\nHH", {282}},
      {"HH\n\nHH", {260, 282}},
      {"", {}},
  };
  for (auto& k : cases) {
    std::vector<int> expected;
    for (int t : k.lineTops)
      for (int r = 0; r < height; r++) expected.push_back(t + top + r);
    std::vector<int> rows = Draw(k.text, 260);
    // Lines 11 apart overlap by a row or two when glyphs are taller than 11 pixels.
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(rows, expected) << k.text;
  }
  // Centred on x 400 whatever x is given.
  SDL_Surface* s = Picture(800, 600, 0xFFFFFF);
  m.PrintMessage(s, 37, 100, "HHHH");
  int left = 800, right = 0;
  for (int y = 100; y < 120; y++)
    for (int x = 0; x < 800; x++)
      if ((PixelAt(s, x, y) & 0xFF) < 0x80) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  EXPECT_NEAR((left + right) / 2.0, 400.0, 2.0);
  SDL_FreeSurface(s);
}

TEST_F(Menu, IntroHoldsFadesAndEndsOnItsClock) {
  Intro intro;
  // A late start jumps past the first hold and fade straight to picture 1.
  EXPECT_TRUE(intro.Update(5000, screen));
  EXPECT_EQ(intro.selected_screen, 1u);
  EXPECT_EQ(intro.alpha, 0);
  EXPECT_TRUE(intro.Update(6199, screen));
  EXPECT_EQ(intro.timer, 6199u) << "held until 6200";
  // A fade that began at 10000.
  Intro b;
  b.waittimer = 0;
  b.timer = 10000;
  b.waittime = 0;
  struct {
    Uint32 now;
    int alpha;
    unsigned screen;
  } steps[] = {{11000, 127, 0}, {12000, 255, 0}, {12001, 0, 1}};
  for (auto& k : steps) {
    EXPECT_TRUE(b.Update(k.now, screen));
    EXPECT_EQ(b.alpha, k.alpha) << k.now;
    EXPECT_EQ(b.selected_screen, k.screen) << k.now;
  }
  // The last fade lands on picture 5: one more true, then false.
  Intro c;
  c.selected_screen = 4;
  c.waittimer = 0;
  c.timer = 0;
  EXPECT_TRUE(c.Update(100000, screen));
  EXPECT_EQ(c.selected_screen, 5u);
  EXPECT_FALSE(c.Update(100001, screen));
  // A released Escape ends it; a press does not.
  Intro d;
  SDL_Event press = {}, release = {};
  press.type = SDL_KEYDOWN;
  press.key.keysym.sym = SDLK_ESCAPE;
  release.type = SDL_KEYUP;
  release.key.keysym.sym = SDLK_ESCAPE;
  d.ReceiveInput(press);
  EXPECT_TRUE(d.Update(0, screen));
  d.ReceiveInput(release);
  EXPECT_FALSE(d.Update(1, screen));
}

TEST_F(Menu, IntroFadeSurvivesAnyClock) {
  struct {
    Uint32 timer, waittimer, now, fadetime;
  } cases[] = {
      {0xFFFFFF00u, 0xFFFFF000u, 0x00000010u, 2000},  // the clock wrapped
      {50000, 40000, 30000, 2000},                     // it went backwards
      {0, 0, 0xFFFFFFFFu, 2000},                       // a huge late start
      {1000, 0, 1500, 0},                              // no fade time at all
      {1000, 0, 1500, 0xFFFFFFFFu},                    // an endless fade
  };
  for (auto& k : cases) {
    Intro i;
    i.timer = k.timer;
    i.waittimer = k.waittimer;
    i.waittime = 0;
    i.fadetime = k.fadetime;
    i.Update(k.now, screen);
    EXPECT_GE(i.alpha, 0) << k.now;
    EXPECT_LE(i.alpha, 255) << k.now;
  }
}

TEST_F(Menu, CursorFrameAndHideRule) {
  struct {
    int width, heading, sourceX;
  } frames[] = {{370, 95, 90}, {370, 400, 360}, {370, 0, 0}, {370, 360, 360},
                {370, -10, 360}, {888, 90, 216}, {36, 50, 0}};
  for (auto& k : frames)
    EXPECT_EQ(DumshKursors::KadraX(k.width, k.heading), k.sourceX) << k.heading;
  struct {
    int dx, dy;
    bool hidden;
  } hide[] = {{15, 14, true}, {15, 15, false}, {0, 0, true}, {-21, 0, true}, {-22, 0, false},
              {40000, 40000, false}};
  for (auto& k : hide) EXPECT_EQ(PeleUzRaceja(k.dx, k.dy), k.hidden) << k.dx << "," << k.dy;

  // The frame is drawn centred 10 pixels right of and below the pointer; none when hidden.
  DumshKursors k;
  if (k.rotacijas) SDL_FreeSurface(k.rotacijas);
  if (k.parasts) SDL_FreeSurface(k.parasts);
  k.rotacijas = Picture(370, 10, 0x00FF00);
  k.parasts = nullptr;
  SDL_FillRect(screen, NULL, 0);
  k.ZimetSpelei(screen, 100, 100, 95, true);
  EXPECT_EQ(PixelAt(screen, 105, 105), 0u);
  k.ZimetSpelei(screen, 100, 100, 95, false);
  EXPECT_EQ(PixelAt(screen, 105, 105), 0x00FF00u);
  EXPECT_EQ(PixelAt(screen, 114, 114), 0x00FF00u);
  EXPECT_EQ(PixelAt(screen, 115, 115), 0u);
  k.ZimetMenuzim(screen, 300, 300);  // no arrow picture: nothing, no failure
  EXPECT_EQ(PixelAt(screen, 300, 300), 0u);
}
