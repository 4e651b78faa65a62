// The main screen: the main menu, the message, level-won and level-lost panels.
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>

#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/skana.h"

namespace {

struct PogasVieta {
  Button MainScreen::*poga;
  unsigned x, y, w, h;
  const char* normala;
  const char* izveleta;
  bool panelis = false;  // moves with the panels
};

const PogasVieta POGAS[] = {
    {&MainScreen::bt_newgame, 111, 518, 135, 57, "ui/menu/bt_newgame.png",
     "ui/menu/bts_newgame.png"},
    {&MainScreen::bt_continue, 257, 518, 168, 57, "ui/menu/bt_continue.png",
     "ui/menu/bts_continue.png"},
    {&MainScreen::bt_level, 441, 518, 168, 57, "ui/menu/bt_level.png", "ui/menu/bts_level.png"},
    {&MainScreen::bt_exit, 623, 518, 71, 57, "ui/menu/bt_exit.png", "ui/menu/bts_exit.png"},
    {&MainScreen::bt_close, 348, 387, 104, 67, "ui/menu/bt_aizvert.png", "ui/menu/bts_aizvert.png",
     true},
    {&MainScreen::bt_nextlevel, 348, 362, 104, 67, "ui/menu/bt_turpinat.png",
     "ui/menu/bts_turpinat.png", true},
    {&MainScreen::bt_restartlevel, 348, 362, 104, 67, "ui/menu/bt_parspelet.png",
     "ui/menu/bts_parspelet.png", true},
};

struct FonaVieta {
  BackgroundImage MainScreen::*fons;
  unsigned x, y, w, h;
  const char* fails;
  bool panelis = false;  // one of the panels
};

const int PANELA_X = 237, PANELA_Y = 190, PANELA_W = 326, PANELA_H = 221;

const FonaVieta FONI[] = {
    {&MainScreen::bgi_main, 0, 0, 800, 600, "ui/menu/main.jpg"},
    {&MainScreen::bgi_target, PANELA_X, PANELA_Y, PANELA_W, PANELA_H, "ui/logs.png", true},
    {&MainScreen::bgi_win, PANELA_X, PANELA_Y, PANELA_W, PANELA_H, "ui/vinnests.png", true},
    {&MainScreen::bgi_lost, PANELA_X, PANELA_Y, PANELA_W, PANELA_H, "ui/zaudejums.png", true},
};

const int RINDAS_SOLIS = 11;
const Uint32 KLIKSKA_PAUZE_MS = 500;
const int UZ_PRIEKSU = 60;  // how far ahead of the digger his way counts as in sight

bool IrPanelis(unsigned ekrans) { return ekrans >= 3 && ekrans <= 5; }

// Distance from (x, y) to the nearest pixel of the rectangle; 0 inside it.
double AttalumsLidz(double x, double y, int rx, int ry, int rw, int rh) {
  const double dx = x < rx ? rx - x : (x > rx + rw ? x - rx - rw : 0);
  const double dy = y < ry ? ry - y : (y > ry + rh ? y - ry - rh : 0);
  return std::sqrt(dx * dx + dy * dy);
}
const unsigned CENTRS_X = 400;
const int ZINJAS_Y = 260;        // the message panel
const int ZINJAS_Y_BEIGU = 284;  // the level-won and level-lost panels

void Atbrivot(SDL_Surface*& s) {
  if (s) SDL_FreeSurface(s);
  s = nullptr;
}

}  // namespace

MainScreen::MainScreen() {
  for (const FonaVieta& f : FONI) {
    BackgroundImage& b = this->*(f.fons);
    b.SetRect(f.x, f.y, f.w, f.h);
    b.img.normal = IeladetMenuBildi(f.fails);
    b.isVisible = true;
  }
  for (const PogasVieta& p : POGAS) {
    Button& b = this->*(p.poga);
    b.SetRect(p.x, p.y, p.w, p.h);
    b.img.normal = IeladetMenuBildi(p.normala);
    b.img.selected = IeladetMenuBildi(p.izveleta);
    b.isVisible = true;
  }
  text.clear();
  action = 1;
  selected_screen = 1;
}

