// A level file read for the authors' tools the way the game reads it: its pictures, the
// digger's start, its sequences and its objects, without touching the game's instances.
#ifndef DELVORN_LEVEL_LIMENA_DATI_H
#define DELVORN_LEVEL_LIMENA_DATI_H

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

struct LimenaSekvence {
  std::string vards, attels;
  uint32_t kadri = 1;
  bool ieladejas = false;  // its picture loads
};

struct LimenaObjekts {
  std::string mezgls;     // the node's name, as the game's "err:objekta" line names it
  std::string spraits;    // the "sprite" value; empty when absent
  int sekvence = -1;      // index into sekvences of the sprite the game would find, -1 none
  uint32_t klase = 1;
  int32_t x = 0, y = 0, radiuss = 0;
  uint32_t vertiba = 0;
  std::string zinja;
};

struct LimenaDati {
  bool ir_limenis = false;    // a "level" section with all three pictures
  std::string zeme, slanis1, slanis2;
  bool ir_nakamais = false;
  std::string nakamais;
  bool ir_speletajs = false;  // a "player" section
  int32_t x = 400, y = 300;
  std::string veseliba = "100", baterija = "1";  // as written, for the checks
  std::vector<LimenaSekvence> sekvences;
  std::vector<LimenaObjekts> objekti;
};

// Reads the file; false with the reader's reason when the game would refuse it.
bool LasitLimenaDatus(const std::string& cels, LimenaDati& d, std::string& kluda);

// A field picture loaded the way the game loads it (the header checked first; `maska` for the
// mask's stricter rules), in the mask's fixed layout (red 0xFF0000, green 0xFF00, blue 0xFF).
// Null when it does not load, with the reason in `iemesls`.
SDL_Surface* IeladetFiksetu(const std::string& cels, bool maska, std::string* iemesls = nullptr);

// The level's mask classes, by the hardness byte.
inline bool IrCiets(Uint32 p) { return (p & 0xFF) > 4; }

#endif
