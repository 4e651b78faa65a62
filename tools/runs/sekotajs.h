// The follower: plays a level again along an old run's trace under today's movement and
// writes the input it gave as a new run.
//
// The old frames are taken in order, at most one a frame, so that waits keep their length.
// Where the new digger stands on the old one's starting place of a frame, that frame's old
// heading and walk are given again; off it, he heads for the old way a few frames on from
// the nearest old place, or waits there when he is ahead. Stuck, he tries other headings,
// and wedged for good, bites his way out. Before a use of an item he catches up with the old
// place, turns with the walk off to where the old digger aimed, and uses it; bag choices are
// made with the old pointer as it was. Message panels are closed as soon as they show; the
// view follows the old view with the arrow keys.
#ifndef DELVORN_TOOLS_RUNS_SEKOTAJS_H
#define DELVORN_TOOLS_RUNS_SEKOTAJS_H

#include <SDL.h>

#include <cstdio>
#include <string>
#include <vector>

#include "shell/ieraksts.h"
#include "shell/spele.h"
#include "tools/runs/pedas.h"

// An old frame's input: the mouse as it stood and the events of the frame.
struct VecaisKadrs {
  int x = 0, y = 0;
  Uint8 pogas = 0;
  std::vector<SDL_Event> notikumi;
};

class Sekotajs {
 public:
  // What to follow, and how far ahead (old frames).
  Ieraksts vecais;
  std::string veca_vards;  // for the new run's comment
  std::vector<Peda> pedas;
  int prieksa = 4;
  float tuvums = 2.0f;  // this near the old place the old input is given again
  FILE* izeja = nullptr;  // the new run
  FILE* zinas = stderr;   // remarks on the way

  // The outcome.
  bool uzvareja = false;
  std::string kluda;  // why not
  int panaksanas = 0;   // frames spent catching up
  int padosanas = 0;    // catch-ups given up
  int liekie_temejumi = 0;
  int panelji = 0;
  int atrakumi = 0;  // bites to free him where he was wedged

  // Plays the level from its start in this process; true when it was won.
  bool Sekot();

 private:
  static const int EKRANA_W = 800, EKRANA_H = 600;

  std::vector<VecaisKadrs> vecie;
  std::vector<size_t> robeza;  // the last old frame a follow may look ahead to
  SpelesCikls c;
  SDLKey turama = SDLK_UNKNOWN;  // an arrow held down since the last frame
  std::vector<SDL_Event> klavisu;  // this frame's arrow
  bool labaa = false;            // the right button is held
  int skats_x = 0, skats_y = 0;  // the view this frame will have
  int merka_x = 0, merka_y = 0;  // the old view to keep up with
  int pele_x = -1, pele_y = -1, pele_pogas = -1;  // the last mouse row written
  int iesprudis = 0;  // frames he has walked without moving
  int atbrivoja = 0;  // the turn from the way that last got him moving again

  void SagatavotVecos();
  bool Izlaist(size_t k) const;
  bool SomasKadrs(size_t k) const;
  bool Notikums(size_t k) const;
  int Kadrs() const;
  bool Beidzies();
  float Attalums(float x, float y) const;
  // The old frame's events the follower does not give in its own way, passed on as they are.
  std::vector<SDL_Event> Garam(size_t k) const;

  // A frame: Skats first picks the view key (when allowed and nothing holds the digger)
  // and the view the frame will have; Spert then gives the pointer at (x, y) in that view,
  // the walk, the key and the events, with the buttons held (pogas -1) or the ones given,
  // and runs the frame. False when a panel kept the digger from steering.
  void Skats(bool drikst);
  bool Spert(int x, int y, bool iet, const std::vector<SDL_Event>& notikumi, int pogas = -1);
  void Rinda(const IerakstaRinda& r);
  void SkatsNo(size_t k);

  // Pointers for this frame's view: on the screen, off the bag, clear of the digger.
  bool Derigs(int x, int y) const;
  int Izmeginat(int x, int y) const;  // the heading the pointer gives, the digger untouched
  void Pa(double dx, double dy, double garums, int& px, int& py) const;
  // Beyond the field point (x, y), turned from it by `pagrieziens` degrees.
  void Uz(float x, float y, int pagrieziens, int& px, int& py) const;
  void Virzienaa(int virziens, int& px, int& py) const;
  bool Parnest(size_t k, int& px, int& py) const;
  bool Temeklis(int virziens, size_t k, int& px, int& py) const;

  void Aizvert();
  void Panakt(size_t k);
  bool Temet(size_t k);
  int Temejums(size_t k) const;
  int Pagrieziens() const;
  bool Iet(int px, int py, const std::vector<SDL_Event>& notikumi);
  bool Atrakties(float x, float y, const std::vector<SDL_Event>& notikumi);
  bool Izmantot(size_t k);
  bool Soma(size_t sakums, size_t beigas);
  bool IzveletiesMantu(unsigned id);
  size_t Tuvakais(size_t no, size_t lidz, size_t ap) const;
  bool Sekot1(size_t k);
  void Pabeigt();
};

#endif
