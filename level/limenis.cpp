// The level loader: objects first, then the "level" and "player" sections, then play.
#include "level/limenis.h"

#include <climits>
#include <cstdint>
#include <cstdio>

#include "config/CFGDocument.h"
#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "objects/skaitli.h"
#include "shell/globali.h"
#include "shell/ierices.h"

namespace {

std::string Vertiba(CFGNode* sadala, const char* atslega) {
  CFGNode* n = sadala->GetFirstChild(atslega);
  return n ? n->GetValue() : std::string();
}

void LasitSkaitli(CFGNode* sadala, const char* atslega, int32_t& kur) {
  if (CFGNode* n = sadala->GetFirstChild(atslega)) kur = KaaZimigs(::LasitSkaitli(n->GetValue()));
}

void LimenaSadala(CFGNode* sadala, Laukums* l, std::string& nakamais_limenis) {
  const std::string zeme = Vertiba(sadala, "ground");
  const std::string slanis1 = Vertiba(sadala, "layer1");
  const std::string slanis2 = Vertiba(sadala, "layer2");
  if (CFGNode* n = sadala->GetFirstChild("nextlevel")) nakamais_limenis = n->GetValue();
  if (!zeme.empty() && !slanis1.empty() && !slanis2.empty())
    l->IeladetVirsmas(zeme.c_str(), slanis1.c_str(), slanis2.c_str());
}

// Positions beyond 2^24 would lose whole pixels in the digger's float position and overflow
// when it is turned back into an int; no field is that large.
const int32_t POZ_MAX = 1 << 24;
float Pozicija(int32_t v) { return (float)(v > POZ_MAX ? POZ_MAX : (v < -POZ_MAX ? -POZ_MAX : v)); }

// Seconds to milliseconds without signed overflow: a huge battery stays the largest one.
int32_t Milisekundes(int32_t sekundes) {
  const int64_t ms = (int64_t)sekundes * 1000;
  if (ms > INT_MAX) return INT_MAX;
  if (ms < INT_MIN) return INT_MIN;
  return (int32_t)ms;
}

void SpeletajaSadala(CFGNode* sadala, Speletajs* sp) {
  int32_t x = 400, y = 300, veseliba = 100, baterija = 1;
  LasitSkaitli(sadala, "posx", x);
  LasitSkaitli(sadala, "posy", y);
  LasitSkaitli(sadala, "health", veseliba);
  LasitSkaitli(sadala, "battery", baterija);
  sp->pozx = Pozicija(x);
  sp->pozy = Pozicija(y);
  sp->Veseliba = (float)veseliba;
  sp->inv2.IztiritInventaru();
  sp->baterijas = Milisekundes(baterija);
  sp->baterijas_laiks = (unsigned)sp->baterijas;
}

}  // namespace

bool IeladetLimeni(std::string limenis, Laukums* l, Speletajs* sp, PakuMenedzeris* pkm,
                   std::string& nakamais_limenis) {
  if (!l || !sp || !pkm) return false;
  pkm->DzestVisu();
  if (!pkm->IeladetPakasNoFaila(limenis)) return false;
  CFGDocument doc;
  if (!doc.ReadFile(limenis)) return false;
  for (CFGNode* n = doc.GetFirstChild(); n; n = n->GetNextNode()) {
    const std::string vards = n->GetName();
    if (vards == "level") LimenaSadala(n, l, nakamais_limenis);
    if (vards == "player") SpeletajaSadala(n, sp);
  }
  spele_palaista = true;
  printf("limenis ieladets: %s\n", limenis.c_str());
  fflush(stdout);
  if (mainmenu) {
    mainmenu->action = 0;
    mainmenu->selected_screen = 0;
  }
  limenja_sakums = ierices.Tagad();
  return true;
}
