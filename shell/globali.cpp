// The shell's globals, alive for the whole run.
#include "shell/globali.h"

SDL_Surface* screen = NULL;
TTF_Font* font = NULL;
TTF_Font* font2 = NULL;
TTF_Font* hfont = NULL;
TTF_Font* pfont = NULL;

Laukums* L1 = NULL;
Speletajs* pirmais = NULL;
MainScreen* mainmenu = NULL;

std::string limenis = "map/intro.cfg";
std::string nakamais_limenis;
bool spele_palaista = false;
Uint32 limenja_sakums = 0;

std::string pazinojums;
Uint32 pazinojums_lidz = 0;
bool teikts_vesels = false;
