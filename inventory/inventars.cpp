// The item type table and the bag's operations.
#include "inventory/inventars.h"

#include <stddef.h>

#include "field/bildes_parbaude.h"
#include "shell/sistema.h"

Manta Inventars_V2::visu_lietu_tipi[Inventars_V2::TIPU_SKAITS] = {
    {1, "Laapsta", 1, {37, 32}, NULL},
    {2, "Cirtnis", 1, {37, 32}, NULL},
    {3, "Pneimatiskais cirtnis", 1, {37, 32}, NULL},
    {4, "Dinamiits 1x", 2, {37, 32}, NULL},
    {5, "Dinamiits 3x", 2, {37, 32}, NULL},
    {6, "Dinamiits 5x", 2, {37, 32}, NULL},
    {7, "Dinamiits ar detonatoru 3x", 2, {37, 32}, NULL},
    {8, "Dinamiits ar detonatoru 5x", 2, {37, 32}, NULL},
    {9, "Semtex", 3, {37, 32}, NULL},
    {10, "Semtex mazais 1s", 3, {37, 32}, NULL},
    {11, "Semtex mazais 3s", 3, {37, 32}, NULL},
    {0, NULL, 0, {0, 0}, NULL},
    {0, NULL, 0, {0, 0}, NULL},
};

namespace {

// The pictures of the filled table entries, in table order.
const char* const MANTU_BILDES[] = {
    "ui/lapsta.png",       "ui/cirtnis.png",          "ui/pneim_cirtnis.png",
    "ui/dinamits_1x.png",  "ui/dinamits_3x.png",      "ui/dinamits_5x.png",
    "ui/dinamits_deton_3x.png", "ui/dinamits_deton_5x.png", "ui/semtex_deton.png",
    "ui/semtex_1s.png",    "ui/semtex_3s.png",
};
const int MANTU_BILZU_SKAITS = sizeof(MANTU_BILDES) / sizeof(MANTU_BILDES[0]);

const unsigned TUKSAS_ATSLEGA = 1000;  // empty slots sort after every group

const Inventars_V2::InvLieta TUKSA = {0, 0};

}  // namespace

void Inventars_V2::InitietMantuTipus() {
  for (int i = 0; i < MANTU_BILZU_SKAITS; i++) {
    if (visu_lietu_tipi[i].inv_bilde) SDL_FreeSurface(visu_lietu_tipi[i].inv_bilde);
    visu_lietu_tipi[i].inv_bilde = EkranaFormata(IeladetSavuBildi(MANTU_BILDES[i]));
  }
}

Inventars_V2::Inventars_V2() {
  // The health background loads before the highlight.
  S_valja = EkranaFormata(IeladetSavuBildi("ui/ui_itm_unroll_begin.png"));
  S_ciet = EkranaFormata(IeladetSavuBildi("ui/ui_itm_compact.png"));
  S_gals = EkranaFormata(IeladetSavuBildi("ui/ui_itm_unroll_end.png"));
  S_kab_c = EkranaFormata(IeladetSavuBildi("ui/ui_itm_unroll_middle.png"));
  S_kab_v = EkranaFormata(IeladetSavuBildi("ui/ui_itm_unroll_middle_expand.png"));
  S_audums = EkranaFormata(IeladetSavuBildi("ui/ui_itm_expand_middle.png"));
  S_aud_g = EkranaFormata(IeladetSavuBildi("ui/ui_itm_expand_top.png"));
  S_veseliba = EkranaFormata(IeladetSavuBildi("ui/ui_health.png"));
  S_iezimets_fons = EkranaFormata(IeladetSavuBildi("ui/selected_bg.png"));
  // The panel can do without its right end, not without the rest.
  ieladets = S_valja && S_ciet && S_kab_c && S_kab_v && S_audums && S_aud_g &&
             S_iezimets_fons && S_veseliba;

  for (int i = 0; i < SOMAS_VIETAS; i++) soma[i] = TUKSA;
  for (int i = 0; i < NESEN_VIETAS; i++) nesen_lietots[i] = 0;
  aktiva_lieta = 0;
  IevietotLietu(1, 0, false);
  IevietotLietu(2, 0, false);
  IevietotLietu(3, 0, false);
  atverts = false;
  aktiva_lieta = 0;
  aktivo_grupu_skaits = 0;
}

Inventars_V2::~Inventars_V2() {
  SDL_Surface* bildes[] = {S_valja, S_ciet,  S_gals,          S_kab_c,   S_kab_v,
                           S_audums, S_aud_g, S_iezimets_fons, S_veseliba};
  for (SDL_Surface* b : bildes)
    if (b) SDL_FreeSurface(b);
}

int Inventars_V2::MekletMantu(unsigned mantasID) const {
  for (int i = 0; i < SOMAS_VIETAS; i++)
    if (soma[i].ID == mantasID) return i;
  return -1;
}

bool Inventars_V2::IevietotLietu(unsigned lietasID, int skaits, bool dzest) {
  // The sort and the panel look every ID up in the table.
  if (!IrIstaLieta(lietasID)) return false;
  const int i = MekletMantu(lietasID);
  if (i >= 0) {
    soma[i].skaits += skaits;
    if (soma[i].skaits <= 0 && dzest) IznemtLietu(lietasID);
    return true;
  }
  soma[SOMAS_VIETAS - 1].ID = lietasID;
  soma[SOMAS_VIETAS - 1].skaits = skaits;
  SortetInventaru();
  return true;
}

void Inventars_V2::IznemtLietu(unsigned lietasID) {
  const int i = MekletMantu(lietasID);
  if (i < 0) return;
  if (aktiva_lieta == lietasID) aktiva_lieta = 0;
  for (int e = 0; e < NESEN_VIETAS; e++)
    if (nesen_lietots[e] == soma[i].ID) nesen_lietots[e] = 0;
  soma[i] = TUKSA;
  SortetInventaru();
}

void Inventars_V2::SortetInventaru() {
  unsigned atslega[SOMAS_VIETAS];
  for (int i = 0; i < SOMAS_VIETAS; i++) {
    const Manta* m = soma[i].ID ? AtgriestLietasTipu(soma[i].ID) : NULL;
    atslega[i] = m ? m->grupa : TUKSAS_ATSLEGA;
  }
  // Equal keys are never exchanged, so each group keeps its order of adding.
  for (int n = SOMAS_VIETAS; n >= 1; n--)
    for (int j = 0; j <= n - 2; j++)
      if (atslega[j] > atslega[j + 1]) {
        Swapot(soma[j], soma[j + 1]);
        Swapot(atslega[j], atslega[j + 1]);
      }
}

Inventars_V2::InvLieta Inventars_V2::AtgriestLietu(unsigned lietasID) const {
  const int i = MekletMantu(lietasID);
  return i >= 0 ? soma[i] : TUKSA;
}

Manta* Inventars_V2::AtgriestLietasTipu(unsigned lietasID) {
  if (lietasID < 1 || lietasID > (unsigned)TIPU_SKAITS) return NULL;
  return &visu_lietu_tipi[lietasID - 1];
}

bool Inventars_V2::IrIstaLieta(unsigned lietasID) {
  const Manta* m = AtgriestLietasTipu(lietasID);
  return m && m->ID == lietasID;
}

void Inventars_V2::IztiritInventaru() {
  for (int e = 0; e < 3; e++) nesen_lietots[e] = 0;
  aktiva_lieta = 0;
  for (int i = 0; i < SOMAS_VIETAS; i++) soma[i] = TUKSA;
  IevietotLietu(1, 0, false);
  IevietotLietu(2, 0, false);
  IevietotLietu(3, 0, false);
}
