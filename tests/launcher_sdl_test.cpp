// The SDL start dialog headless: pushed mouse and key events through the launcher's whole
// sequence, what the dialog draws, and how it fails without a display or its picture.
#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "launcher/palaidejs.h"
#include "launcher/platforma.h"
#include "launcher/resource.h"
#include "launcher/veidne.h"
#include "tests/support/testutil.h"

namespace {

SDL_Event Poga(Uint8 tips, int x, int y) {
  SDL_Event e;
  memset(&e, 0, sizeof e);
  e.type = tips;
  e.button.type = tips;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.state = tips == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.button.x = (Uint16)x;
  e.button.y = (Uint16)y;
  return e;
}

SDL_Event Taustins(SDLKey k, SDLMod mod = KMOD_NONE) {
  SDL_Event e;
  memset(&e, 0, sizeof e);
  e.type = SDL_KEYDOWN;
  e.key.type = SDL_KEYDOWN;
  e.key.state = SDL_PRESSED;
  e.key.keysym.sym = k;
  e.key.keysym.mod = mod;
  return e;
}

SDL_Event Tips(Uint8 t) {
  SDL_Event e;
  memset(&e, 0, sizeof e);
  e.type = t;
  return e;
}

Taisnsturis Vieta(int id) { return VadiklasTaisnsturis(DIALOGA_VADIKLAS[VadiklasIndekss(id)]); }

// Press and release at the middle of control `id`.
void Klikskis(std::vector<SDL_Event>& v, int id) {
  Taisnsturis t = Vieta(id);
  v.push_back(Poga(SDL_MOUSEBUTTONDOWN, t.x + t.w / 2, t.y + t.h / 2));
  v.push_back(Poga(SDL_MOUSEBUTTONUP, t.x + t.w / 2, t.y + t.h / 2));
}

// The real SDL dialog, with the player's events queued once it shows, and the process start
// recorded instead of done. A marker queued after the player's events tells whether the
// dialog ended by them or only by the closing SDL_QUIT that keeps a broken loop from hanging.
struct ArNotikumiem : Platforma {
  std::unique_ptr<Platforma> dialogs{JaunaPlatforma(nullptr)};
  std::vector<SDL_Event> notikumi;
  bool beidzaPats = false;
  int sakumi = 0;
  std::string rinda, mape;

  bool RaditDialogu() override {
    if (!dialogs->RaditDialogu()) return false;
    for (SDL_Event e : notikumi) SDL_PushEvent(&e);
    SDL_Event marker = Tips(SDL_USEREVENT), quit = Tips(SDL_QUIT);
    SDL_PushEvent(&marker);
    SDL_PushEvent(&quit);
    return true;
  }
  void ZinojumuCikls() override { dialogs->ZinojumuCikls(); }
  bool IrAtzimeta(int id) override { return dialogs->IrAtzimeta(id); }
  void SutitIziesanu() override { dialogs->SutitIziesanu(); }
  void BeigtDialogu() override {
    SDL_Event e;
    beidzaPats = SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_EVENTMASK(SDL_USEREVENT)) == 1;
    dialogs->BeigtDialogu();
  }
  void SaktProcesu(const std::string& r, const std::string& m) override {
    sakumi++;
    rinda = r;
    mape = m;
  }
};

class LauncherSdl : public testing::Test {
 protected:
  char vecais[PATH_MAX];
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_NE(nullptr, getcwd(vecais, sizeof vecais));
    ASSERT_EQ(0, chdir(DELVORN_DIST_DIR));
    palaisana_pieprasita = pilnekrans = false;
  }
  void TearDown() override {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_Quit();
    ASSERT_EQ(0, chdir(vecais));
  }
};

enum Solis { K_RUTINA, K_PALAIST, K_IZIET, TAB, SHIFT_TAB, SPACE, ENTER, KP_ENTER, ESC, AIZVERT,
             PALAIST_NOST_PAR_ATTELU, KLIKSKIS_ATTELA };

std::vector<SDL_Event> Notikumi(const std::vector<Solis>& soli) {
  std::vector<SDL_Event> v;
  for (Solis s : soli) {
    switch (s) {
      case K_RUTINA: Klikskis(v, IDC_FULLSCREEN); break;
      case K_PALAIST: Klikskis(v, IDOK); break;
      case K_IZIET: Klikskis(v, IDCANCEL); break;
      case TAB: v.push_back(Taustins(SDLK_TAB)); break;
      case SHIFT_TAB: v.push_back(Taustins(SDLK_TAB, KMOD_LSHIFT)); break;
      case SPACE: v.push_back(Taustins(SDLK_SPACE)); break;
      case ENTER: v.push_back(Taustins(SDLK_RETURN)); break;
      case KP_ENTER: v.push_back(Taustins(SDLK_KP_ENTER)); break;
      case ESC: v.push_back(Taustins(SDLK_ESCAPE)); break;
      case AIZVERT: v.push_back(Tips(SDL_QUIT)); break;
      case PALAIST_NOST_PAR_ATTELU: {
        // Pressed on "Palaist", released over the picture: no click.
        Taisnsturis t = Vieta(IDOK), a = Vieta(IDC_STATIC);
        v.push_back(Poga(SDL_MOUSEBUTTONDOWN, t.x + 5, t.y + 5));
        v.push_back(Poga(SDL_MOUSEBUTTONUP, a.x + 50, a.y + 50));
        break;
      }
      case KLIKSKIS_ATTELA: {
        Taisnsturis a = Vieta(IDC_STATIC);
        v.push_back(Poga(SDL_MOUSEBUTTONDOWN, a.x + 50, a.y + 50));
        v.push_back(Poga(SDL_MOUSEBUTTONUP, a.x + 50, a.y + 50));
        break;
      }
    }
  }
  return v;
}

