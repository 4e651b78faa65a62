// The manager's containers: adding, looking up and deleting sequences and objects.
#include "objects/PakuMgr.h"

#include <algorithm>

PakuMenedzeris::~PakuMenedzeris() { DzestVisu(); }

PakuMenedzeris::Sv* PakuMenedzeris::AtgriestSekvenci(std::string vards) {
  for (Sv* sv : sekvences)
    if (sv->vards == vards) return sv;
  return nullptr;
}

PakuMenedzeris::Sv* PakuMenedzeris::PievienotSekvenci(Sv* sv) {
  if (sv) {
    if (sv->kadru_skaits == 0) sv->kadru_skaits = 1;
    sekvences.push_back(sv);
  }
  return sv;
}

PakuMenedzeris::Pk* PakuMenedzeris::PievienotPaku(Pk* pk) {
  if (pk) pakas.push_back(pk);
  return pk;
}

PakuMenedzeris::Pk* PakuMenedzeris::AtgriestPaku(std::string vards) {
  for (Pk* pk : pakas)
    if (pk && pk->vards == vards) return pk;
  return nullptr;
}

void PakuMenedzeris::RegistretKrustosanasFunktoru(Funktors f) { funktors = f; }

void PakuMenedzeris::DzestPaku(Pk* pk) {
  if (!pk) return;
  // Look the pointer up before touching the record: a second delete of the same object
  // (or a stranger's pointer) then does nothing instead of freeing twice.
  auto it = std::find(pakas.begin(), pakas.end(), pk);
  if (it == pakas.end()) return;
  if (pk->klasses_id == 31) kontrolpunkti.remove(pk);
  if (staigas > 0) {
    *it = nullptr;  // a walk may be standing on this slot
    ir_tuksas_vietas = true;
  } else {
    pakas.erase(it);
  }
  delete pk;
}

void PakuMenedzeris::DzestPaku(std::string vards) { DzestPaku(AtgriestPaku(vards)); }

void PakuMenedzeris::DzestPakas() {
  for (Pk*& pk : pakas) {
    delete pk;
    pk = nullptr;
  }
  kontrolpunkti.clear();
  kontrolpunktu_kopa = 0;
  if (staigas > 0)
    ir_tuksas_vietas = true;
  else
    pakas.clear();
}

void PakuMenedzeris::DzestVisu() {
  DzestPakas();
  for (Sv* sv : sekvences) {
    if (sv->bilde) SDL_FreeSurface(sv->bilde);
    delete sv;
  }
  sekvences.clear();
  sekvencu_pikseli = 0;
}

void PakuMenedzeris::Parnemt(PakuMenedzeris& no) {
  DzestVisu();
  pakas.splice(pakas.end(), no.pakas);
  kontrolpunkti.splice(kontrolpunkti.end(), no.kontrolpunkti);
  sekvences.swap(no.sekvences);  // ours is empty now
  kontrolpunktu_kopa = no.kontrolpunktu_kopa;
  sekvencu_pikseli = no.sekvencu_pikseli;
  no.kontrolpunktu_kopa = 0;
  no.sekvencu_pikseli = 0;
}

void PakuMenedzeris::_SakoptVietas() {
  if (!ir_tuksas_vietas) return;
  pakas.remove(nullptr);
  ir_tuksas_vietas = false;
}
