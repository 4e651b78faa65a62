// The level loader: objects first, then the "level" and "player" sections, then play.
#include "level/limenis.h"

#include <climits>
#include <cstdint>
#include <cstdio>

#include "config/CFGDocument.h"
#include "config/CFGIemesls.h"
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

// Everything is read and checked before anything changes: the file, the three field
// pictures, the sequences and objects; then the field, the objects, the next level and the
// digger switch together. A failure leaves the running game as it was.
bool Ieladet(const std::string& limenis, Laukums* l, Speletajs* sp, PakuMenedzeris* pkm,
             std::string& nakamais_limenis, std::string& iemesls) {
  CFGDocument doc;
  if (!doc.ReadFile(limenis)) {
    iemesls = CFGFailaKluda(limenis);
    if (iemesls.empty()) iemesls = "it does not parse (its { and } do not balance)";
    return false;
  }
  // Sections apply in file order: the last one that names all three pictures gives the
  // field, the last "nextlevel" and the last "player" section win.
  CFGNode* speletajs = NULL;
  std::string virsmas[3], nakamais = nakamais_limenis;
  static const char* const SLANI[3] = {"ground", "layer1", "layer2"};
  for (CFGNode* n = doc.GetFirstChild(); n; n = n->GetNextNode()) {
    const std::string vards = n->GetName();
    if (vards == "player") speletajs = n;
    if (vards != "level") continue;
    if (CFGNode* k = n->GetFirstChild("nextlevel")) nakamais = k->GetValue();
    std::string v[3];
    for (int i = 0; i < 3; i++) v[i] = Vertiba(n, SLANI[i]);
    if (!v[0].empty() && !v[1].empty() && !v[2].empty())
      for (int i = 0; i < 3; i++) virsmas[i] = v[i];
  }
  SDL_Surface* jauni[3] = {NULL, NULL, NULL};
  if (!virsmas[0].empty()) {
    std::string vainigais;
    if (!l->SagatavotVirsmas(virsmas[0].c_str(), virsmas[1].c_str(), virsmas[2].c_str(), jauni,
                             vainigais, iemesls)) {
      iemesls = vainigais + ": " + iemesls;
      return false;
    }
  }
  PakuMenedzeris objekti;
  objekti.IeladetPakas(doc);

  if (jauni[0]) l->NomainitVirsmas(jauni);
  pkm->Parnemt(objekti);
  nakamais_limenis = nakamais;
  if (speletajs) SpeletajaSadala(speletajs, sp);
  return true;
}

}  // namespace

bool IeladetLimeni(std::string limenis, Laukums* l, Speletajs* sp, PakuMenedzeris* pkm,
                   std::string& nakamais_limenis, std::string* iemesls) {
  std::string kapec;
  if (!l || !sp || !pkm || !Ieladet(limenis, l, sp, pkm, nakamais_limenis, kapec)) {
    if (iemesls) *iemesls = kapec.empty() ? "nothing to load it into" : kapec;
    return false;
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
