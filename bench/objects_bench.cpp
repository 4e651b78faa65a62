// The objects' share of a frame: drawing 200 animated objects plus the digger's contact walk.
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bench/bench.h"
#include "objects/PakuMgr.h"

namespace {

void Neko(PakuMenedzeris::Pk*, PakuMenedzeris*) {}

void Run() {
  BenchScreen();  // working directory: the run folder with the painted strips
  SDL_Surface* ekrans = SDL_GetVideoSurface();
  if (!ekrans) return;
  std::string teksts =
      "images = { a = { image = ui/obj/dinamits.png; frames = 8; rate = 80; }\n"
      "  b = { image = ui/obj/izeja.png; frames = 8; rate = 120; }\n"
      "  c = { image = ui/obj/veseliba.png; frames = 8; rate = 32; } }\n";
  const char* spraiti[] = {"a", "b", "c"};
  for (int i = 0; i < 200; i++) {
    char rinda[200];
    std::snprintf(rinda, sizeof rinda,
                  "o%d = { sprite = %s; classID = %d; posx = %d; posy = %d; radius = 4;"
                  " ani_delay = %d; }\n",
                  i, spraiti[i % 3], 4 + i % 28, 20 + (i * 37) % 760, 20 + (i * 53) % 560,
                  (i % 5) * 40 - 80);
    teksts += rinda;
  }
  std::string cfg = "/tmp/delvorn-bench-objects-" + std::to_string(getpid()) + ".cfg";
  FILE* f = std::fopen(cfg.c_str(), "w");
  if (!f) return;
  std::fputs(teksts.c_str(), f);
  std::fclose(f);

  PakuMenedzeris m;
  m.RegistretKrustosanasFunktoru(Neko);
  m.IeladetPakasNoFaila(cfg);
  std::remove(cfg.c_str());
  double ms = BenchMedianMs(300, [&] {
    m.Zimet(ekrans, 40);
    m.TestetKrustosanos(400, 300, 12);
  });
  BenchReport("objects: Zimet + TestetKrustosanos x200", ms,
              std::to_string(m.pakas.size()) + " objects, " + std::to_string(m.sekvences.size()) +
                  " sequences; goal < 1 ms");
}

BenchRegister r("objects", Run);

}  // namespace
