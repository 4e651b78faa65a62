// The game program's platform contract: the fatal message, display presence, own folder.
// One implementation per platform: platforma_win32.cpp and platforma_posix.cpp.
#ifndef DELVORN_SHELL_PLATFORMA_H
#define DELVORN_SHELL_PLATFORMA_H

#include <string>

// Shows a fatal message with the caption "Error" and the stop icon, and returns when the
// player has closed it (the text also goes to standard error where there is no dialog).
void FatalaKluda(const char* teksts);

// Null when a display can be opened; otherwise why not (SDL 1.2 would fall back to a
// terminal driver, or end the process without a word).
const char* DispleijaTrukums();

// When the game's data is not in the working directory, changes to the folder that holds it:
// the program's own, or an installed game's data folder.
void UzSavuMapi(const char* argv0);

// The folder that holds the running program, symbolic links resolved; empty if unknown.
std::string ProgrammasMape();

#endif
