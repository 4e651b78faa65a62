// The item type table and the bag: order, counts, removal, clearing and refused IDs.
#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "inventory/inventars.h"
#include "tests/support/sargata_maska.h"

namespace {

typedef Inventars_V2::InvLieta Lieta;

// The occupied slots, checking on the way that every empty slot comes after them.
std::vector<std::pair<unsigned, int>> Aiznemtie(const Inventars_V2& inv) {
  std::vector<std::pair<unsigned, int>> v;
  bool tukss_redzets = false;
  for (int i = 0; i < Inventars_V2::SOMAS_VIETAS; i++) {
    if (inv.soma[i].ID == 0) {
      EXPECT_EQ(0, inv.soma[i].skaits) << "empty slot " << i << " keeps a count";
      tukss_redzets = true;
      continue;
    }
    EXPECT_FALSE(tukss_redzets) << "slot " << i << " is occupied after an empty one";
    v.push_back(std::make_pair(inv.soma[i].ID, inv.soma[i].skaits));
  }
  return v;
}

typedef std::vector<std::pair<unsigned, int>> Soma;
const Soma RIKI = {{1, 0}, {2, 0}, {3, 0}};


TEST(Soma, FreshBagHoldsTheThreeToolsAndNothingElse) {
  Inventars_V2 inv;
  EXPECT_EQ(RIKI, Aiznemtie(inv));
  EXPECT_EQ(0u, inv.aktiva_lieta);
  EXPECT_FALSE(inv.atverts);
  EXPECT_EQ(0u, inv.aktivo_grupu_skaits);
  for (int e = 0; e < Inventars_V2::NESEN_VIETAS; e++) EXPECT_EQ(0u, inv.nesen_lietots[e]);
}

struct Solis {
  unsigned id;
  int skaits;
  bool dzest;
};

struct SomasGadijums {
  const char* nosaukums;
  std::vector<Solis> soli;
  Soma gaidits;
};

TEST(Soma, AddingKeepsGroupOrderAndInsertionOrderWithinAGroup) {
  const std::vector<SomasGadijums> gadijumi = {
      {"a new dynamite goes after the tools", {{5, 3, false}}, {{1, 0}, {2, 0}, {3, 0}, {5, 3}}},
      {"within a group, first added first",
       {{5, 3, false}, {4, 1, false}},
       {{1, 0}, {2, 0}, {3, 0}, {5, 3}, {4, 1}}},
      {"Semtex after every dynamite",
       {{5, 3, false}, {4, 1, false}, {9, 1, false}},
       {{1, 0}, {2, 0}, {3, 0}, {5, 3}, {4, 1}, {9, 1}}},
      {"Semtex added first still sorts after dynamite",
       {{10, 2, false}, {9, 1, false}, {6, 4, false}},
       {{1, 0}, {2, 0}, {3, 0}, {6, 4}, {10, 2}, {9, 1}}},
      {"adding again only counts up",
       {{5, 3, false}, {9, 1, false}, {5, 2, false}},
       {{1, 0}, {2, 0}, {3, 0}, {5, 5}, {9, 1}}},
      {"using up the last one with dzest removes it",
       {{5, 3, false}, {5, -3, true}},
       RIKI},
      {"going below zero with dzest removes it",
       {{5, 3, false}, {4, 1, false}, {5, -4, true}},
       {{1, 0}, {2, 0}, {3, 0}, {4, 1}}},
      {"without dzest the count goes below zero and stays",
       {{5, 3, false}, {5, -5, false}},
       {{1, 0}, {2, 0}, {3, 0}, {5, -2}}},
      {"a negative count for an absent item makes a slot",
       {{4, -1, true}},
       {{1, 0}, {2, 0}, {3, 0}, {4, -1}}},
      {"a tool with dzest and count 0 goes",
       {{2, 0, true}},
       {{1, 0}, {3, 0}}},
      {"a removed item added again goes to the end of its group",
       {{4, 1, false}, {5, 1, false}, {4, -1, true}, {4, 2, false}},
       {{1, 0}, {2, 0}, {3, 0}, {5, 1}, {4, 2}}},
  };
  for (const SomasGadijums& g : gadijumi) {
    Inventars_V2 inv;
    for (const Solis& s : g.soli) EXPECT_TRUE(inv.IevietotLietu(s.id, s.skaits, s.dzest));
    EXPECT_EQ(g.gaidits, Aiznemtie(inv)) << g.nosaukums;
  }
}

TEST(Soma, IdsWithoutARealTypeAreRefusedAndLeaveTheBagAlone) {
  const unsigned atteiktie[] = {0, 12, 13, 14, 23, 24, 25, 255, 100000};
  for (unsigned id : atteiktie) {
    Inventars_V2 inv;
    inv.IevietotLietu(5, 2, false);
    Lieta pirms[Inventars_V2::SOMAS_VIETAS];
    memcpy(pirms, inv.soma, sizeof(pirms));
    EXPECT_FALSE(inv.IevietotLietu(id, 1, false)) << id;
    EXPECT_FALSE(inv.IevietotLietu(id, -1, true)) << id;
    EXPECT_EQ(0, memcmp(pirms, inv.soma, sizeof(pirms))) << "ID " << id << " changed the bag";
    EXPECT_EQ(-1, inv.MekletMantu(id == 0 ? 99 : id));
  }
  // Every real item is taken.
  Inventars_V2 inv;
  for (unsigned id = 1; id <= 11; id++) EXPECT_TRUE(inv.IevietotLietu(id, 1, false)) << id;
  EXPECT_EQ(11u, Aiznemtie(inv).size());
}

TEST(Soma, TypeLookupStaysInsideTheTable) {
  struct {
    unsigned id;
    bool ir_ieraksts;
    unsigned ieraksta_id;
    unsigned grupa;
    const char* vards;
  } gadijumi[] = {
      {1, true, 1, 1, "Laapsta"},
      {3, true, 3, 1, "Pneimatiskais cirtnis"},
      {4, true, 4, 2, "Dinamiits 1x"},
      {8, true, 8, 2, "Dinamiits ar detonatoru 5x"},
      {9, true, 9, 3, "Semtex"},
      {11, true, 11, 3, "Semtex mazais 3s"},
      {12, true, 0, 0, NULL},
      {13, true, 0, 0, NULL},
      {0, false, 0, 0, NULL},
      {14, false, 0, 0, NULL},
      {23, false, 0, 0, NULL},
      {0xFFFFFFFFu, false, 0, 0, NULL},
  };
  for (const auto& g : gadijumi) {
    const Manta* m = Inventars_V2::AtgriestLietasTipu(g.id);
    ASSERT_EQ(g.ir_ieraksts, m != NULL) << g.id;
    EXPECT_EQ(g.ieraksta_id != 0, Inventars_V2::IrIstaLieta(g.id)) << g.id;
    if (!m) continue;
    EXPECT_EQ(&Inventars_V2::visu_lietu_tipi[g.id - 1], m);
    EXPECT_EQ(g.ieraksta_id, m->ID);
    EXPECT_EQ(g.grupa, m->grupa);
    if (g.vards) {
      EXPECT_STREQ(g.vards, m->vards);
      EXPECT_EQ(37, m->inv_izmers[0]);
      EXPECT_EQ(32, m->inv_izmers[1]);
    }
  }
}

TEST(Soma, ReturnedSlotIsACopyOrEmpty) {
  Inventars_V2 inv;
  inv.IevietotLietu(9, 4, false);
  Lieta l = inv.AtgriestLietu(1);
  EXPECT_EQ(1u, l.ID);
  EXPECT_EQ(0, l.skaits);
  l = inv.AtgriestLietu(9);
  EXPECT_EQ(9u, l.ID);
  EXPECT_EQ(4, l.skaits);
  l.skaits = 100;
  EXPECT_EQ(4, inv.AtgriestLietu(9).skaits);
  l = inv.AtgriestLietu(5);
  EXPECT_EQ(0u, l.ID);
  EXPECT_EQ(0, l.skaits);
}

TEST(Soma, RemovalForgetsTheActiveAndRecentlyUsedItem) {
  struct {
    const char* nosaukums;
    unsigned iznemt;
    unsigned aktiva_pec;
    unsigned nesen_pec[3];
    Soma gaidits;
  } gadijumi[] = {
      {"the active dynamite", 5, 0, {2, 0, 9}, {{1, 0}, {2, 0}, {3, 0}, {9, 1}}},
      {"a recently used Semtex, not active", 9, 5, {2, 5, 0}, {{1, 0}, {2, 0}, {3, 0}, {5, 2}}},
      {"a tool", 2, 5, {0, 5, 9}, {{1, 0}, {3, 0}, {5, 2}, {9, 1}}},
      {"an absent item changes nothing", 6, 5, {2, 5, 9},
       {{1, 0}, {2, 0}, {3, 0}, {5, 2}, {9, 1}}},
  };
  for (const auto& g : gadijumi) {
    Inventars_V2 inv;
    inv.IevietotLietu(5, 2, false);
    inv.IevietotLietu(9, 1, false);
    inv.aktiva_lieta = 5;
    inv.nesen_lietots[0] = 2;
    inv.nesen_lietots[1] = 5;
    inv.nesen_lietots[2] = 9;
    inv.IznemtLietu(g.iznemt);
    EXPECT_EQ(g.aktiva_pec, inv.aktiva_lieta) << g.nosaukums;
    for (int e = 0; e < 3; e++) EXPECT_EQ(g.nesen_pec[e], inv.nesen_lietots[e]) << g.nosaukums;
    EXPECT_EQ(0u, inv.nesen_lietots[3]);
    EXPECT_EQ(g.gaidits, Aiznemtie(inv)) << g.nosaukums;
  }
}

TEST(Soma, UsingUpTheActiveItemClearsIt) {
  Inventars_V2 inv;
  inv.IevietotLietu(7, 1, false);
  inv.aktiva_lieta = 7;
  inv.nesen_lietots[1] = 7;
  inv.IevietotLietu(7, -1, true);
  EXPECT_EQ(0u, inv.aktiva_lieta);
  EXPECT_EQ(0u, inv.nesen_lietots[1]);
  EXPECT_EQ(-1, inv.MekletMantu(7));
}

TEST(Soma, TheFourteenthItemOverwritesTheLastSlot) {
  // With every slot taken a new item lands in the last slot, replacing what it held.
  Inventars_V2 inv;
  const unsigned pilna[Inventars_V2::SOMAS_VIETAS] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4};
  for (int i = 0; i < Inventars_V2::SOMAS_VIETAS; i++) {
    inv.soma[i].ID = pilna[i];
    inv.soma[i].skaits = i;
  }
  EXPECT_TRUE(inv.IevietotLietu(11, 7, false));
  const Soma gaidits = {{1, 0},  {2, 1},  {3, 2}, {1, 10}, {2, 11}, {3, 12}, {4, 3},
                        {5, 4},  {6, 5},  {7, 6}, {8, 7},  {9, 8},  {10, 9}, {11, 7}};
  EXPECT_EQ(gaidits, Aiznemtie(inv));