MainScreen::~MainScreen() {
  for (const FonaVieta& f : FONI) Atbrivot((this->*(f.fons)).img.normal);
  for (const PogasVieta& p : POGAS) {
    Atbrivot((this->*(p.poga)).img.normal);
    Atbrivot((this->*(p.poga)).img.selected);
  }
}

// A button hovered on the screen shown, not one of another screen lying under the pointer.
static bool RedzamaPoga(const MainScreen& m, const Button* b) {
  switch (m.selected_screen) {
    case 1:
      return b == &m.bt_newgame || b == &m.bt_continue || b == &m.bt_level || b == &m.bt_exit;
    case 3: return b == &m.bt_close;
    case 4: return b == &m.bt_nextlevel;
    case 5: return b == &m.bt_restartlevel;
    default: return false;
  }
}

void MainScreen::ReceiveInput(SDL_Event& notikums) {
  if (selected_screen == 0) return;
  int x = 0, y = 0;
  ierices.Pele(&x, &y);
  Button* visas[] = {&bt_newgame, &bt_continue,  &bt_level,       &bt_exit,
                     &bt_close,   &bt_nextlevel, &bt_restartlevel};
  for (Button* b : visas) {
    const bool bija = b->isSelected;
    b->Update(x, y, 0);
    if (b->isSelected && !bija && RedzamaPoga(*this, b)) Skanet(SK_VIRS);
  }
  if (selected_screen == SCREEN_PAUSED) {  // any click goes on
    if (notikums.type == SDL_MOUSEBUTTONUP) action = 3;
    return;
  }
  if (notikums.type != SDL_MOUSEBUTTONUP || notikums.button.button != SDL_BUTTON_LEFT) return;
  // A panel not yet seen, or seen only for a moment, takes no click.
  if (IrPanelis(selected_screen) && PanelisGaida(ierices.Tagad())) return;
  // Each button that gives its code is un-hovered at once, so a later page does not open
  // with a button lit that the pointer left long ago.
  auto Dot = [this](Button& b, unsigned kods) {
    if (!b.isSelected) return;
    action = kods;
    b.isSelected = false;
    Skanet(SK_KLIKSKIS);
  };
  switch (selected_screen) {
    case 1:
      Dot(bt_newgame, 2);
      Dot(bt_exit, 5);
      Dot(bt_continue, 3);
      Dot(bt_level, ACTION_LEVELS);
      break;
    case SCREEN_LEVELS: {
      const int i = LimenjaRinda(x, y, levels.size());
      if (i >= 0 && levels[i].open) {
        chosen_level = i;
        action = ACTION_PLAY_CHOSEN;
      }
      break;
    }
    case 3:
      Dot(bt_close, 3);
      break;
    case 4:
      Dot(bt_nextlevel, 6);
      break;
    case 5:
      Dot(bt_restartlevel, 7);
      break;
    default:
      break;
  }
}

static void ZimetGalveno(MainScreen& m, SDL_Surface* merkis) {
  m.bgi_main.Blit(merkis);
  m.bt_newgame.Blit(merkis);
  m.bt_continue.Blit(merkis);
  m.bt_level.Blit(merkis);
  m.bt_exit.Blit(merkis);
}

unsigned MainScreen::Update(unsigned laiks, SDL_Surface* merkis) {
  if (selected_screen != paradits) {
    paradits = selected_screen;
    paradits_no = laiks;
  }
  switch (selected_screen) {
    case 1:
      ZimetGalveno(*this, merkis);
      break;
    case 2:
      bgi_game.Blit(merkis);
      break;
    case SCREEN_LEVELS: {
      bgi_main.Blit(merkis);
      int x = 0, y = 0;
      ierices.Pele(&x, &y);
      ZimetLimenjus(*this, merkis, x, y);
      break;
    }
    case SCREEN_PAUSED:
      ZimetPauzi(merkis);
      break;
    case 3:
      // A message with no game behind it stands on the main menu.
      if (!spele_palaista) ZimetGalveno(*this, merkis);
      bgi_target.Blit(merkis);
      bt_close.Blit(merkis);
      PrintMessage(merkis, CENTRS_X, ZINJAS_Y + panela_dy, text);
      break;
    case 4:
      bgi_win.Blit(merkis);
      PrintMessage(merkis, CENTRS_X, ZINJAS_Y_BEIGU + panela_dy, text);
      bt_nextlevel.Blit(merkis);
      break;
    case 5:
      bgi_lost.Blit(merkis);
      PrintMessage(merkis, CENTRS_X, ZINJAS_Y_BEIGU + panela_dy, text);
      bt_restartlevel.Blit(merkis);
      break;
    default:
      break;
  }
  return action;
}

