// The game's 800 x 600 picture copied into a window N times as large (N = 1..4), each pixel
// an N x N block, and the window's pointer mapped back to the game's picture.
#ifndef DELVORN_SHELL_MEROGS_H
#define DELVORN_SHELL_MEROGS_H

#include <SDL.h>

const int SPELES_W = 800, SPELES_H = 600;  // the game's own picture
const int LIELAKAIS_MEROGS = 4;

// Copies `no` (32-bit, any size) into `uz` (32-bit, same layout, another surface) with its
// top-left corner at (dx, dy), each pixel an n x n block; whatever falls outside `uz` is
// left out. Nothing happens for n < 1 or a surface that is not 32-bit.
void Merogot(const SDL_Surface* no, SDL_Surface* uz, int n, int dx, int dy);

// The game's pixel under the window's pointer (wx, wy) when the picture is scaled by n at
// (dx, dy); x and y are clamped to the picture. False when the pointer lies outside it.
bool PelesVieta(int wx, int wy, int n, int dx, int dy, int* x, int* y);

// The largest scale 1..4 at which the whole picture fits on a screen of that size (1 when
// even 800 x 600 does not fit).
int LielakaisMerogs(int ekrana_w, int ekrana_h);

// The offset that centres the picture scaled by n; 0 along an axis where it does not fit.
void Centrs(int ekrana_w, int ekrana_h, int n, int* dx, int* dy);

#endif
