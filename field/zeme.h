// The mine field: three pictures of one size; all ground data lives in the mask's pixels.
//
// Siets (the mask) is kept in the fixed layout red 0x00FF0000, green 0x0000FF00,
// blue 0x000000FF, so a mask pixel's bytes mean:
//   byte 0 (blue,  bits 0-7)   hardness: 0 dug out (Pamats shows), 1-4 loose (Zeme shows,
//                              passable), 5-255 solid (blocks; a tool or blast clears it
//                              below its limit)
//   byte 1 (green, bits 8-15)  pick-up: 1-23 item ID, 24 kit worth 25, 25 kit worth 50
//   byte 2 (red,   bits 16-23) zone: 5 open chasm (black), 10-15 closed chasm region,
//                              50 poison, 90 radiation source
// Zeme (undug earth) and Pamats (tunnel wall) are in the screen's format, so drawing is a
// 32-bit move per pixel. All three are at least (sak.x + 800) x (sak.y + 600) pixels.
// Screen (j, i) shows field (sak.x + j, sak.y + i).
#ifndef DELVORN_FIELD_ZEME_H
#define DELVORN_FIELD_ZEME_H

#include <SDL.h>

#include <string>
#include <vector>

// Mask byte access on a raw 32-bit mask value.
inline int SietaCietiba(Uint32 p) { return p & 0xFF; }
inline int SietaManta(Uint32 p) { return (p >> 8) & 0xFF; }
inline int SietaZona(Uint32 p) { return (p >> 16) & 0xFF; }
inline Uint32 ArCietibu(Uint32 p, int v) { return (p & ~0x0000FFu) | (Uint32)(v & 0xFF); }
inline Uint32 ArMantu(Uint32 p, int v) { return (p & ~0x00FF00u) | ((Uint32)(v & 0xFF) << 8); }
inline Uint32 ArZonu(Uint32 p, int v) { return (p & ~0xFF0000u) | ((Uint32)(v & 0xFF) << 16); }

// A copy of a picture in the mask's fixed layout (the picture itself is kept); null when
// it cannot be made.
SDL_Surface* SietaFormata(SDL_Surface* s);

// A burning bomb: the explosive's item ID, its centre in field coordinates, frames left.
struct bumbvieta {
  int tips;
  int x;
  int y;
  int t;
};

// The last blast, read (and reset to 0) by the digger's health update of the same frame.
struct EpicentrsDati {
  int x;
  int y;
  int stiprums;  // 0 = no blast waiting
};
extern EpicentrsDati Epicentrs;

// First-aid kit icons, in field coordinates: entries 0-19 stay empty, kits from 20 to
// AP_skaits - 1.
struct AptiekasIkona {
  int x;
  int y;
  int tips;  // 24 or 25; 0 draws nothing
};
const int IKONU_SKAITS = 40;
const int IKONU_SAKUMS = 20;
extern AptiekasIkona ikonas[IKONU_SKAITS];

// The radiation sources that hurt, in field coordinates: on a field the size of the view,
// the first five of the last full redraw; on a larger one, the five nearest the digger.
struct RadPunkts {
  int x;
  int y;
};
const int RAD_MAX = 5;
extern RadPunkts rad[RAD_MAX];
extern int radC;

// Non-zero: the next ZimLauk redraws the whole view, whatever region it was asked for.
extern int japarzime;

const int SKATA_PLATUMS = 800;
const int SKATA_AUGSTUMS = 600;
const int AIZA_NAV = 1000;  // Aiza_valja when no chasm region waits to open
const int BUMBU_VIETAS = 10;

class Laukums {
 public:
  SDL_Surface* Siets;   // the mask; the only picture changed in play
  SDL_Surface* Zeme;    // undug ground
  SDL_Surface* Pamats;  // dug-out ground
  SDL_Surface* da1;     // burning-bomb strips, five 23 x 20 frames each
  SDL_Surface* dad;
  SDL_Surface* dtd;
  SDL_Surface* st;
  SDL_Surface* sa;
  SDL_Surface* apt2;  // kit strips, eleven 20 x 20 frames each
  SDL_Surface* apt5;
  SDL_Rect sak;  // view origin; w and h are 800 and 600
  bumbvieta* Bumbas[BUMBU_VIETAS];  // only slot 0 is used: one bomb burns at a time
  int apt_kadrs;
  float apt_kadrs_f;
  int bum_kadrs;
  float bum_kadrs_f;
  int Aiza_valja;  // chasm region (10-15) waiting to open, or AIZA_NAV
  int AizKaunts;
  int Zimet_Aptiekas;
  int AP_skaits;  // one past the last used ikonas entry
  std::vector<RadPunkts> starojums;  // every radiation pixel of the field, row by row

