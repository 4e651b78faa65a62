// The game program's entry: start-up, one frame of the loop, and shutdown, kept apart so
// that tests can run the real loop headless. Spele runs all three as the program does.
#ifndef DELVORN_SHELL_SPELE_H
#define DELVORN_SHELL_SPELE_H

#include <SDL.h>

#include <string>

#include "shell/skats.h"

class PakuMenedzeris;
class DumshKursors;
class Dzoistiks;

// The entry function's state that lives through the frame loop.
struct SpelesCikls {
  SDL_Event event;
  bool dzoistiks_ir;  // joystick play asked for on the command line
  int done;           // non-zero ends the loop after the current frame
  int kustiba;        // the digger's move request
  int laiks;          // the previous frame's duration, milliseconds
  int gaidit;         // this frame's sleep, milliseconds
  int pelex;
  int peley;
  Uint8 pele;    // mouse button mask
  bool klikskis;     // a left press came this frame: the bag sees even a click shorter than it
  bool rakt_pele;    // the right button is held: the tool bites again when its pause ends
  bool rakt_shift;   // the same for left Shift
  char sk[16];   // one clock's text: "mm:ss" and its terminator
  PakuMenedzeris* paku_mgr;  // the level's objects, from start-up to shutdown
  DumshKursors* kursors;     // the game's own pointers
  Dzoistiks* dzoistiks;      // joystick 0, used only when it opened and was asked for
  std::string neieladejas;   // the level path whose failed load was last reported
  Skats skats;               // the view over a field larger than the window
  int merogs = 1;            // the window's scale, 1 to 4 (--scale)
  bool pilns_ekrans = false;  // full screen, also without the command line's FULLSCREEN
  bool klusums = false;       // --mute
  Uint32 pikst_lidz = 0;      // the low battery's next beep
};

// Start-up; a fatal failure ends the process with its status (1 fonts or SDL, 2 video,
// 3 field picture).
void Sakt(SpelesCikls& c, int argc, char** argv);
// One frame, every step in its order, ending with the flip.
void Kadrs(SpelesCikls& c);
// After the loop: destroys what the shell owns; returns the program's status.
int Beigt(SpelesCikls& c);

// The whole program: start-up, frames until done, shutdown.
int Spele(int argc, char** argv);

#endif
