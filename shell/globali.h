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

extern Laukums* L1;
extern Speletajs* pirmais;
extern MainScreen* mainmenu;

extern std::string limenis;           // current level file
extern std::string nakamais_limenis;  // next level file, from the level's "nextlevel"
extern bool spele_palaista;           // a game is running
extern Uint32 limenja_sakums;         // when the current level was loaded, milliseconds

#endif
