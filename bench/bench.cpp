// The benchmark registry, median timing and the headless screen.
#include "bench/bench.h"

#include <SDL.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/spele.h"

std::vector<BenchEntry>& BenchRegistry() {
  static std::vector<BenchEntry> entries;
  return entries;
}

double BenchMedianMs(int runs, const std::function<void()>& f) {
  std::vector<double> times;
  for (int i = 0; i < runs; i++) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    auto t1 = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void BenchReport(const std::string& name, double ms, const std::string& note) {
  printf("%-44s %10.4f ms%s%s\n", name.c_str(), ms, note.empty() ? "" : "   ", note.c_str());
  fflush(stdout);
}

void BenchScreen() {
  // putenv, not setenv, which the Windows C library lacks; the literals outlive the process.
  if (!getenv("SDL_VIDEODRIVER")) putenv(const_cast<char*>("SDL_VIDEODRIVER=dummy"));
  // A mixer that mixes, with no device needed.
  if (!getenv("SDL_AUDIODRIVER")) putenv(const_cast<char*>("SDL_AUDIODRIVER=dummy"));
  if (chdir(DELVORN_BIN_DIR) != 0) perror(DELVORN_BIN_DIR);
  if (!SDL_WasInit(SDL_INIT_VIDEO)) SDL_Init(SDL_INIT_VIDEO);
  if (!SDL_GetVideoSurface()) SDL_SetVideoMode(800, 600, 32, 0);
  screen = SDL_GetVideoSurface();
}

unsigned benchNow = 0;

namespace {
Uint32 BenchNow() { return benchNow; }
void BenchSleep(Uint32 ms) { benchNow += ms; }
}  // namespace

void BenchStartGame(SpelesCikls& c, unsigned ekrans) {
  BenchScreen();
  ierices.Tagad = [] { return benchNow += 100; };
  ierices.Gulet = BenchSleep;
  static char arg0[] = "delvorn";
  char* argv[] = {arg0, NULL};
  // The start-up lines would break up the figures: the output goes to a scratch file meanwhile
  // (through the descriptor, as not every C library lets stdout be assigned).
  fflush(stdout);
  const int keep = dup(fileno(stdout));
  FILE* scratch = tmpfile();
  if (scratch) dup2(fileno(scratch), fileno(stdout));
  Sakt(c, 1, argv);
  fflush(stdout);
  dup2(keep, fileno(stdout));
  close(keep);
  if (scratch) fclose(scratch);
  ierices.Tagad = BenchNow;
  mainmenu->selected_screen = ekrans;
}
