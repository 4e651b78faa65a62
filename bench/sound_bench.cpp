// The mixer's share of a frame: the whole frame in play with four effects sounding beside the
// same frame in silence, in alternating turns.
#include <SDL_mixer.h>

#include <algorithm>
#include <vector>

#include "bench/bench.h"
#include "shell/skana.h"
#include "shell/spele.h"

namespace {

const int TURNS = 41, FRAMES = 25;

void SoundBench() {
  SpelesCikls c;
  BenchStartGame(c, 0);
  if (!skanas.atverta) {
    printf("no mixer: the dummy audio driver did not open\n");
    return;
  }
  std::vector<double> ratios;
  double silent = 0, loud = 0;
  for (int t = 0; t < TURNS; t++) {
    Mix_HaltChannel(-1);
    const double s = BenchMedianMs(FRAMES, [&] { Kadrs(c); });
    // Four at once, looping so that they last the whole turn.
    Mix_Chunk* effects[4] = {};
    for (int i = 0; i < 4; i++) {
      effects[i] = Mix_LoadWAV(i == 0   ? "sound/solis.wav"
                               : i == 1 ? "sound/degls.wav"
                               : i == 2 ? "sound/semtex.wav"
                                        : "sound/tumsa.wav");
      if (effects[i]) Mix_PlayChannel(-1, effects[i], -1);
    }
    const double l = BenchMedianMs(FRAMES, [&] { Kadrs(c); });
    Mix_HaltChannel(-1);
    for (Mix_Chunk* e : effects)
      if (e) Mix_FreeChunk(e);
    ratios.push_back(l / s);
    silent += s;
    loud += l;
  }
  std::sort(ratios.begin(), ratios.end());
  char note[96];
  snprintf(note, sizeof note, "%.2f x the silent frame, paired turns (goal: under 1.1 x)",
           ratios[ratios.size() / 2]);
  BenchReport("one whole frame, silent", silent / TURNS);
  BenchReport("one whole frame, four effects sounding", loud / TURNS, note);
}

BenchRegister reg("sound", SoundBench);

}  // namespace
