// The one way in for pictures: a file's header is read and checked before anything is decoded,
// so that a picture named by a level file cannot make the game allocate or decode more than
// its caps allow.
//
// Accepted are PNG, JPEG and BMP, told by their magic bytes (never by the file name), and
// decoded by the decoder of that format only. Caps, by what the picture is for:
//   field looks and the game's own pictures   at most 4096 x 4096
//   the field mask                            the same, and lossless: PNG or BMP, never JPEG
//   animation strips                          at most 4096 x 256
// A level's sequence pictures together stay within 64 million pixels (the object manager
// keeps that count).
#ifndef DELVORN_FIELD_BILDES_PARBAUDE_H
#define DELVORN_FIELD_BILDES_PARBAUDE_H

#include <SDL.h>

#include <string>

enum BildesFormats { NAV_FORMATA = 0, BILDE_PNG, BILDE_JPEG, BILDE_BMP };

// What a picture is for: it chooses the caps.
enum BildesLoma {
  LOMA_LAUKS,    // a field look (Zeme, Pamats)
  LOMA_SIETS,    // the field mask: its bytes are data, so only lossless formats
  LOMA_SLOKSNE,  // an animation strip: frames side by side
  LOMA_BILDE,    // a picture the game ships (menus, items, the digger, panels)
};

const int LAUKA_MAX_MALA = 4096;
const int SLOKSNES_MAX_PLATUMS = 4096;
const int SLOKSNES_MAX_AUGSTUMS = 256;
const long long LIMENA_SEKVENCU_PIKSELI = 64000000;

// What a file's header declares. Sizes are as declared (a BMP's negative height, meaning
// top-down rows, counts as its absolute value), wide enough for any declared value.
struct BildesGalva {
  BildesFormats formats = NAV_FORMATA;
  long long w = 0;
  long long h = 0;
};

// How a load ended.
enum BildesStavoklis {
  BILDE_LABA,         // loaded
  BILDE_NAV,          // the file cannot be opened or read: no picture there at all
  BILDE_ATTEIKTA,     // refused by the header check: not a picture kind we take, or over a cap
  BILDE_NEDEKODEJAS,  // the header passed, the decoder failed (damaged data)
};

struct BildesIznakums {
  BildesStavoklis stavoklis = BILDE_NAV;
  std::string iemesls;  // why it did not load, in words for a level author; empty when loaded
  BildesGalva galva;
};

// Reads the header from the start of src and leaves src's position unspecified. False, with
// the reason, when the bytes are not a PNG, JPEG or BMP header or are cut short.
bool LasitBildesGalvu(SDL_RWops* src, BildesGalva& galva, std::string& iemesls);

// The caps of a use, checked against a header; empty when the picture may be decoded.
// parejie_pikseli: how many pixels the caller's budget has left (negative: no budget).
std::string ParbauditGalvu(const BildesGalva& galva, BildesLoma loma,
                           long long parejie_pikseli = -1);

// The header check alone, without decoding: true when IeladetBildi would go on to decode.
bool ParbauditBildi(const char* fails, BildesLoma loma, BildesIznakums& iznakums,
                    long long parejie_pikseli = -1);

// Checks the header, then decodes with the format's own decoder. Null when it did not load;
// iznakums (when given) says why. Prints nothing: each caller knows what a failure means.
SDL_Surface* IeladetBildi(const char* fails, BildesLoma loma, BildesIznakums* iznakums = NULL,
                          long long parejie_pikseli = -1);

// One picture of a batch for IeladetBildes, and its result.
struct BildesDarbs {
  std::string fails;
  BildesLoma loma = LOMA_BILDE;
  long long parejie_pikseli = -1;
  bool uz_xrgb = false;  // also copy it into the layout of UzXrgb (the copy replaces it)
  bool ar_alfu = false;  // ... keeping its alpha, when it has any
  SDL_Surface* bilde = NULL;  // the result, or null as IeladetBildi gives it
  bool ir_xrgb = false;       // bilde is the UzXrgb copy
  BildesIznakums iznakums;
};

// Loads several pictures as IeladetBildi does, on a second thread beside the caller's, so that
// the largest levels load in about half the time on two cores. Each job keeps its own result.
void IeladetBildes(BildesDarbs* darbi, int n);

// A decoded picture copied to 32 bits with red 0x00FF0000, green 0x0000FF00, blue 0x000000FF
// (the mask's layout and the screen's under SDL's X11, Windows and dummy drivers), with alpha
// 0xFF000000 when ar_alfu, else 0 in the top byte. Plain byte loops, several times faster than
// SDL's general conversion on the largest pictures. Null when the source is not a plain
// 24- or 32-bit picture without a colour key: the caller then lets SDL convert it.
SDL_Surface* UzXrgb(const SDL_Surface* s, bool ar_alfu);
// True when the screen's pixels are in that layout, so that UzXrgb gives the screen's format.
bool EkransIrXrgb();

// For the game's own pictures: the checked load, with one line on standard error when the
// check refuses the file. A missing or undecodable file stays silent, as before.
SDL_Surface* IeladetSavuBildi(const char* fails, BildesLoma loma = LOMA_BILDE);

#endif