  // Loads the three field pictures (a refused picture leaves its surface null, with one line
  // on standard error unless the file is simply missing: the caller decides) and the
  // animation strips (a missing strip is simply not drawn).
  Laukums(int sakx, int saky, const char* nos1, const char* nos2, const char* nos3);
  // Frees every picture and a bomb still burning. The game keeps its one field to the end.
  ~Laukums();
  Laukums(const Laukums&) = delete;
  Laukums& operator=(const Laukums&) = delete;

  // Replaces Siets, Pamats and Zeme together: all three are checked and loaded first, and
  // only when all three are usable and of one size do they replace the field's pictures.
  // Otherwise the field keeps all three and one line on standard error names the file and
  // what was wrong (false). The view origin is then kept within the new field.
  bool IeladetVirsmas(const char* karte, const char* slanis1, const char* slanis2);
  // The same in two halves, so that a level can check all it needs before it changes
  // anything: the pictures read and checked without touching the field (false with the
  // file at fault and why, nothing kept), then put in place of the field's.
  bool SagatavotVirsmas(const char* karte, const char* slanis1, const char* slanis2,
                        SDL_Surface* jauni[3], std::string& vainigais,
                        std::string& iemesls) const;
  void NomainitVirsmas(SDL_Surface* jauni[3]);

  // Redraws a screen region from the field (the whole view when viss or japarzime is set).
  void ZimLauk(int x, int y, int w, int h, int viss);
  // Copies Pamats to a screen region without looking at the mask.
  void ZimLaukLite(int x, int y, int w, int h);
  // Moves the view 10 pixels towards a clock hour (12, 6, 9, 3) and redraws. The origin
  // stays within the field whatever its size.
  void Parbidit(int kur);
  // Puts the view origin back within the mask: 0 to (width - 800) and 0 to (height - 600).
  void IerobezotSkatu();
  // Advances the first-aid kit animation: frames 0-10 in a cycle of 55 calls.
  void BiditKadrus();

  // Places a bomb of item type numurs with a fuse of laiks frames at field (x, y), unless
  // one already burns.
  void Spridzinat(int numurs, int laiks, int x, int y);
  // Once per frame: draws the burning bomb, counts its fuse down (unless the game is
  // paused) and blasts at 0.
  void ApkalpotBumbas(bool degt = true);
  // Rebuilds the kit icon list from the mask markers of the whole field.
  void ParindeksetAptiekas();
  // Finds every radiation pixel of the field; the zones do not move in play, so a new mask
  // is the only occasion.
  void IndeksetStarojumu();
  // On a field larger than the view, puts the five sources nearest field (cx, cy) in rad;
  // a field the size of the view keeps the redraw's own list.
  void TuvakieStarojumi(int cx, int cy);
  // True when the field is larger than the view, so that the view can move.
  bool LielaksParSkatu() const;

  // Bounds-checked mask access: outside the mask reads give 0 and writes do nothing.
  Uint32 LasitSietu(int x, int y) const;
  void RakstitSietu(int x, int y, Uint32 v);

  // Loads a field picture through the checked way in and converts it for its layer (the
  // mask to the fixed layout, the looks to the screen's). Null, with the reason, when it does
  // not load, is smaller than the view, or unlike the size of `lidzigs`. `trukst` tells that
  // the file is simply not there.
  SDL_Surface* IeladetSlani(const char* fails, bool maska, const SDL_Surface* lidzigs,
                            std::string& iemesls, bool* trukst = NULL) const;
  // The same with one line on standard error when it fails, unless the file is missing.
  SDL_Surface* IeladetZinot(const char* fails, bool maska, const SDL_Surface* lidzigs) const;
};

extern Laukums* L1;

#endif
