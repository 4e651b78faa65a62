// Where the game's data is: the fonts, ui/ and map/ read by relative paths.
// A build's run folder keeps them beside the program; an installed game keeps the program
// under games/ and the data under share/games/delvorn/ of the same prefix.
#ifndef DELVORN_SHELL_DATU_MAPE_H
#define DELVORN_SHELL_DATU_MAPE_H

#include <string>

// The installed data folder seen from the installed program's folder ("../share/games/delvorn").
extern const char* const DATU_CELS_NO_PROGRAMMAS;

// True when `mape` holds the game's data: its first font and a map/ folder. The font alone
// is not enough: the installed launcher keeps a link to it beside the game for its labels.
bool IrDatuMape(const std::string& mape);

// The folder to read the data from: "." when the working folder holds it, else the program's
// folder `programmasMape`, else the installed data folder beside it; empty when none does.
std::string AtrastDatuMapi(const std::string& programmasMape);

#endif
