// The launcher's own logic, free of any platform: its two flags, the dialog's commands and
// the main sequence that ends in the game program's start.
#ifndef DELVORN_LAUNCHER_PALAIDEJS_H
#define DELVORN_LAUNCHER_PALAIDEJS_H

#include <string>

#include "launcher/platforma.h"

// Process-wide, both false at start. Written only when "Palaist" is pressed.
extern bool palaisana_pieprasita;  // the game is to be started after the dialog
extern bool pilnekrans;            // the check box was checked at that moment

// "bin/delvorn.exe" followed by " 1" (full screen) or " 0" (window).
std::string KomandrindaSpelei(bool pilnaEkrana);

// The dialog procedure's answer to a command from control `id` (low word of wParam).
void DialogaKomanda(Platforma& p, int id);

// The program's main sequence: dialog, loop, end, then maybe the game. Returns the exit
// status: 0, or 1 when the dialog could not be shown.
int Palaidejs(Platforma& p);

#endif
