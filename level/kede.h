// The chain of levels a new game plays: the first level, then each one's "nextlevel".
#ifndef DELVORN_LEVEL_KEDE_H
#define DELVORN_LEVEL_KEDE_H

#include <string>
#include <vector>

const size_t KEDES_MAX = 50;  // a chain longer than this is cut there

// The level files from `pirmais` on, in order, until a level names none, names one already
// listed (the last level may lead to itself), or does not read; at most KEDES_MAX.
std::vector<std::string> LimenjuKede(const std::string& pirmais);

#endif
