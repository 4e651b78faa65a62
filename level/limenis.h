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

// Reads and checks the whole level first (the file, the three field pictures, the sequences
// and objects), then switches the field, the objects, the next level and the digger together
// and starts play (screen 0, action 0, the level clock from now). On any failure nothing
// changes and false comes back with the reason in `iemesls` (naming the picture at fault).
bool IeladetLimeni(std::string limenis, Laukums* l, Speletajs* sp, PakuMenedzeris* pkm,
                   std::string& nakamais_limenis, std::string* iemesls = nullptr);

#endif
