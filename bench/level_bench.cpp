// Loading the shipped levels, pictures included, as "Jauna spele" and the next-level button do.
#include <stdio.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "digger/racejs.h"
#include "field/zeme.h"
#include "level/limenis.h"
#include "objects/PakuMgr.h"
#include "shell/globali.h"

namespace {

void Run() {
  BenchScreen();
  Inventars_V2::InitietMantuTipus();
  L1 = new Laukums(0, 0, "map/pamats1.bmp", "map/pamats1.bmp", "map/pamats1.bmp");
  pirmais = new Speletajs(250, 390, 1);
  PakuMenedzeris mgr;
  std::vector<std::string> levels;
  for (const auto& f : std::filesystem::directory_iterator("map"))
    if (f.path().extension() == ".cfg") levels.push_back("map/" + f.path().filename().string());
  std::sort(levels.begin(), levels.end());
  if (levels.empty()) printf("no levels in the run folder\n");
  std::string next;
  for (const std::string& level : levels) {
    FILE* keep = stdout;
    stdout = fopen("/dev/null", "w");
    double ms = BenchMedianMs(21, [&] { IeladetLimeni(level, L1, pirmais, &mgr, next); });
    fclose(stdout);
    stdout = keep;
    char note[96];
    snprintf(note, sizeof note, "%d x %d field, %zu objects (goal for 800 x 600: < 100 ms)",
             L1->Siets ? L1->Siets->w : 0, L1->Siets ? L1->Siets->h : 0, mgr.pakas.size());
    BenchReport("IeladetLimeni " + level, ms, note);
  }
}

BenchRegister reg("level", Run);

}  // namespace