  // A bag of all eleven real items never reaches that point.
  Inventars_V2 visas;
  for (unsigned id = 11; id >= 1; id--) visas.IevietotLietu(id, 1, false);
  EXPECT_EQ(0u, visas.soma[11].ID);
  EXPECT_EQ(0u, visas.soma[13].ID);
  EXPECT_EQ(11u, Aiznemtie(visas).size());
}

TEST(Soma, SortIsStableWithinEachGroup) {
  Inventars_V2 inv;
  const Lieta jaukta[Inventars_V2::SOMAS_VIETAS] = {
      {9, 1}, {5, 2}, {0, 0}, {2, 0}, {0, 0}, {4, 3}, {1, 0}, {10, 4}, {0, 0}, {3, 0},
      {0, 0}, {0, 0}, {7, 5}, {0, 0}};
  memcpy(inv.soma, jaukta, sizeof(jaukta));
  inv.SortetInventaru();
  const Soma gaidits = {{2, 0}, {1, 0}, {3, 0}, {5, 2}, {4, 3}, {7, 5}, {9, 1}, {10, 4}};
  EXPECT_EQ(gaidits, Aiznemtie(inv));
}

TEST(Soma, ClearingLeavesExactlyTheThreeTools) {
  Inventars_V2 inv;
  inv.IevietotLietu(2, 0, true);  // even a removed tool comes back
  inv.IevietotLietu(9, 3, false);
  inv.IevietotLietu(4, 1, false);
  inv.aktiva_lieta = 9;
  for (int e = 0; e < 3; e++) inv.nesen_lietots[e] = e + 1;
  inv.IztiritInventaru();
  EXPECT_EQ(RIKI, Aiznemtie(inv));
  EXPECT_EQ(0u, inv.aktiva_lieta);
  for (int e = 0; e < Inventars_V2::NESEN_VIETAS; e++) EXPECT_EQ(0u, inv.nesen_lietots[e]);
}

