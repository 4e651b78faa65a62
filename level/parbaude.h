// The level authors' checks and preview: what the game would make of a level file, told
// before anyone plays it.
#ifndef DELVORN_LEVEL_PARBAUDE_H
#define DELVORN_LEVEL_PARBAUDE_H

#include <SDL.h>

#include <string>
#include <vector>

struct LimenaPiezime {
  bool kluda;  // false: a warning
  std::string teksts;
};

// Checks one level file; paths inside it are taken from the working directory, as the game
// takes them from its own folder.
std::vector<LimenaPiezime> ParbauditLimeni(const std::string& cels);

// The whole field as the game would show it, every object with its first frame, the
// digger's start, chasm regions, poison and radiation marked, and a legend. Null with a
// reason when the level or its pictures cannot be used.
SDL_Surface* LimenaPrieksskats(const std::string& cels, std::string& kluda);

#endif
