// A run's trace: the game's state after every frame, one line a frame, and the headless
// start every run of this tool makes.
#ifndef DELVORN_TOOLS_RUNS_PEDAS_H
#define DELVORN_TOOLS_RUNS_PEDAS_H

#include <cstdio>
#include <string>
#include <vector>

struct SpelesCikls;
struct Ieraksts;

// One line of a trace, the state after frame `kadrs`:
//   f pozx pozy virziens sak.x sak.y screen_before screen_after kustiba bag_open
//   active_item darbiba bomb_fuse_left health battery_ms
// with the fuse -1 while no bomb burns.
struct Peda {
  int kadrs;
  float x, y;  // the digger's top-left, field coordinates
  int virziens;
  int sakx, saky;  // the view's origin
  unsigned ekrans_pirms, ekrans_pec;
  int kustiba;  // the walk request
  int soma;     // the bag panel is open
  unsigned aktiva;
  int darbiba;
  int degls;
  float veseliba;
  int baterija;
};

// The state now, after a frame that began with the screen `ekrans_pirms`.
Peda TagadejaPeda(const SpelesCikls& c, int kadrs, unsigned ekrans_pirms);
void RakstitPedu(FILE* f, const Peda& p);
// Reads a trace; false with `kluda` = "FILE:LINE: what is wrong".
bool LasitPedas(const std::string& fails, std::vector<Peda>& pedas, std::string& kluda);

// Starts a run's level headless, as the game does from the command line (no intro), and
// hands the input to the run's player on the run's clock.
void SaktSkrejienu(SpelesCikls& c, const Ieraksts& ieraksts);

#endif
