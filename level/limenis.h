// Loading a level file into the one field, digger and object manager that already exist.
//
// The file's "level" section names the three field pictures ("ground" the mask, "layer1" the
// dug-out look, "layer2" the undug look) and "nextlevel"; "player" gives "posx", "posy",
// "health" and "battery" (seconds). Every other top-level node belongs to the object loader.
#ifndef DELVORN_LEVEL_LIMENIS_H
#define DELVORN_LEVEL_LIMENIS_H

#include <string>

class Laukums;
class Speletajs;
class PakuMenedzeris;

// Empties the manager, loads the file's objects, applies its sections in file order and
// starts play (screen 0, action 0, the level clock from now). False, with the objects
// already gone and nothing else changed, when a pointer is null or the file does not read.
bool IeladetLimeni(std::string limenis, Laukums* l, Speletajs* sp, PakuMenedzeris* pkm,
                   std::string& nakamais_limenis);

#endif
