// The play flow: loading levels for the shell, losing, the menu actions and the clocks.
#include "shell/gaita.h"

#include <ctype.h>
#include <stdio.h>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "inventory/inventars.h"
#include "level/kede.h"
#include "level/limenis.h"
#include "menu/Menu.h"
#include "shell/atminja.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/sistema.h"
#include "shell/skana.h"

const char* const NAVES_ZINJA = "Raceju ir piemeklejusi nave\n Megini velreiz";
const char* const PIRMAIS_LIMENIS = "map/intro.cfg";
const char* const NEIELADEJAS_ZINJA = "Limeni nevar ieladet:\n ";
const char* const TUMSAS_ZINJA =
    "Luktura baterijas ir beigusas,\n spuldze uz raceja kiveres nodziest un\n visapkart "
    "iestajas tumsa.\n Izdzivosanas varbutiba lidzinas nullei";

namespace {
Uint32 pauzes_sakums = 0;  // when the pause began
}  // namespace

unsigned Ekrans() { return mainmenu ? mainmenu->selected_screen : 0; }

bool IeladetSpelei(SpelesCikls& c, const std::string& cels) {
  std::string iemesls;
  if (IeladetLimeni(cels, L1, pirmais, c.paku_mgr, nakamais_limenis, &iemesls)) {
    c.neieladejas.clear();
    limenis = cels;
    // A new level starts with the view on the digger (its top-left corner on a field the
    // size of the window), not where the last one was scrolled to, and its kit icons come
    // from its own field.
    L1->sak.x = 0;
    L1->sak.y = 0;
    SkatsUzRaceju(c.skats, *L1, *pirmais);
    L1->ParindeksetAptiekas();
    pazinojums.clear();
    teikts_vesels = false;
    return true;
  }
  if (c.neieladejas != cels || c.neieladejas.empty()) {
    fprintf(stderr, "delvorn: the level \"%s\" could not be loaded: %s\n", cels.c_str(),
            iemesls.c_str());
    c.neieladejas = cels;
  }
  // The game goes on as it was; the player is told on a panel, over the main menu when no
  // game runs.
  if (mainmenu) {
    mainmenu->text = NEIELADEJAS_ZINJA + cels;
    mainmenu->selected_screen = 3;
    mainmenu->action = 0;
  }
  return false;
}

void PulkstenaTeksts(char* kur, unsigned izmers, unsigned sekundes) {
  // Seconds always in two digits: "1:07", never "1:7".
  snprintf(kur, izmers, "%u:%02u", (sekundes / 60) % 60, sekundes % 60);
}

void ZimetPulksteni(SpelesCikls& c) {
  TTF_Font* f = pfont ? pfont : font;
  // A paused clock shows where it stopped.
  const Uint32 tagad = Pauze() ? pauzes_sakums : ierices.Tagad();
  const unsigned limenja = (tagad - limenja_sakums) / 1000u;
  PulkstenaTeksts(c.sk, sizeof(c.sk), limenja);
  ZiimeeTekstuL(screen, f, 60, 27, c.sk, 0, 0, 0);
  const int baterijas = pirmais->baterijas / 1000;
  PulkstenaTeksts(c.sk, sizeof(c.sk), (unsigned)baterijas);
  ZiimeeTekstuC(screen, f, 34, 125, c.sk, 0, 0, 0);
}

void ZimetPazinojumu() {
  if (pazinojums.empty()) return;
  if ((Sint32)(ierices.Tagad() - pazinojums_lidz) >= 0) {
    pazinojums.clear();
    return;
  }
  // White on a dark band across the top of the field, clear of the health box.
  int w = 0, h = 0;
  if (!font2 || TTF_SizeText(font2, pazinojums.c_str(), &w, &h) != 0) return;
  SDL_Rect josla = {(Sint16)(400 - w / 2 - 10), 6, (Uint16)(w + 20), (Uint16)(h + 8)};
  SDL_FillRect(screen, &josla, SDL_MapRGB(screen->format, 24, 20, 18));
  ZiimeeTekstuC(screen, font2, 400, 10, pazinojums.c_str(), 250, 236, 200);
}

void Pazinot(const std::string& teksts, unsigned ms) {
  pazinojums = teksts;
  pazinojums_lidz = ierices.Tagad() + ms;
}

void TeiktVesels() {
  // A kit that stays put looks broken unless something says why, once a level.
  if (teikts_vesels) return;
  teikts_vesels = true;
  Pazinot("Racejs ir vesels: aptiecina paliek vieta, kamer bus vajadziga", 4000);
}

void ZimetSpelesKursoru(SpelesCikls& c) {
  c.pele = ierices.Pele(&c.pelex, &c.peley);
  if (pirmais->inv2.atverts) {
    c.kursors->ZimetMenuzim(screen, c.pelex, c.peley);
    return;
  }
  const int dx = c.pelex + L1->sak.x - pirmais->GetX(), dy = c.peley + L1->sak.y - pirmais->GetY();
  c.kursors->ZimetSpelei(screen, c.pelex, c.peley, pirmais->virziens, PeleUzRaceja(dx, dy));
}

bool PeleUzRaceja(int dx, int dy) {
  const long long att = 15;
  return (long long)dx * dx + (long long)dy * dy < (att + att) * att;
}

