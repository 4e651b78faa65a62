// The digger's bag: the fixed table of item types and the counted items, kept in group order.
//
// Item IDs: 1-3 digging tools, 4-8 dynamite, 9-11 Semtex; the same numbers are the mask's
// pick-up bytes, object classes and bomb types. The type of ID n is table entry n - 1;
// entries 11 and 12 are empty (ID 0), so only IDs 1-11 are real items and only they enter
// the bag.
#ifndef DELVORN_INVENTORY_INVENTARS_H
#define DELVORN_INVENTORY_INVENTARS_H

#include <SDL.h>

// One item type. ID 0 marks an empty table entry.
struct Manta {
  unsigned int ID;
  const char* vards;
  unsigned int grupa;  // 1 digging tools, 2 dynamite, 3 Semtex, 0 none
  int inv_izmers[2];   // the panel picture's width and height
  SDL_Surface* inv_bilde;
};

// Exchanges two values of any type through a temporary copy.
template <typename T>
void Swapot(T& a, T& b) {
  T c = a;
  a = b;
  b = c;
}

class Inventars_V2 {
 public:
  // One bag slot: ID 0 is an empty slot; tools carry count 0.
  struct InvLieta {
    unsigned int ID;
    int skaits;
  };

  static const int TIPU_SKAITS = 13;
  static const int SOMAS_VIETAS = 14;
  static const int NESEN_VIETAS = 4;

  // Shared by every bag; filled at start-up and never changed.
  static Manta visu_lietu_tipi[TIPU_SKAITS];

  unsigned int aktiva_lieta;  // the item Rakt uses; 0 none
  bool atverts;               // the panel is open
  bool ieladets;              // every panel picture but S_gals loaded
  unsigned int aktivo_grupu_skaits;
  // Occupied slots first, by group (1, 2, 3) and within a group in order of first adding;
  // empty slots last; an ID at most once.
  InvLieta soma[SOMAS_VIETAS];
  unsigned int nesen_lietots[NESEN_VIETAS];  // last chosen of groups 1-3; entry 3 stays 0

  // The panel's pictures.
  SDL_Surface* S_valja;
  SDL_Surface* S_ciet;
  SDL_Surface* S_gals;
  SDL_Surface* S_kab_c;
  SDL_Surface* S_kab_v;
  SDL_Surface* S_audums;
  SDL_Surface* S_aud_g;
  SDL_Surface* S_iezimets_fons;
  SDL_Surface* S_veseliba;

  // Loads the eleven item pictures in table order, as they are; a missing one stays null.
  // Needs the video mode set; called once at start-up.
  static void InitietMantuTipus();

  // Loads the panel pictures and holds the three tools.
  Inventars_V2();
  ~Inventars_V2();
  Inventars_V2(const Inventars_V2&) = delete;
  Inventars_V2& operator=(const Inventars_V2&) = delete;

  // The first slot holding mantasID, or -1.
  int MekletMantu(unsigned mantasID) const;
  // Adds skaits (may be negative) to the item's count, making a slot for a new item (the
  // last slot is overwritten when the bag is full). With dzest, a count at 0 or below
  // removes the item. Refuses IDs that are not real items: false, the bag unchanged.
  bool IevietotLietu(unsigned lietasID, int skaits, bool dzest);
  // Removes the item's slot and forgets it as the active and recently used item.
  void IznemtLietu(unsigned lietasID);
  // Restores the group order with a stable bubble sort.
  void SortetInventaru();
  // A copy of the item's slot, or {0, 0}.
  InvLieta AtgriestLietu(unsigned lietasID) const;
  // The type record of an ID (entry ID - 1), or null outside 1-13.
  static Manta* AtgriestLietasTipu(unsigned lietasID);
  // True for IDs with a filled table entry: the only ones the bag takes.
  static bool IrIstaLieta(unsigned lietasID);
  // Empties the bag back to the three tools, with nothing active or recently used.
  void IztiritInventaru();

  // The panel, once per frame: draws the active item, the panel (open while the pointer
  // is on it) and the health background; a button down over an item chooses it, and any
  // button down closes the panel. (x, y) is the pointer, poga the button mask.
  void Apkalpot(int x, int y, unsigned char poga);
  // Hit test: 1 when (x, y) is on the panel. On an open panel it also gives the group of
  // the pocket under the point and the item's place in it (1 = bottom, 0 = the base);
  // grupa and manta are left alone elsewhere.
  unsigned KurKursors(int x, int y, bool atverts, int& grupa, int& manta);
  // True when (x, y) is on the panel as it now stands, open or closed; changes nothing.
  bool UzPanela(int x, int y);
  // One pocket with its left edge at x: closed for lenta <= 0, else expanded by lenta
  // column pieces.
  void ZimetKabatu(int x, int lenta);
};

#endif
