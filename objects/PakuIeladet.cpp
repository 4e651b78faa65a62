// Reading sequences and objects from a level file in one pass over its top-level nodes.
#include <cstdio>

#include "config/CFGDocument.h"
#include "field/bildes_parbaude.h"
#include "objects/PakuMgr.h"
#include "objects/skaitli.h"

bool PakuMenedzeris::IeladetSekvenci(std::string vards, std::string cels, uint32_t kadri,
                                     uint32_t intervals) {
  // Checked before it is decoded: a strip's caps and what is left of the level's budget.
  BildesIznakums iz;
  SDL_Surface* bilde = IeladetBildi(cels.c_str(), LOMA_SLOKSNE, &iz,
                                    LIMENA_SEKVENCU_PIKSELI - sekvencu_pikseli);
  if (!bilde) {
    // A picture that is not there or does not decode is dropped silently; a refused one is
    // worth a line to the level's author.
    if (iz.stavoklis == BILDE_ATTEIKTA) {
      std::fprintf(stderr, "%s: %s; the sequence '%s' is not loaded\n", cels.c_str(),
                   iz.iemesls.c_str(), vards.c_str());
      std::fflush(stderr);
    }
    return false;
  }
  sekvencu_pikseli += (long long)bilde->w * bilde->h;
  // Blits from the screen's own pixel layout are several times faster than from the
  // loader's byte order, and the picture looks the same (alpha and colour key are kept).
  if (SDL_GetVideoSurface()) {
    const bool alfa = bilde->format->Amask != 0;
    SDL_Surface* ekrana = EkransIrXrgb() ? UzXrgb(bilde, alfa) : NULL;
    if (!ekrana) ekrana = alfa ? SDL_DisplayFormatAlpha(bilde) : SDL_DisplayFormat(bilde);
    if (ekrana) {
      SDL_FreeSurface(bilde);
      bilde = ekrana;
    }
  }
  Sv* sv = new Sv;
  sv->vards = vards;
  sv->bilde = bilde;
  // A strip cut into 0 frames cannot be drawn; show it whole instead.
  sv->kadru_skaits = kadri ? kadri : 1;
  sv->intervals = intervals;
  sekvences.push_back(sv);
  return true;
}

// Each child of an "images" block names one sequence.
static void IeladetAttelus(PakuMenedzeris* mgr, CFGNode* bloks) {
  for (CFGNode* n = bloks->GetFirstChild(); n; n = n->GetNextNode()) {
    std::string cels;
    uint32_t kadri = 1, intervals = 32;
    if (CFGNode* k = n->GetFirstChild("image")) cels = k->GetValue();
    if (CFGNode* k = n->GetFirstChild("frames")) kadri = LasitSkaitli(k->GetValue());
    if (CFGNode* k = n->GetFirstChild("rate")) intervals = LasitSkaitli(k->GetValue());
    mgr->IeladetSekvenci(n->GetName(), cels, kadri, intervals);
  }
}

static void AtslegasTeksts(CFGNode* n, const char* atslega, std::string& lauks) {
  if (CFGNode* k = n->GetFirstChild(atslega)) lauks = k->GetValue();
}

static void AtslegasSkaitlis(CFGNode* n, const char* atslega, uint32_t& lauks) {
  if (CFGNode* k = n->GetFirstChild(atslega)) lauks = LasitSkaitli(k->GetValue());
}

static void AtslegasSkaitlis(CFGNode* n, const char* atslega, int32_t& lauks) {
  if (CFGNode* k = n->GetFirstChild(atslega)) lauks = KaaZimigs(LasitSkaitli(k->GetValue()));
}

static void IeladetPaku(PakuMenedzeris* mgr, CFGNode* n) {
  PakuMenedzeris::Pk* pk = new PakuMenedzeris::Pk;
  pk->klasses_vards = n->GetName();
  // Only sequences of earlier "images" blocks exist yet; the message names the node,
  // since "class" is read afterwards.
  if (CFGNode* k = n->GetFirstChild("sprite")) pk->sekv = mgr->AtgriestSekvenci(k->GetValue());
  if (!pk->sekv) {
    std::printf("err:objekta '%s' spraits nav defineets\n", pk->klasses_vards.c_str());
    std::fflush(stdout);
  }
  AtslegasTeksts(n, "class", pk->klasses_vards);
  AtslegasTeksts(n, "name", pk->vards);
  AtslegasSkaitlis(n, "classID", pk->klasses_id);
  AtslegasSkaitlis(n, "value", pk->vertiba);
  AtslegasSkaitlis(n, "ani_delay", pk->anim_pauze);
  AtslegasSkaitlis(n, "posx", pk->xpos);
  AtslegasSkaitlis(n, "posy", pk->ypos);
  AtslegasSkaitlis(n, "radius", pk->radiuss);
  AtslegasTeksts(n, "message", pk->zinja);
  mgr->PievienotPaku(pk);
  if (pk->klasses_id == 31) mgr->kontrolpunkti.push_back(pk);
}

bool PakuMenedzeris::IeladetPakasNoFaila(std::string cels) {
  CFGDocument doc;
  if (!doc.ReadFile(cels)) return false;
  for (CFGNode* n = doc.GetFirstChild(); n; n = n->GetNextNode()) {
    std::string vards = n->GetName();
    if (vards == "images")
      IeladetAttelus(this, n);
    else if (vards != "level" && vards != "player")
      IeladetPaku(this, n);
  }
  return true;
}
