// Reading sequences and objects from a level file in one pass over its top-level nodes.
#include <cstdio>
#include <string>
#include <vector>

#include "config/CFGDocument.h"
#include "field/bildes_parbaude.h"
#include "objects/PakuMgr.h"
#include "objects/skaitli.h"
#include "shell/sistema.h"

namespace {

// Every strip that does not load is worth a line to the level's author, as a field picture
// is: refused, not there, a folder or damaged.
void ZinotAtteikumu(const std::string& cels, const std::string& iemesls,
                    const std::string& vards) {
  std::fprintf(stderr, "%s: %s; the sequence '%s' is not loaded\n", cels.c_str(),
               iemesls.c_str(), vards.c_str());
  std::fflush(stderr);
}

// A strip decoded for the manager: in the screen's layout when it can be (blits from it are
// several times faster than from the decoder's byte order, and it looks the same: alpha and
// colour key are kept), its pixels counted against the level's budget.
BildesDarbs SloksnesDarbs(const std::string& cels, long long parejie) {
  BildesDarbs d;
  d.fails = cels;
  d.loma = LOMA_SLOKSNE;
  d.parejie_pikseli = parejie;
  d.uz_xrgb = EkransIrXrgb();
  d.ar_alfu = true;
  return d;
}

void PievienotSloksni(PakuMenedzeris* mgr, const std::string& vards, BildesDarbs& d,
                      uint32_t kadri, uint32_t intervals) {
  SDL_Surface* bilde = d.bilde;
  mgr->sekvencu_pikseli += (long long)bilde->w * bilde->h;
  if (!d.ir_xrgb) bilde = EkranaFormata(bilde);
  PakuMenedzeris::Sv* sv = new PakuMenedzeris::Sv;
  sv->vards = vards;
  sv->bilde = bilde;
  // A strip cut into 0 frames cannot be drawn; show it whole instead.
  sv->kadru_skaits = kadri ? kadri : 1;
  sv->intervals = intervals;
  mgr->sekvences.push_back(sv);
}

struct Sekvence {
  std::string vards;
  std::string cels;
  uint32_t kadri;
  uint32_t intervals;
};

}  // namespace

bool PakuMenedzeris::IeladetSekvenci(std::string vards, std::string cels, uint32_t kadri,
                                     uint32_t intervals) {
  // Checked before it is decoded: a strip's caps and what is left of the level's budget.
  BildesDarbs d = SloksnesDarbs(cels, LIMENA_SEKVENCU_PIKSELI - sekvencu_pikseli);
  IeladetBildes(&d, 1);
  if (!d.bilde) {
    ZinotAtteikumu(cels, d.iznakums.iemesls, vards);
    return false;
  }
  PievienotSloksni(this, vards, d, kadri, intervals);
  return true;
}

// Each child of an "images" block names one sequence. They load as IeladetSekvenci one after
// the other would load them, but decoded in batches on two threads: a batch holds the next
// strips whose headers pass and that fit the budget even if every earlier strip of the batch
// loads, so it decides nothing differently; a strip that might not fit waits for the batch
// before it to be counted.
static void IeladetAttelus(PakuMenedzeris* mgr, CFGNode* bloks) {
  std::vector<Sekvence> visas;
  for (CFGNode* n = bloks->GetFirstChild(); n; n = n->GetNextNode()) {
    Sekvence sk = {n->GetName(), std::string(), 1, 32};
    if (CFGNode* k = n->GetFirstChild("image")) sk.cels = k->GetValue();
    if (CFGNode* k = n->GetFirstChild("frames")) sk.kadri = LasitSkaitli(k->GetValue());
    if (CFGNode* k = n->GetFirstChild("rate")) sk.intervals = LasitSkaitli(k->GetValue());
    visas.push_back(sk);
  }
  size_t i = 0;
  while (i < visas.size()) {
    std::vector<BildesDarbs> darbi;
    std::vector<size_t> kuras;
    const long long parejie = LIMENA_SEKVENCU_PIKSELI - mgr->sekvencu_pikseli;
    long long rezervets = 0;
    for (; i < visas.size(); i++) {
      const Sekvence& sk = visas[i];
      BildesIznakums iz;
      if (!ParbauditBildi(sk.cels.c_str(), LOMA_SLOKSNE, iz)) {
        ZinotAtteikumu(sk.cels, iz.iemesls, sk.vards);
        continue;
      }
      const long long pikseli = iz.galva.w * iz.galva.h;
      if (pikseli > parejie - rezervets) {
        if (!darbi.empty()) break;
        ZinotAtteikumu(sk.cels, ParbauditGalvu(iz.galva, LOMA_SLOKSNE, parejie), sk.vards);
        continue;
      }
      darbi.push_back(SloksnesDarbs(sk.cels, parejie - rezervets));
      kuras.push_back(i);
      rezervets += pikseli;
    }
    IeladetBildes(darbi.data(), (int)darbi.size());
    for (size_t k = 0; k < darbi.size(); k++) {
      const Sekvence& sk = visas[kuras[k]];
      if (darbi[k].bilde)
        PievienotSloksni(mgr, sk.vards, darbi[k], sk.kadri, sk.intervals);
      else
        ZinotAtteikumu(sk.cels, darbi[k].iznakums.iemesls, sk.vards);
    }
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
  if (pk->klasses_id == 31) {
    mgr->kontrolpunkti.push_back(pk);
    mgr->kontrolpunktu_kopa++;
  }
}

bool PakuMenedzeris::IeladetPakasNoFaila(std::string cels) {
  CFGDocument doc;
  if (!doc.ReadFile(cels)) return false;
  IeladetPakas(doc);
  return true;
}

void PakuMenedzeris::IeladetPakas(CFGDocument& doc) {
  for (CFGNode* n = doc.GetFirstChild(); n; n = n->GetNextNode()) {
    std::string vards = n->GetName();
    if (vards == "images")
      IeladetAttelus(this, n);
    else if (vards != "level" && vards != "player")
      IeladetPaku(this, n);
  }
}
