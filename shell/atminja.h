// What the game remembers between runs: the levels won with their best times, the window.
#ifndef DELVORN_SHELL_ATMINJA_H
#define DELVORN_SHELL_ATMINJA_H

#include <string>

#include "shell/progress.h"

extern Progress progress;
extern std::string progresa_fails;  // empty: nothing is saved (tests, replays)

// Reads the player's progress file, or starts afresh; one line on standard error when the
// file was set aside or cannot be read.
void IeladetProgresu();
// Writes it; a failure says so once a run and play goes on.
void SaglabatProgresu();
// The current level is won: its win and its time on the level clock are kept.
void LimenisUzvarets();
// The window just changed: full screen or not is kept.
void IeveerotLogu();

#endif
