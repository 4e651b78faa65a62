// What a blast shows besides its hole: a flash, flying debris and a short shake of the view;
// and, while a charge burns, how far its blast reaches. Drawing only: nothing here touches
// the mask, the digger or the random numbers the blast's rays are drawn with.
#ifndef DELVORN_FIELD_SPRADZIENS_H
#define DELVORN_FIELD_SPRADZIENS_H

#include <SDL.h>

class Laukums;

// A blast of strength s kills the digger whose centre is within s pixels and hurts him
// within 3.5 s (the digger's health rules use these two).
const float SPRADZIENS_NOGALINA = 1.0f;
const float SPRADZIENS_IEVAINO = 3.5f;

struct Spradziens {
  static const int KADRI = 13;  // about half a second of flash and debris
  static const int DRUPATAS = 48;
  struct Drupata {
    float x, y, vx, vy;  // field pixels and pixels per frame
    Uint8 r, g, b;
  };
  int x = 0, y = 0, stiprums = 0;
  int kadrs = KADRI;  // frames shown so far; at KADRI the blast is over
  Drupata drupatas[DRUPATAS];
  unsigned sekla = 1;  // the debris' own random numbers
};

extern Spradziens spradziens;

// The blast strength of an explosive (item 4 to 11); 0 for anything else.
int SpradzienaStiprums(int tips);

// A blast of that strength at field (x, y): its flash and debris start with the next frame.
void SaktSpradzienu(const Laukums &lauks, int x, int y, int stiprums);

// Once a frame, over the digger: the burning charge's reach, then the last blast's flash
// and debris one frame on, then the view's shake while the blast is young.
void ZimetSpradzienu(const Laukums &lauks, SDL_Surface *ekrans);

// Moves the picture on the screen by (dx, dy); the edge rows and columns fill the gap.
void KratitEkranu(SDL_Surface *ekrans, int dx, int dy);

#endif
