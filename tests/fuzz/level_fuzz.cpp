// Fuzz target for the level loader: every input is a level file, loaded with IeladetLimeni into
// the game's own field, digger and object manager on SDL's dummy driver, then played for a
// few frames: the field and the objects drawn, the view moved, every object touched with a
// callback that runs the real contact rules and deletes objects besides, and a blast.
//
// Built with libFuzzer when configured with -DDELVORN_FUZZ=ON under clang; otherwise built as
// a program that replays its seed corpus (tests/fuzz/replay_main.cpp), run by the test command.
// It runs in the run folder, so that levels can name the game's own pictures.
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "level/limenis.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "shell/globali.h"
#include "shell/ierices.h"

namespace {

const char* const LAUKA_BILDE = "map/pamats1.bmp";

PakuMenedzeris* mgr = nullptr;
std::string limena_fails;
SDL_Surface* sakuma[3];  // the placeholder field's mask, wall and earth, kept aside
SDL_Surface* ieliktas[3];  // the copies of them the field holds now
unsigned pieskarieni = 0;

SDL_Surface* Kopija(SDL_Surface* s) { return SDL_ConvertSurface(s, s->format, s->flags); }

// The next input starts from the placeholder field as it was: its pixels copied back over
// what play changed, or fresh copies where a level replaced the pictures. Cheaper than
// decoding them again.
void AtjaunotLauku() {
  SDL_Surface** slani[3] = {&L1->Siets, &L1->Pamats, &L1->Zeme};
  for (int i = 0; i < 3; i++) {
    // A level's picture may have come to the freed copy's address: the size tells, and one
    // of the same size is simply written over.
    if (*slani[i] == ieliktas[i] && (*slani[i])->w == sakuma[i]->w &&
        (*slani[i])->h == sakuma[i]->h) {
      SDL_BlitSurface(sakuma[i], NULL, *slani[i], NULL);
      continue;
    }
    if (*slani[i]) SDL_FreeSurface(*slani[i]);
    *slani[i] = ieliktas[i] = Kopija(sakuma[i]);
  }
}

Uint32 FiktivaisLaiks() { return 4242; }  // blasts draw their rays from the clock

// The real contact rules, and then deletions of its own: the walk must survive an object
// deleting itself, another one, or every object.
void Pieskariens(PakuMenedzeris::Pk* pk, PakuMenedzeris* m) {
  KrustoSpeletaju(pk, m);
  pieskarieni++;
  if (pieskarieni % 3 == 0) m->DzestPaku(pk);
  if (pieskarieni % 5 == 0 && !m->pakas.empty()) m->DzestPaku(m->pakas.back());
  if (pieskarieni % 11 == 0) m->DzestPakas();
}

// One frame's drawing, in the frame loop's order.
void Kadrs() {
  L1->ZimLauk(pirmais->GetX(), pirmais->GetY(), 21, 21, 0);
  L1->ZimLauk(0, 0, 0, 0, 1);
  L1->BiditKadrus();
  L1->ApkalpotBumbas();
  mgr->Zimet(screen, 40);
  pirmais->Attelot();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  freopen("/dev/null", "w", stdout);  // "limenis ieladets: ..." for every input
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (chdir(DELVORN_BIN_DIR) != 0) {
    fprintf(stderr, "level_fuzz: no run folder %s\n", DELVORN_BIN_DIR);
    exit(1);
  }
  if (SDL_Init(SDL_INIT_VIDEO) < 0 || !(screen = SDL_SetVideoMode(800, 600, 32, 0))) {
    fprintf(stderr, "level_fuzz: no dummy screen: %s\n", SDL_GetError());
    exit(1);
  }
  ierices.Tagad = FiktivaisLaiks;
  L1 = new Laukums(0, 0, LAUKA_BILDE, LAUKA_BILDE, LAUKA_BILDE);
  if (!L1->Siets) {
    fprintf(stderr, "level_fuzz: the run folder lacks %s\n", LAUKA_BILDE);
    exit(1);
  }
  SDL_Surface* slani[3] = {L1->Siets, L1->Pamats, L1->Zeme};
  for (int i = 0; i < 3; i++) {
    sakuma[i] = Kopija(slani[i]);
    SDL_SetAlpha(sakuma[i], 0, 255);  // copied back as they are, never blended
  }
  pirmais = new Speletajs(250, 390, 1);
  mainmenu = new MainScreen();
  mgr = new PakuMenedzeris();
  mgr->RegistretKrustosanasFunktoru(Pieskariens);
  char vards[64];
  snprintf(vards, sizeof(vards), "/tmp/delvorn-level-fuzz-%d.cfg", (int)getpid());
  limena_fails = vards;
  // The game starts in its run folder; the inputs may name pictures of another folder (the
  // broken levels name those beside them).
  const char* mape = getenv("DELVORN_RUN_DIR");
  if (mape && chdir(mape) != 0) {
    fprintf(stderr, "level_fuzz: no folder %s\n", mape);
    exit(1);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = fopen(limena_fails.c_str(), "wb");
  if (!f) return 0;
  fwrite(data, 1, size, f);
  fclose(f);

  std::string nakamais = "map/intro.cfg";
  if (IeladetLimeni(limena_fails, L1, pirmais, mgr, nakamais)) {
    Kadrs();
    for (int kur : {6, 3}) L1->Parbidit(kur);
    // The digger where it stands, then on the centre of each object (its first 32).
    mgr->TestetKrustosanos(pirmais->GetX(), pirmais->GetY(), 12);
    int32_t vietas[32][2];
    int n = 0;
    for (PakuMenedzeris::Pk* pk : mgr->pakas) {
      if (!pk || n == 32) continue;
      vietas[n][0] = (int32_t)pk->xpos;
      vietas[n][1] = (int32_t)pk->ypos;
      n++;
    }
    for (int k = 0; k < n; k++) mgr->TestetKrustosanos(vietas[k][0], vietas[k][1], 12);
    L1->Spridzinat(9, 1, pirmais->GetX(), pirmais->GetY());
    Kadrs();
  }

  // The next input starts from the same field and game state.
  AtjaunotLauku();
  L1->sak.x = L1->sak.y = 0;
  L1->Aiza_valja = AIZA_NAV;
  delete L1->Bumbas[0];
  L1->Bumbas[0] = nullptr;
  mgr->DzestVisu();
  mainmenu->selected_screen = 0;
  mainmenu->action = 0;
  mainmenu->text.clear();
  pirmais->inv2.IztiritInventaru();
  unlink(limena_fails.c_str());
  return 0;
}
