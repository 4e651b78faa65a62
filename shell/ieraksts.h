// A level's input recorded and replayed on a fixed-step clock, so that a winning run can be
// kept beside the level and replayed headless to prove the level can still be won.
//
// A run file is text, one item a line ('#' starts a comment):
//   delvorn-run 1
//   level map/intro.cfg       the level, loaded from the command line as the game does
//   clock 5000                the clock at the first frame; every frame is 40 ms
//   12 mouse 400 300 1        from frame 12 on the mouse is at (400, 300), buttons mask 1
//   12 press 1                frame 12 sees a mouse button pressed (1 left, 3 right)
//   30 release 1
//   31 keydown space          keys by name (space, lshift, escape, up, down, left, right,
//   31 keyup space            f1, f2, f3, 2) or by SDL key number
//   90 quit
// Frames count the frame loop's frames from 0; lines go in frame order.
#ifndef DELVORN_SHELL_IERAKSTS_H
#define DELVORN_SHELL_IERAKSTS_H

#include <SDL.h>

#include <cstdio>
#include <string>
#include <vector>

struct IerakstaRinda {
  unsigned kadrs;
  enum Veids { PELE, NOTIKUMS } veids;
  int x, y;       // PELE: the position
  Uint8 pogas;    // PELE: the buttons mask
  SDL_Event notikums;  // NOTIKUMS: what SDL_PollEvent gives in that frame
};

struct Ieraksts {
  std::string limenis;
  Uint32 pulkstenis = 0;  // the clock at frame 0
  std::vector<IerakstaRinda> rindas;
};

// A run file is read only when it is a plain file within these bounds.
const long IERAKSTA_MAX = 16L << 20;  // bytes: hours of play
const size_t RINDAS_MAX = 4096;       // characters in one line

// Reads a run file; false with `kluda` = "FILE:LINE: what is wrong" when it is malformed, is
// not a plain file or is over its bounds.
bool LasitIerakstu(const std::string& fails, Ieraksts& ieraksts, std::string& kluda);

// How a replay ended, after frame `kadrs` of its loop: won (the level-won screen 4), lost
// (screen 5), or unfinished (its last recorded frame played, or the game told to quit).
// False while it goes on; else the line to print and the program's status (0 won, 2 not).
struct AtskanosanasStavoklis {
  const std::string* limenis;
  int kadrs;
  int pedejais_kadrs;  // the run's last recorded frame
  unsigned ekrans;
  bool beigt;          // the game was told to quit
  int baterija_ms;     // left, and the capacity
  unsigned ietilpiba_ms;
};
bool AtskanosanasSpriedums(const AtskanosanasStavoklis& s, std::string& rinda, int& statuss);

// The fixed-step clock and the per-frame mouse behind the time-and-mouse seam. Recording
// writes every polled event and mouse change to a file; replaying pushes the recorded
// events at the start of their frames and answers the recorded mouse. `gulet` paces frames
// in real time (a game in a window); without it a replay runs as fast as it can.
class Atskanotajs {
 public:
  // Starts recording the level into `fails`; false (nothing installed) when it cannot be
  // written.
  bool SaktRakstit(const std::string& fails, const std::string& limenis);
  // Starts replaying `ieraksts`.
  void SaktAtskanot(const Ieraksts& ieraksts, bool gulet);
  // Called at the start of every frame of the loop.
  void KadraSakums();
  // Called for every event the frame loop polls.
  void Notikums(const SDL_Event& e);
  // Stops and puts the game's own clock and mouse back.
  void Beigt();

  bool raksta = false;
  bool atskano = false;
  bool gulet = true;
  int kadrs = -1;           // the frame being run; -1 before the first
  Uint32 tagad = 0;         // the fixed-step clock
  Uint32 isti_sakums = 0;   // real time of frame 0, for pacing
  int x = 0, y = 0;         // the mouse of this frame
  Uint8 pogas = 0;
  bool pele_lasita = false;
  int ierakstita_x = -1, ierakstita_y = -1;
  Uint8 ierakstitas_pogas = 0xFF;
  size_t nakama = 0;  // the next line of the replay
  Ieraksts ieraksts;
  FILE* fails = nullptr;
};

extern Atskanotajs atskanotajs;

#endif
