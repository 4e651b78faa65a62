// Start-up, the frame loop's order and pacing, and shutdown.
#include "shell/spele.h"

#include <SDL_ttf.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "digger/racejs.h"
#include "field/spradziens.h"
#include "field/zeme.h"
#include "input/Dzoistiks.h"
#include "inventory/inventars.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "shell/atminja.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/ieraksts.h"
#include "shell/ierices.h"
#include "shell/ikona.h"
#include "shell/logs.h"
#include "shell/platforma.h"
#include "shell/sistema.h"
#include "shell/skana.h"

namespace {

const char* const VIRSRAKSTS = "Delvorn";
const int KADRA_MS = 40;
const char* const LAUKA_BILDE = "map/pamats1.bmp";

void RakstitVirsrakstu() {
  const int IEKSA = 45;
  char rinda[IEKSA + 3];
  rinda[0] = '+';
  memset(rinda + 1, '-', IEKSA);
  rinda[IEKSA + 1] = '+';
  rinda[IEKSA + 2] = 0;
  const int ATKAPE = 18;
  printf("%s\n|%*s%-*s|\n%s\n", rinda, ATKAPE, "", IEKSA - ATKAPE, VIRSRAKSTS, rinda);
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
  // The line on standard error, and the same box as the graphics failures: a windowed game
  // whose report goes to a file would otherwise vanish without a word.
  if (!font) Fatali(1, "Probleema ar dustismo_bold.ttf: %s\n", SDL_GetError());
  hfont = TTF_OpenFont("hlth.ttf", 22);
  if (!hfont) Fatali(1, "Probleema ar hlth.ttf: %s\n", SDL_GetError());
  font2 = TTF_OpenFont("dustismo_bold.TTF", 12);
  pfont = TTF_OpenFont("dustismo_bold.ttf", 15);
}

void AtvertEkranu(const SpelesCikls& c, int argc, char** argv) {
  const char* trukums = DispleijaTrukums();
  if (trukums) Fatali(1, "Couldn't initialize SDL: %s\n", trukums);
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) < 0)
    Fatali(1, "Couldn't initialize SDL: %s\n", SDL_GetError());
  atexit(SDL_Quit);
  UzliktIkonu();  // before the first video mode, or the window keeps no icon
  // The command line's FULLSCREEN decides when it is given; else the one remembered.
  const bool pilns = argc > 1 ? atoi(argv[1]) != 0 : c.pilns_ekrans;
  if (!AtvertLogu(c.merogs, pilns))
    Fatali(2, "Couldn't set 800x600x32 video mode: %s\n", SDL_GetError());
  SDL_WM_SetCaption(VIRSRAKSTS, NULL);
}

// M mutes, - and + change the volume, in play and on the menus.
bool SkanasKlavis(SDLKey k) {
  switch (k) {
    case SDLK_m: PartrauktKlusumu(); return true;
    case SDLK_MINUS:
    case SDLK_KP_MINUS: MainitSkalumu(-16); return true;
    case SDLK_PLUS:
    case SDLK_EQUALS:
    case SDLK_KP_PLUS: MainitSkalumu(16); return true;
    default: return false;
  }
}

// A key press counts only while the digger is not held by a pause.
void KlavisNospiesta(SpelesCikls& c, SDLKey klavis) {
  if (pirmais->kustibu_pauze != 0) return;
  BultaNospiesta(c.skats, klavis, *pirmais);  // held, an arrow looks on
  switch (klavis) {
    case SDLK_UP: L1->Parbidit(12); break;
    case SDLK_DOWN: L1->Parbidit(6); break;
    case SDLK_LEFT: L1->Parbidit(9); break;
    case SDLK_RIGHT: L1->Parbidit(3); break;
    case SDLK_SPACE: c.kustiba = 1; break;
    case SDLK_2: pirmais->Veseliba = 20.0f; break;
    case SDLK_F1: IeladetSpelei(c, limenis); break;  // the whole level again
    case SDLK_F2: {  // only the level's objects again, if the file still reads
      PakuMenedzeris objekti;
      if (objekti.IeladetPakasNoFaila(limenis)) c.paku_mgr->Parnemt(objekti);
      break;
    }
    case SDLK_F3:  // full health and a 100-second battery
      pirmais->Veseliba = 100.0f;
      pirmais->baterijas = 100000;
      pirmais->baterijas_laiks = 100000;
      break;
    case SDLK_LSHIFT: pirmais->Rakt(); break;  // held, it goes on biting (Vadit)
    default: break;
  }
}

