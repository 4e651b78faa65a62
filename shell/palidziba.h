// The game program's --help and --version: text on standard output, no window, status 0.
#ifndef DELVORN_SHELL_PALIDZIBA_H
#define DELVORN_SHELL_PALIDZIBA_H

#include <string>

// True when the command line asks for the usage or the version: its first argument is
// exactly "--help" or "--version". Every other command line starts the game.
bool PrasaPalidzibu(int argc, char** argv);

// The text for that first argument. `datuMape` is where the data was found (empty: nowhere,
// "." the working folder); the levels live in its map/.
std::string PalidzibasTeksts(const std::string& arguments, const std::string& datuMape);

#endif
