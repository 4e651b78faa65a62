// Drawing and text helpers used every frame: the frame clock, quarter turns, text lines.
#ifndef DELVORN_SHELL_SISTEMA_H
#define DELVORN_SHELL_SISTEMA_H

#include <SDL.h>
#include <SDL_ttf.h>

// Milliseconds since the previous call (the first call subtracts 0).
int raamji(Uint32 laiks);

// Turns a square 32-bit surface in place by quarter turns counter-clockwise on screen.
// Negative counts get 4 added once (-1 acts as 3; -5 stays negative: nothing happens).
// Surfaces that are not 32-bit, or wider than 50, or taller than wide, are left alone.
void rotet(int uzkurieni, SDL_Surface* bilde);

// One line of 8-bit text with its top at y: right edge, left edge or centre at x.
void ZiimeeTekstuR(SDL_Surface* surf, TTF_Font* font, unsigned x, unsigned y,
                   const char* teksts, unsigned r, unsigned g, unsigned b);
void ZiimeeTekstuL(SDL_Surface* surf, TTF_Font* font, unsigned x, unsigned y,
                   const char* teksts, unsigned r, unsigned g, unsigned b);
void ZiimeeTekstuC(SDL_Surface* surf, TTF_Font* font, unsigned x, unsigned y,
                   const char* teksts, unsigned r, unsigned g, unsigned b);

// Draws a picture (or its `avots` part) on the screen with its top-left corner at (x, y);
// nothing without the picture or the screen.
void ZimetUzEkrana(SDL_Surface* bilde, SDL_Rect* avots, int x, int y);

// A picture in the screen's own pixel layout (alpha kept where it has it), so that blits
// copy or blend without converting; the given surface is freed when it was converted.
// Without a screen, or when conversion fails, it comes back as it is. Null stays null.
SDL_Surface* EkranaFormata(SDL_Surface* s);

#endif
