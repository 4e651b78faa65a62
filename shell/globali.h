// The shell's globals: the display, the fonts, the single game objects and the level state.
#ifndef DELVORN_SHELL_GLOBALI_H
#define DELVORN_SHELL_GLOBALI_H

#include <SDL.h>
#include <SDL_ttf.h>
#include <string>

class Laukums;
class Speletajs;
class MainScreen;

extern SDL_Surface* screen;  // every part draws into it
extern TTF_Font* font;       // 11 points: the clocks and the inventory counts
extern TTF_Font* font2;      // 12 points: the main screen's messages
extern TTF_Font* hfont;      // 22 points: the health number
extern TTF_Font* pfont;      // 15 points: the clocks; font stands in without it

extern Laukums* L1;
extern Speletajs* pirmais;
extern MainScreen* mainmenu;

extern std::string limenis;           // current level file
extern std::string nakamais_limenis;  // next level file, from the level's "nextlevel"
extern bool spele_palaista;           // a game is running
extern Uint32 limenja_sakums;         // when the current level was loaded, milliseconds

// A one-line notice over the field (a hint that needs no panel), shown until the time.
extern std::string pazinojums;
extern Uint32 pazinojums_lidz;
extern bool teikts_vesels;  // the full-health hint was given on this level

#endif