TEST(MantuBildes, EveryItemPictureLandsInItsOwnEntry) {
  const char* faili[] = {"ui/lapsta.png",       "ui/cirtnis.png",
                         "ui/pneim_cirtnis.png", "ui/dinamits_1x.png",
                         "ui/dinamits_3x.png",  "ui/dinamits_5x.png",
                         "ui/dinamits_deton_3x.png", "ui/dinamits_deton_5x.png",
                         "ui/semtex_deton.png", "ui/semtex_1s.png",
                         "ui/semtex_3s.png"};
  {
    PagaiduMape mape;
    // A width of its own tells each file apart.
    for (int i = 0; i < 11; i++) PagaiduMape::Bilde(faili[i], 20 + i, 32, 0x101010 * i);
    Inventars_V2::InitietMantuTipus();
  }
  for (int i = 0; i < 11; i++) {
    SDL_Surface* b = Inventars_V2::visu_lietu_tipi[i].inv_bilde;
    ASSERT_TRUE(b != NULL) << faili[i];
    EXPECT_EQ(20 + i, b->w) << faili[i];
  }
  EXPECT_TRUE(Inventars_V2::visu_lietu_tipi[11].inv_bilde == NULL);
  EXPECT_TRUE(Inventars_V2::visu_lietu_tipi[12].inv_bilde == NULL);
  {
    // Missing pictures leave the entries empty, no crash.
    PagaiduMape tuksa;
    Inventars_V2::InitietMantuTipus();
  }
  for (int i = 0; i < Inventars_V2::TIPU_SKAITS; i++)
    EXPECT_TRUE(Inventars_V2::visu_lietu_tipi[i].inv_bilde == NULL) << i;
}