void MainScreen::NovietotPanelus(int dx, int dy) {
  panela_dx = dx;
  panela_dy = dy;
  for (const FonaVieta& f : FONI)
    if (f.panelis) {
      (this->*(f.fons)).rect.x = (Sint16)(f.x + dx);
      (this->*(f.fons)).rect.y = (Sint16)(f.y + dy);
    }
  for (const PogasVieta& p : POGAS)
    if (p.panelis) {
      (this->*(p.poga)).rect.x = (Sint16)(p.x + dx);
      (this->*(p.poga)).rect.y = (Sint16)(p.y + dy);
    }
}

bool MainScreen::PanelisGaida(Uint32 tagad) const {
  return paradits != selected_screen || tagad - paradits_no < KLIKSKA_PAUZE_MS;
}

void PanelaNobide(int x, int y, int virziens, int* dx, int* dy) {
  // The halves of the window a panel may take, best first when they are equally clear:
  // above, below, right, left. The status display stays uncovered in each, and the button
  // below the panel stays on the screen.
  static const int VIETAS[][2] = {{0, -170}, {0, 140}, {223, 0}, {-117, 0}};
  const double a = virziens * M_PI / 180.0;
  const double px = x + UZ_PRIEKSU * std::cos(a), py = y - UZ_PRIEKSU * std::sin(a);
  double labaka = -1;
  *dx = *dy = 0;
  for (const auto& v : VIETAS) {
    const int rx = PANELA_X + v[0], ry = PANELA_Y + v[1];
    const double brivs = std::min(AttalumsLidz(x, y, rx, ry, PANELA_W, PANELA_H),
                                  AttalumsLidz(px, py, rx, ry, PANELA_W, PANELA_H));
    if (brivs > labaka + 0.5) {
      labaka = brivs;
      *dx = v[0];
      *dy = v[1];
    }
  }
}

void MainScreen::PrintMessage(SDL_Surface* merkis, int, int y, const std::string& zinja) {
  std::string rinda;
  int p = y - RINDAS_SOLIS;
  for (size_t i = 0; i < zinja.size(); i++) {
    const char z = zinja[i];
    if (z != '\n') rinda += z;
    if (z == '\n' || i + 1 == zinja.size()) {
      p += RINDAS_SOLIS;
      if (!rinda.empty())
        ZiimeeTekstuC(merkis, font2, CENTRS_X + panela_dx, (unsigned)p, rinda.c_str(), 0, 0, 0);
      rinda.clear();
    }
  }
}

void MainScreen::ZiimeeTekstuC(SDL_Surface* merkis, TTF_Font* f, unsigned x, unsigned y,
                               const char* teksts, unsigned r, unsigned g, unsigned b) {
  // Without the font the message is skipped rather than drawn with nothing.
  if (!f || !teksts || !merkis) return;
  SDL_Color krasa = {(Uint8)r, (Uint8)g, (Uint8)b, 0};
  SDL_Surface* virsma = TTF_RenderUTF8_Blended(f, teksts, krasa);
  int w = 0;
  TTF_SizeText(f, teksts, &w, NULL);
  if (!virsma) return;
  SDL_Rect kur = {(Sint16)((int)x - w / 2), (Sint16)y, 0, 0};
  SDL_BlitSurface(virsma, NULL, merkis, &kur);
  SDL_FreeSurface(virsma);
}