void NovietotPaneli() {
  if (!mainmenu || mainmenu->paradits == mainmenu->selected_screen) return;
  const unsigned e = mainmenu->selected_screen;
  if (e < 3 || e > 5) return;
  int dx = 0, dy = 0;
  if (!spele_palaista) {  // no digger to keep clear: the middle of the menu
    mainmenu->NovietotPanelus(dx, dy);
    return;
  }
  const float puse = 10.5f;  // the digger's centre in his 21-pixel box
  PanelaNobide((int)(pirmais->pozx + puse) - L1->sak.x, (int)(pirmais->pozy + puse) - L1->sak.y,
               pirmais->virziens, &dx, &dy);
  mainmenu->NovietotPanelus(dx, dy);
}

void ParbauditBeigas() {
  if (pirmais->Veseliba < 0) pirmais->Veseliba = 0;
  if (Ekrans() != 0) return;
  if (pirmais->Veseliba > 0 && pirmais->baterijas > 1) return;
  spele_palaista = false;
  if (pirmais->Veseliba <= 0) mainmenu->text = NAVES_ZINJA;
  if (pirmais->baterijas <= 1) mainmenu->text = TUMSAS_ZINJA;
  Skanet(pirmais->baterijas <= 1 ? SK_TUMSA : SK_NAVE);
  Skanet(SK_ZAUDETS);
  mainmenu->selected_screen = 5;
  pirmais->darbiba = 6;
  pirmais->kustibu_pauze = 1;
}

bool Pauze() { return Ekrans() == SCREEN_PAUSED; }

void Pauzet() {
  if (!mainmenu || Ekrans() != 0 || !spele_palaista) return;
  mainmenu->selected_screen = SCREEN_PAUSED;
  mainmenu->action = 0;
  pauzes_sakums = ierices.Tagad();
}

void BeigtPauzi() {
  if (!Pauze()) return;
  // The level clock stands still for the pause: it starts as much later.
  limenja_sakums += ierices.Tagad() - pauzes_sakums;
  mainmenu->selected_screen = 0;
  mainmenu->action = 0;
}

void AtvertLimenjus() {
  mainmenu->levels.clear();
  bool pirmais_neuzvaretais = true;
  for (const std::string& cels : LimenjuKede(PIRMAIS_LIMENIS)) {
    LevelEntry e;
    e.path = cels;
    // The file's own name: "map/raktuve.cfg" shows as "Raktuve".
    const size_t sakums = cels.find_last_of("/\\") + 1;
    e.name = cels.substr(sakums, cels.rfind('.') > sakums ? cels.rfind('.') - sakums : cels.npos);
    if (!e.name.empty()) e.name[0] = (char)toupper((unsigned char)e.name[0]);
    if (const LevelProgress* p = progress.Find(cels)) {
      e.won = p->won;
      e.best_ms = p->best_ms;
    }
    e.open = e.won || pirmais_neuzvaretais;
    if (!e.won) pirmais_neuzvaretais = false;
    mainmenu->levels.push_back(e);
  }
  mainmenu->selected_screen = SCREEN_LEVELS;
  mainmenu->action = 0;
}

void SkanetSpele(SpelesCikls& c) {
  const bool spele = Ekrans() == 0 && spele_palaista;
  SkanetCilpu(SK_SOLIS, spele && pirmais->darbiba == 2);
  SkanetCilpu(SK_DEGLS, L1->Bumbas[0] != NULL && !Pauze());
  // The last 15 seconds of the lamp: a soft beep every three seconds.
  const int b = pirmais->baterijas;
  if (spele && b > 1 && b <= 15000 && (Sint32)(ierices.Tagad() - c.pikst_lidz) >= 0) {
    Skanet(SK_PIKST);
    c.pikst_lidz = ierices.Tagad() + 3000;
  }
}

void IzpilditDarbibu(SpelesCikls& c) {
  if (!mainmenu) return;
  switch (mainmenu->action) {
    case 2:  // new game: a successful load closes the menu itself
      IeladetSpelei(c, limenis);
      break;
    case 3:  // continue, or close a message
      if (Pauze()) {
        BeigtPauzi();
        break;
      }
      if (!spele_palaista) {
        // A message closed with no game behind it leaves the main menu.
        if (mainmenu->selected_screen == 3) {
          mainmenu->selected_screen = 1;
          mainmenu->action = 1;
        }
        break;
      }
      mainmenu->action = 0;
      mainmenu->selected_screen = 0;
      break;
    case 5:
      mainmenu->action = 0;
      mainmenu->selected_screen = 0;
      c.done = 1;
      break;
    case 6: {  // next level; the loaded level's own "nextlevel" may replace the path
      printf("nextlevel: %s\n", nakamais_limenis.c_str());
      fflush(stdout);
      const std::string cels = nakamais_limenis;
      IeladetSpelei(c, cels);
      break;
    }
    case 7:
      IeladetSpelei(c, limenis);
      break;
    case ACTION_PLAY_CHOSEN: {
      const int i = mainmenu->chosen_level;
      mainmenu->action = 0;
      if (i >= 0 && (size_t)i < mainmenu->levels.size()) IeladetSpelei(c, mainmenu->levels[i].path);
      break;
    }
    case ACTION_LEVELS:
      AtvertLimenjus();
      break;
    default: break;
  }
}