TEST_F(LauncherSdl, MouseAndKeysGiveTheRightStartAndEndTheDialog) {
  struct {
    const char* nosaukums;
    std::vector<Solis> soli;
    const char* rinda;  // nullptr: nothing started
    bool beidzas;       // the dialog ends by these events alone
  } const gadijumi[] = {
      {"click Palaist", {K_PALAIST}, "bin/delvorn.exe 0", true},
      {"check, Palaist", {K_RUTINA, K_PALAIST}, "bin/delvorn.exe 1", true},
      {"check twice, Palaist", {K_RUTINA, K_RUTINA, K_PALAIST}, "bin/delvorn.exe 0", true},
      {"check, Iziet", {K_RUTINA, K_IZIET}, nullptr, true},
      {"Enter", {ENTER}, "bin/delvorn.exe 0", true},
      {"keypad Enter after check", {K_RUTINA, KP_ENTER}, "bin/delvorn.exe 1", true},
      {"Space on the focused box, Enter", {SPACE, ENTER}, "bin/delvorn.exe 1", true},
      {"Tab to Palaist, Space", {TAB, SPACE}, "bin/delvorn.exe 0", true},
      {"Tab Tab to Iziet, Space", {SPACE, TAB, TAB, SPACE}, nullptr, true},
      {"Shift+Tab to Iziet, Space", {SHIFT_TAB, SPACE}, nullptr, true},
      {"Tab wraps to the box", {TAB, TAB, TAB, SPACE, TAB, SPACE}, "bin/delvorn.exe 1", true},
      {"Shift+Tab wraps to the box", {SHIFT_TAB, SHIFT_TAB, SHIFT_TAB, SPACE, ENTER},
       "bin/delvorn.exe 1", true},
      {"Enter on focused Iziet", {K_RUTINA, TAB, TAB, ENTER}, nullptr, true},
      {"clicked box keeps Enter on Palaist", {TAB, TAB, K_RUTINA, ENTER}, "bin/delvorn.exe 1", true},
      {"Escape after check", {K_RUTINA, ESC}, nullptr, true},
      {"close after check", {K_RUTINA, AIZVERT}, nullptr, true},
      {"released elsewhere", {PALAIST_NOST_PAR_ATTELU}, nullptr, false},
      {"picture is no control", {KLIKSKIS_ATTELA, SPACE}, nullptr, false},
      {"box alone", {K_RUTINA}, nullptr, false},
  };
  for (const auto& g : gadijumi) {
    SCOPED_TRACE(g.nosaukums);
    palaisana_pieprasita = pilnekrans = false;
    ArNotikumiem p;
    p.notikumi = Notikumi(g.soli);
    EXPECT_EQ(0, Palaidejs(p));
    EXPECT_EQ(g.beidzas, p.beidzaPats);
    EXPECT_EQ(g.rinda ? 1 : 0, p.sakumi);
    if (g.rinda) {
      EXPECT_EQ(g.rinda, p.rinda);
      EXPECT_EQ("bin", p.mape);
    }
    EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_VIDEO)) << "the dialog's window outlived it";
  }
}

// Light pixels (all channels above 0xC0) in a rectangle of the screen.
int Gaisie(SDL_Surface* s, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; y++)
    for (int x = x0; x < x0 + w; x++) {
      Uint8 r, g, b;
      SDL_GetRGB(PixelAt(s, x, y), s->format, &r, &g, &b);
      if (r > 0xC0 && g > 0xC0 && b > 0xC0) n++;
    }
  return n;
}