// The shell's own input, after the main screen has seen the event.
void ApstradatNotikumu(SpelesCikls& c) {
  switch (c.event.type) {
    case SDL_KEYDOWN:
      if (c.event.key.keysym.sym == SDLK_LSHIFT) c.rakt_shift = true;
      if (c.event.key.keysym.sym == SDLK_F11 ||
          (c.event.key.keysym.sym == SDLK_RETURN && (c.event.key.keysym.mod & KMOD_ALT))) {
        if (PartrauktLogu()) IeveerotLogu();
        break;
      }
      if (SkanasKlavis(c.event.key.keysym.sym)) break;
      if (c.event.key.keysym.sym == SDLK_p) {
        if (Pauze())
          BeigtPauzi();
        else
          Pauzet();
        break;
      }
      KlavisNospiesta(c, c.event.key.keysym.sym);
      break;
    case SDL_KEYUP:  // Escape opens the main menu when it is let go, not when pressed
      if (c.event.key.keysym.sym == SDLK_LSHIFT) c.rakt_shift = false;
      BultaAtlaista(c.skats, c.event.key.keysym.sym);
      if (c.event.key.keysym.sym == SDLK_ESCAPE) {
        BeigtPauzi();
        mainmenu->action = 1;
        mainmenu->selected_screen = 1;
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (c.event.button.button == SDL_BUTTON_LEFT) {
        c.klikskis = true;
        // A click on the bag chooses from it; the digger stays where he is.
        int x, y;
        ierices.Pele(&x, &y);
        if (Ekrans() != 0 || !pirmais->inv2.UzPanela(x, y)) c.kustiba = 1;
      }
      if (c.event.button.button == SDL_BUTTON_RIGHT && Ekrans() == 0) {
        pirmais->Rakt();
        c.rakt_pele = true;
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (c.event.button.button == SDL_BUTTON_LEFT) c.kustiba = 0;
      if (c.event.button.button == SDL_BUTTON_RIGHT) c.rakt_pele = false;
      break;
    case SDL_QUIT: c.done = 1; break;
    default: break;
  }
}

// Start-up step 20 without a level: the slides until they end, Escape cuts them short. A
// closed window ends the show and the program, as it would in the frame loop.
void RaditIevadu(SpelesCikls& c) {
  Intro* intro = new Intro();
  while (intro->Update(ierices.Tagad(), screen)) {
    while (SDL_PollEvent(&c.event)) {
      if (c.event.type == SDL_QUIT) c.done = 1;
      intro->ReceiveInput(c.event);
    }
    if (c.done) break;
    ParaditKadru();
  }
  delete intro;
}

// Frame steps 6 and 7: joystick buttons, then steering and one step while the digger can.
void Vadit(SpelesCikls& c) {
  const bool ar_dzoistiku = c.dzoistiks_ir && c.dzoistiks->atverts;
  if (ar_dzoistiku) {
    c.kustiba = c.dzoistiks->Poga(0) ? 1 : 0;
    if (c.dzoistiks->Poga(1)) pirmais->Rakt();
  }
  if (pirmais->Veseliba > 0 && pirmais->baterijas > 1 && Ekrans() == 0) {
    if (ar_dzoistiku)
      pirmais->virziens = (int)c.dzoistiks->XYLentjis();
    else
      pirmais->Pagriezt(c.pelex, c.peley);
    // A held dig button bites again, towards the pointer, each time the pause runs out;
    // explosives wait for a new press.
    const unsigned lieta = pirmais->inv2.aktiva_lieta;
    if ((c.rakt_pele || c.rakt_shift) && pirmais->kustibu_pauze == 0 && lieta >= 1 && lieta <= 3)
      pirmais->Rakt();
    pirmais->Parvietot(c.kustiba);
  }
}

// Where a replay stands after a frame.
AtskanosanasStavoklis Stavoklis(const SpelesCikls& c, const Ieraksts& ieraksts) {
  AtskanosanasStavoklis s;
  s.limenis = &ieraksts.limenis;
  s.kadrs = atskanotajs.kadrs;
  s.pedejais_kadrs = ieraksts.rindas.empty() ? 0 : (int)ieraksts.rindas.back().kadrs;
  s.ekrans = Ekrans();
  s.beigt = c.done != 0;
  s.baterija_ms = pirmais->baterijas;
  s.ietilpiba_ms = pirmais->baterijas_laiks;
  return s;
}

}  // namespace

void Sakt(SpelesCikls& c, int argc, char** argv) {
  memset(&c.event, 0, sizeof(c.event));
  c.pelex = c.peley = 0;
  c.pele = 0;
  c.klikskis = c.rakt_pele = c.rakt_shift = false;
  c.sk[0] = 0;
  c.paku_mgr = NULL;
  c.kursors = NULL;
  c.dzoistiks = NULL;
  c.neieladejas.clear();
  RakstitVirsrakstu();                                          // 1
  c.dzoistiks_ir = argc > 3 && atoi(argv[3]) > 0;               // 2
  AtvertFontus();                                               // 3-6
  AtvertEkranu(c, argc, argv);                                  // 7-10
  AtvertSkanu(c.klusums);
  Inventars_V2::InitietMantuTipus();                            // 11
  L1 = new Laukums(0, 0, LAUKA_BILDE, LAUKA_BILDE, LAUKA_BILDE);  // 12
  if (!L1->Siets || !L1->Zeme || !L1->Pamats)
    Fatali(3, "Couldn't use the field picture %s: it is missing, unreadable or smaller "
              "than 800 x 600 pixels.\n", LAUKA_BILDE);
  pirmais = new Speletajs(250, 390, 1);                         // 13
  pirmais->kustibu_pauze = 0;
  c.done = 0;                                                   // 14
  c.gaidit = KADRA_MS;
  c.laiks = 0;
  c.kustiba = 0;
  japarzime = 0;
  L1->ParindeksetAptiekas();                                    // 15
  L1->ZimLauk(0, 0, 0, 0, 1);
  SDL_ShowCursor(0);                                            // 16
  c.kursors = new DumshKursors();                               // 17
  c.paku_mgr = new PakuMenedzeris();
  c.paku_mgr->RegistretKrustosanasFunktoru(KrustoSpeletaju);
  mainmenu = new MainScreen();                                  // 18
  printf("saakt\n%d\n", argc);                                  // 19
  fflush(stdout);
  if (argc > 2) {                                               // 20
    mainmenu->action = 0;
    IeladetSpelei(c, argv[2]);
  } else {
    RaditIevadu(c);
  }
  c.dzoistiks = new Dzoistiks();                                // 21
  c.dzoistiks->Atvert(0);
}

void Kadrs(SpelesCikls& c) {
  atskanotajs.KadraSakums();  // a recorded run's input for this frame
  SkanasKadrs();
  c.paku_mgr->TestetKrustosanos(pirmais->GetX(), pirmais->GetY(), 12);  // 1
  c.klikskis = false;
  while (SDL_PollEvent(&c.event)) {                             // 2
    SDL_JoystickUpdate();
    atskanotajs.Notikums(c.event);
    mainmenu->ReceiveInput(c.event);
    ApstradatNotikumu(c);
  }
  if (pirmais->kustibu_pauze != 0)                              // 3
    pirmais->kustibu_pauze--;
  else
    pirmais->SetDarbiba(1);
  L1->ZimLauk(pirmais->GetX() - L1->sak.x, pirmais->GetY() - L1->sak.y, 21, 21, 0);  // 4
  L1->ZimLauk(7, 520, 60, 72, 0);
  c.pele = ierices.Pele(&c.pelex, &c.peley);                    // 5
  Vadit(c);                                                     // 6, 7
  VaditSkatu(c.skats, *L1, *pirmais);                           // the view follows him
  pirmais->Kadri();                                             // 8
  L1->BiditKadrus();
  L1->ZimLauk(7, 385, 249, 200, 1);                             // 9
  L1->ApkalpotBumbas(!Pauze());                                 // 10
  c.paku_mgr->Zimet(screen, (Uint32)c.laiks, L1->sak.x, L1->sak.y);  // 11
  pirmais->Attelot();                                           // 12
  ZimetSpradzienu(*L1, screen);                                 // a charge's reach, a blast
  const Uint8 pogas = c.pele | (c.klikskis ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0);
  if (Ekrans() == 0)                                            // 13
    pirmais->inv2.Apkalpot(c.pelex, c.peley, pogas);
  else
    pirmais->inv2.Apkalpot(0, 0, pogas);
  pirmais->Veseljoties(!Pauze());                               // 14
  SkanetSpele(c);
  ZimetPulksteni(c);                                            // 15
  ZimetPazinojumu();
  if (Ekrans() == 0) ZimetSpelesKursoru(c);                     // 16
  c.laiks = raamji(ierices.Tagad());                            // 17
  if (Ekrans() == 0) pirmais->baterijas -= c.laiks;             // 18
  if (pirmais->baterijas <= 0) pirmais->baterijas = 1;
  c.gaidit = KADRA_MS - c.laiks;                                // 19
  if (c.gaidit < 0) c.gaidit = 0;
  ierices.Gulet((Uint32)c.gaidit);
  ParbauditBeigas();                                            // 20
  if (Ekrans() != 0) IzpilditDarbibu(c);                        // 21
  NovietotPaneli();                                             // away from the digger
  mainmenu->Update(ierices.Tagad(), screen);                    // 22
  if (Ekrans() != 0) {                                          // 23
    ierices.Pele(&c.pelex, &c.peley);
    c.kursors->ZimetMenuzim(screen, c.pelex, c.peley);
  }
  ParaditKadru();                                               // 24
}

int Beigt(SpelesCikls& c) {
  // The field, the digger and the fonts are left to the end of the process; the joystick's
  // wrapper is the loop's own and goes with it (SDL closes the device when it quits).
  delete c.dzoistiks;
  c.dzoistiks = NULL;
  delete mainmenu;
  mainmenu = NULL;
  delete c.paku_mgr;
  c.paku_mgr = NULL;
  delete c.kursors;
  c.kursors = NULL;
  AizvertSkanu();
  return 0;
}

int Spele(int argc, char** argv) {
  // DELVORN_REPLAY plays a recorded run's level with its input; DELVORN_RECORD records the
  // input of a level named on the command line.
  const char* atskanot = getenv("DELVORN_REPLAY");
  const char* rakstit = getenv("DELVORN_RECORD");
  Ieraksts ieraksts;
  std::vector<char*> args;
  int merogs = 0;
  bool klusums = false;
  for (int i = 0; i < argc; i++) {
    if (strcmp(argv[i], "--mute") == 0) {
      klusums = true;
      continue;
    }
    if (strcmp(argv[i], "--scale") != 0) {
      args.push_back(argv[i]);
      continue;
    }
    merogs = i + 1 < argc ? atoi(argv[++i]) : 0;
    if (merogs < 1 || merogs > 4) {
      fprintf(stderr, "delvorn: --scale needs a whole number from 1 to 4\n");
      return 1;
    }
  }
  // A replay's win is not the player's: it leaves the progress file alone.
  if (!(atskanot && *atskanot)) IeladetProgresu();
  if (merogs > 0 && merogs != progress.scale) {
    progress.scale = merogs;
    SaglabatProgresu();
  }
  static char nulle[] = "0";
  if (atskanot && *atskanot) {
    std::string kluda;
    if (!LasitIerakstu(atskanot, ieraksts, kluda)) {
      fprintf(stderr, "delvorn: %s\n", kluda.c_str());
      return 1;
    }
    char* pilns = args.size() > 1 ? args[1] : nulle;
    args.resize(1);
    args.push_back(pilns);
    args.push_back(&ieraksts.limenis[0]);
  }
  args.push_back(NULL);
  const int n = (int)args.size() - 1;
  SpelesCikls c;
  c.merogs = progress.scale;
  c.pilns_ekrans = progress.fullscreen;
  c.klusums = klusums;
  Sakt(c, n, args.data());
  const bool atskano = atskanot && *atskanot;
  if (atskano) {
    if (!spele_palaista) {  // its level did not load; the line on standard error says why
      Beigt(c);
      return 1;
    }
    // Paced as it was played when it can be watched; headless, as fast as it goes.
    char dzinis[32] = "";
    SDL_VideoDriverName(dzinis, sizeof(dzinis));
    atskanotajs.SaktAtskanot(ieraksts, strcmp(dzinis, "dummy") != 0);
  } else if (rakstit && *rakstit) {
    if (n < 3)
      fprintf(stderr, "delvorn: DELVORN_RECORD needs a level on the command line; not recording\n");
    else if (!atskanotajs.SaktRakstit(rakstit, args[2]))
      fprintf(stderr, "delvorn: %s cannot be written: %s; not recording\n", rakstit, strerror(errno));
  }
  int statuss = 0;
  std::string spriedums;
  while (c.done == 0) {
    Kadrs(c);
    if (atskano && AtskanosanasSpriedums(Stavoklis(c, ieraksts), spriedums, statuss)) break;
  }
  atskanotajs.Beigt();
  if (!spriedums.empty()) {
    printf("%s\n", spriedums.c_str());
    fflush(stdout);
  }
  Beigt(c);
  return statuss;
}
