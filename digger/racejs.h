// The digger: its state, turning, walking against the field mask, pick-ups and drawing.
//
// Angles are whole degrees, 0 right, 90 up; a step d along a moves x by d cos a and y by
// -d sin a. (pozx, pozy) is the top-left corner of the digger's 21 x 21 box in field
// coordinates. The collision masks are laid over the field mask with their top-left pixel
// on the tested position; a mask pixel counts where its byte 0 is non-zero.
#ifndef DELVORN_DIGGER_RACEJS_H
#define DELVORN_DIGGER_RACEJS_H

#include <SDL.h>

#include "inventory/inventars.h"

// Degrees to radians, in the one order of operations all the digger's trigonometry uses.
inline double Radiani(double gradi) { return gradi * 3.14159265 / 180.0; }

class Speletajs {
 public:
  float Veseliba;                // health, at most 100
  int baterijas;                 // lamp battery left, milliseconds
  unsigned int baterijas_laiks;  // full battery, milliseconds
  int kustibu_pauze;             // frames the frame loop holds the action
  Inventars_V2 inv2;
  int virziens;  // facing, 0-359
  float pozx;
  float pozy;
  int darbiba;  // 1 standing, 2 walking, 3 spade, 4 pick, 5 pneumatic pick, 6 dead, 7
  SDL_Surface* pieci;  // 25 x 25 scratch for turning the walking sprite
  SDL_Surface* tris;   // 38 x 38 scratch for the other sprites
  SDL_Surface* s_baterija;
  SDL_Surface* s_baterijas_josla;
  SDL_Surface* lielais;
  SDL_Surface* S_Soljo;  // sprite sheets: nine facings across, animation frames down
  SDL_Surface* S_Rok;
  SDL_Surface* S_Cert;
  SDL_Surface* S_Pne;
  SDL_Surface* S_Mir;
  SDL_Surface* S_Dirn;
  // Walking sheets with the active item in his hands: spade, pick, pneumatic pick, a charge.
  // Laid out as S_Soljo, which stands in for a missing one.
  static const int NESAMO_SKAITS = 4;
  SDL_Surface* S_Nes[NESAMO_SKAITS];
  SDL_Surface* maskal;  // collision mask for the far and side tests
  SDL_Surface* maskam;  // collision mask for the near test and pick-ups
  SDL_Surface* tr;
  SDL_Surface* t[6];
  int kadrs;     // animation frame
  int kadrscnt;  // calls since kadrs last advanced
  int bildeslenkis;
  int tips;
  int speckolizija;  // last pick-up byte left under the near mask, 0 none
  int sanslide;      // slide away from a blocked side: -1, 0, +1
  int TAIMERIS;      // fuse of detonated explosives, frames

  static const int IZMERS = 21;  // the collision box and masks
  static const int PAGAIDU_MAX = 50;

  // Builds the inventory first, then loads the pictures. A sheet, scratch or mask that
  // cannot be used is left null, with one line on standard error.
  Speletajs(int pozx, int pozy, int tips);
  ~Speletajs();
  Speletajs(const Speletajs&) = delete;
  Speletajs& operator=(const Speletajs&) = delete;

  int GetX() const;
  int GetY() const;
  void SetDarbiba(int darbiba);
  // Turns towards the screen point (x, y); a pointer within 14 pixels holds the pause.
  void Pagriezt(int x, int y);
  // Walks one step along the facing when kur is set: the straight step of Kolizija's code
  // where the body fits, else a step along the wall; the collision test and its pick-ups run
  // either way.
  void Parvietot(int kur);
  // Picks up what the near mask touches one pixel ahead, then gives Kods for the facing.
  int Kolizija();
  // The speed code of heading v from here: 0 blocked, 2 blocked only just ahead, 4 sliding,
  // 5 free; *slide is the side to step away from a blocked side (-1, 0, +1). Changes nothing.
  int Kods(int v, int* slide) const;
  // Takes the items and kits under the near mask one pixel ahead along the facing.
  void Pacelt();
  // Where one step of heading v with code kods and side step slide takes him; false when
  // no way is free. Changes nothing.
  bool MekletSoli(int v, int kods, int slide, float* x, float* y) const;
  // Solid pixels under the body at (x, y); with sanis, also the open side for heading v:
  // +1 left of it, -1 right, 0 when the ground lies square ahead.
  int Parklajums(float x, float y, int* sanis = nullptr, int v = 0) const;
  // Advances the animation frame every third call.
  void Kadri();
  // Draws the current action's sprite cell, turned to the facing, onto the screen.
  void Attelot();
  // Uses the active item: a tool clears a fan of rays in the mask ahead and holds the
  // digger for its pause; an explosive is placed ten pixels ahead and one is used up,
  // even when the field already has a bomb burning. Nothing else does anything.
  void Rakt();
  // Once per frame: takes the health a blast, a zone under the centre or radiation in
  // sight costs (not while the game is paused), then draws the health number and the
  // battery gauge.
  void Veseljoties(bool briesmas = true);

  // Load-time checks; each keeps the surface or frees it and reports the file.
  // A sheet must hold the 9 x rindas grid of suna-pixel cells.
  static SDL_Surface* ParbauditLapu(SDL_Surface* s, const char* fails, int suna, int rindas);
  // A turning scratch must be square, 32 bits per pixel and at most 50 pixels wide.
  static SDL_Surface* ParbauditPagaidu(SDL_Surface* s, const char* fails);
  // A collision mask must be 32 bits per pixel and at least 21 x 21.
  static SDL_Surface* ParbauditMasku(SDL_Surface* s, const char* fails);
};

#endif
