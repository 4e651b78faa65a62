// Start-up, the frame loop's order and pacing, and shutdown.
#include "shell/spele.h"

#include <SDL_ttf.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/platforma.h"
#include "shell/sistema.h"

namespace {

const char* const VIRSRAKSTS = "Delvorn";
const int PLATUMS = 800, AUGSTUMS = 600, DZILUMS = 32;
const int KADRA_MS = 40;
const char* const LAUKA_BILDE = "map/pamats1.bmp";

// The screen the main screen shows; 0 = playing. The main screen comes with the menus;
// until then the game is always in play.
unsigned Ekrans() { return 0; }

void RakstitVirsrakstu() {
  const int IEKSA = 45;
  char rinda[IEKSA + 3];
  rinda[0] = '+';
  memset(rinda + 1, '-', IEKSA);
  rinda[IEKSA + 1] = '+';
  rinda[IEKSA + 2] = 0;
  printf("%s\n|%-*s|\n%s\n", rinda, IEKSA, "                  Delvorn", rinda);
}

void Fatali(int statuss, const char* formats, const char* kluda) {
  char teksts[512];
  snprintf(teksts, sizeof(teksts), formats, kluda);
  FatalaKluda(teksts);
  exit(statuss);
}

void AtvertFontus() {
  if (TTF_Init() == -1) fprintf(stderr, "\nProbleemaa ar TTF_Init: %s\n", SDL_GetError());
  font = TTF_OpenFont("dustismo_bold.ttf", 11);
  if (!font) {
    fprintf(stderr, "Probleema ar dustismo_bold.ttf: %s\n", SDL_GetError());
    exit(1);
  }
  hfont = TTF_OpenFont("hlth.ttf", 22);
  if (!hfont) {
    fprintf(stderr, "Probleema ar hlth.ttf: %s\n", SDL_GetError());
    exit(1);
  }
  font2 = TTF_OpenFont("dustismo_bold.TTF", 12);
}

void AtvertEkranu(int argc, char** argv) {
  const char* trukums = DispleijaTrukums();
  if (trukums) Fatali(1, "Couldn't initialize SDL: %s\n", trukums);
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) < 0)
    Fatali(1, "Couldn't initialize SDL: %s\n", SDL_GetError());
  atexit(SDL_Quit);
  screen = SDL_SetVideoMode(PLATUMS, AUGSTUMS, DZILUMS, SDL_HWSURFACE | SDL_DOUBLEBUF);
  if (argc > 1 && atoi(argv[1]) != 0)
    screen = SDL_SetVideoMode(PLATUMS, AUGSTUMS, DZILUMS, SDL_FULLSCREEN);
  if (!screen) Fatali(2, "Couldn't set 800x600x32 video mode: %s\n", SDL_GetError());
  SDL_WM_SetCaption(VIRSRAKSTS, NULL);
}

// The quit event; the keys, buttons and the main screen's input join with the play flow.
void ApstradatNotikumu(SpelesCikls& c) {
  switch (c.event.type) {
    case SDL_QUIT: c.done = 1; break;
    default: break;
  }
}

}  // namespace

void Sakt(SpelesCikls& c, int argc, char** argv) {
  memset(&c, 0, sizeof(c));
  RakstitVirsrakstu();                                          // 1
  c.dzoistiks_ir = argc > 3 && atoi(argv[3]) > 0;               // 2
  AtvertFontus();                                               // 3-6
  AtvertEkranu(argc, argv);                                     // 7-10
  // 11: the item types' pictures (with the bag).
  L1 = new Laukums(0, 0, LAUKA_BILDE, LAUKA_BILDE, LAUKA_BILDE);  // 12
  if (!L1->Siets || !L1->Zeme || !L1->Pamats)
    Fatali(3, "Couldn't use the field picture %s: it is missing, unreadable or smaller "
              "than 800 x 600 pixels.\n", LAUKA_BILDE);
  // 13: the digger (with the digger).
  c.done = 0;                                                   // 14
  c.gaidit = KADRA_MS;
  c.laiks = 0;
  c.kustiba = 0;
  japarzime = 0;
  // 15: the kit index comes with the kits; then the first full redraw.
  L1->ZimLauk(0, 0, 0, 0, 1);
  SDL_ShowCursor(0);                                            // 16
  // 17: the cursor and the object manager with its contact callback (with the objects).
  // 18: the main screen (with the menus).
  printf("saakt\n%d\n", argc);                                  // 19
  fflush(stdout);
  if (argc > 2) {                                               // 20
    // The level loader comes with the level files; the path is kept for new game.
    limenis = argv[2];
  } else {
    // The intro comes with the menus.
  }
  // 21: the joystick (with the joystick).
}

void Kadrs(SpelesCikls& c) {
  // 1: the digger's contact test against the objects (with the objects).
  while (SDL_PollEvent(&c.event)) {                             // 2
    SDL_JoystickUpdate();
    ApstradatNotikumu(c);
  }
  // 3: the digger's pause countdown (with the digger).
  // 4: partial redraws around the digger and the panel (with the digger).
  c.pele = ierices.Pele(&c.pelex, &c.peley);                    // 5
  // 6: joystick buttons (with the joystick).
  // 7: steering and one walking step (with the digger).
  // 8: the digger's animation (with the digger), then the kits'.
  L1->BiditKadrus();
  L1->ZimLauk(7, 385, 249, 200, 1);                             // 9
  // 10: bombs and blasts (with the bombs).
  // 11: the objects (with the objects).
  // 12: the digger (with the digger).
  // 13: the inventory panel (with the panel).
  // 14: the health update (with health and battery).
  // 15: the level and battery clocks (with the play flow).
  // 16: the game cursor (with the cursor).
  c.laiks = raamji(ierices.Tagad());                            // 17
  // 18: the battery drain (with the digger).
  c.gaidit = KADRA_MS - c.laiks;                                // 19
  if (c.gaidit < 0) c.gaidit = 0;
  ierices.Gulet((Uint32)c.gaidit);
  // 20: the end-of-game check (with the play flow).
  // 21: the menu action (with the play flow), only when Ekrans() is not 0.
  // 22, 23: the main screen and the menu cursor (with the menus).
  (void)Ekrans();
  SDL_Flip(screen);                                             // 24
}

int Beigt(SpelesCikls&) {
  // The main screen and the object manager are destroyed here once they exist; the field,
  // the digger, the fonts and the joystick are left to the end of the process.
  return 0;
}

int Spele(int argc, char** argv) {
  SpelesCikls c;
  Sakt(c, argc, argv);
  while (c.done == 0) Kadrs(c);
  return Beigt(c);
}