TEST_F(LauncherSdl, DrawsThePictureTheCheckMarkAndTheFocus) {
  std::unique_ptr<Platforma> p(JaunaPlatforma(nullptr));
  ASSERT_TRUE(p->RaditDialogu());
  SDL_Surface* s = SDL_GetVideoSurface();
  ASSERT_NE(nullptr, s);
  ASSERT_EQ(4, s->format->BytesPerPixel);
  EXPECT_EQ(182, s->w);
  EXPECT_EQ(384, s->h);
  char* caption = nullptr;
  SDL_WM_GetCaption(&caption, nullptr);
  EXPECT_STREQ("Delvorn", caption);
  EXPECT_EQ(nullptr, getenv("SDL_VIDEO_CENTERED")) << "the game would inherit the centring";

  SDL_Surface* bmp = SDL_LoadBMP("Game.bmp");
  ASSERT_NE(nullptr, bmp);
  SDL_Surface* attels = SDL_ConvertSurface(bmp, s->format, SDL_SWSURFACE);
  SDL_FreeSurface(bmp);
  const int punkti[][2] = {{0, 0}, {170, 0}, {0, 309}, {170, 309}, {85, 200}};
  for (const auto& pt : punkti)
    EXPECT_EQ(PixelAt(attels, pt[0], pt[1]), PixelAt(s, 6 + pt[0], 6 + pt[1]))
        << pt[0] << "," << pt[1];
  SDL_FreeSurface(attels);

  // The box is the check box control's first square; the focus mark's left edge on
  // "Palaist" lies left of its centred text.
  Taisnsturis r = Vieta(IDC_FULLSCREEN), pal = Vieta(IDOK);
  int bx = r.x + 3, by = r.y + (r.h - 13) / 2 + 1;
  EXPECT_EQ(0, Gaisie(s, bx, by, 11, 11));
  EXPECT_EQ(0, Gaisie(s, pal.x + 4, pal.y + 4, 1, pal.h - 8));

  // Tick the box and move the focus on; the closing quit ends the loop without a new frame.
  std::vector<SDL_Event> v = Notikumi({K_RUTINA, TAB});
  v.push_back(Tips(SDL_QUIT));
  for (SDL_Event e : v) SDL_PushEvent(&e);
  p->ZinojumuCikls();
  EXPECT_TRUE(p->IrAtzimeta(IDC_FULLSCREEN));
  EXPECT_GT(Gaisie(s, bx, by, 11, 11), 8);
  EXPECT_GT(Gaisie(s, pal.x + 4, pal.y + 4, 1, pal.h - 8), 3);
  p->BeigtDialogu();
}

std::string VienaRinda(const std::string& s) {
  if (s.empty() || s.back() != '\n' || s.find('\n') != s.size() - 1) return "not one line: " + s;
  return "";
}

TEST_F(LauncherSdl, NoDisplayIsOneLineAndNoWindow) {
  std::string draiveris = getenv("SDL_VIDEODRIVER") ? getenv("SDL_VIDEODRIVER") : "";
  const char* d = getenv("DISPLAY");
  std::string displejs = d ? d : "";
  unsetenv("SDL_VIDEODRIVER");
  unsetenv("DISPLAY");
  std::unique_ptr<Platforma> p(JaunaPlatforma(nullptr));
  testing::internal::CaptureStderr();
  bool ok = p->RaditDialogu();
  std::string err = testing::internal::GetCapturedStderr();
  setenv("SDL_VIDEODRIVER", draiveris.c_str(), 1);
  if (d) setenv("DISPLAY", displejs.c_str(), 1);
  EXPECT_FALSE(ok);
  EXPECT_EQ("", VienaRinda(err));
  EXPECT_NE(std::string::npos, err.find("display"));
  EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_VIDEO));
}

TEST_F(LauncherSdl, MissingPictureIsOneLineNamingItAndNoWindow) {
  std::string t = MakeTempDir();
  ASSERT_EQ(0, mkdir((t + "/bin").c_str(), 0755));
  CopyFile(DELVORN_DIST_DIR "/bin/dustismo_bold.ttf", t + "/bin/dustismo_bold.ttf");
  ASSERT_EQ(0, chdir(t.c_str()));
  std::unique_ptr<Platforma> p(JaunaPlatforma(nullptr));
  testing::internal::CaptureStderr();
  bool ok = p->RaditDialogu();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(ok);
  EXPECT_EQ("", VienaRinda(err));
  EXPECT_NE(std::string::npos, err.find("Game.bmp"));
  EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_VIDEO));
}

// Without bin/ there is no font and no game: the dialog still works, and "Palaist" closes it
// and ends the launcher in silence.
TEST_F(LauncherSdl, NoBinFolderPalaistEndsQuietly) {
  std::string t = MakeTempDir();
  CopyFile(DELVORN_DIST_DIR "/Game.bmp", t + "/Game.bmp");
  ASSERT_EQ(0, chdir(t.c_str()));
  struct Ista : ArNotikumiem {
    void SaktProcesu(const std::string& r, const std::string& m) override {
      ArNotikumiem::SaktProcesu(r, m);
      dialogs->SaktProcesu(r, m);
    }
  } p;
  p.notikumi = Notikumi({K_RUTINA, K_PALAIST});
  testing::internal::CaptureStderr();
  int status = Palaidejs(p);
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
  EXPECT_EQ(0, status);
  EXPECT_TRUE(p.beidzaPats);
  EXPECT_EQ("bin/delvorn.exe 1", p.rinda);
}

}  // namespace