TEST(MantuBildes, PanelIsLoadedWithoutItsRightEndButNotWithoutTheRest) {
  const char* faili[] = {"ui/ui_itm_unroll_begin.png",  "ui/ui_itm_compact.png",
                         "ui/ui_itm_unroll_end.png",    "ui/ui_itm_unroll_middle.png",
                         "ui/ui_itm_unroll_middle_expand.png", "ui/ui_itm_expand_middle.png",
                         "ui/ui_itm_expand_top.png",    "ui/selected_bg.png",
                         "ui/ui_health.png"};
  struct {
    const char* trukst;  // the one file left out, or none
    bool ieladets;
  } gadijumi[] = {
      {NULL, true},
      {"ui/ui_itm_unroll_end.png", true},
      {"ui/ui_health.png", false},
      {"ui/selected_bg.png", false},
      {"ui/ui_itm_unroll_begin.png", false},
      {"ui/ui_itm_expand_top.png", false},
  };
  for (const auto& g : gadijumi) {
    PagaiduMape mape;
    for (const char* f : faili)
      if (!g.trukst || strcmp(f, g.trukst) != 0) PagaiduMape::Bilde(f, 10, 10, 0x808080);
    Inventars_V2 inv;
    EXPECT_EQ(g.ieladets, inv.ieladets) << (g.trukst ? g.trukst : "all present");
    const bool bez_gala = g.trukst && strcmp(g.trukst, "ui/ui_itm_unroll_end.png") == 0;
    EXPECT_EQ(!bez_gala, inv.S_gals != NULL);
    EXPECT_TRUE(inv.S_veseliba != NULL || !g.ieladets);
    EXPECT_EQ(RIKI, Aiznemtie(inv));
  }
}

}  // namespace
