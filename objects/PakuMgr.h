// The level's animated objects: image-strip sequences, placed objects, drawing and contact tests.
#ifndef DELVORN_OBJECTS_PAKUMGR_H
#define DELVORN_OBJECTS_PAKUMGR_H

#include <SDL.h>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

class CFGDocument;

// Owns every sequence, every object and every sequence's picture. Objects come from the level
// file; the digger's touch reports them to the registered callback, which may delete them.
class PakuMenedzeris {
 public:
  // One animation: a strip of equal frames side by side, left to right.
  struct Sv {
    std::string vards;             // the name objects refer to
    SDL_Surface* bilde = nullptr;  // the strip; owned by the manager
    uint32_t kadru_skaits = 1;     // frames in the strip; the loader never leaves 0 here
    uint32_t intervals = 0;        // milliseconds a frame stays shown
  };

  // One object lying in the level. Coordinates are 32-bit patterns: a negative position
  // from the file stays negative in drawing and in the contact test.
  struct Pk {
    std::string vards;          // "name"
    std::string klasses_vards;  // node name, replaced by "class"
    uint32_t klasses_id = 1;    // what a contact does; 31 = control point
    uint32_t xpos = 0;          // centre, screen pixels
    uint32_t ypos = 0;
    uint32_t vertiba = 0;       // amount a contact gives
    int32_t anim_pauze = 0;     // after each cycle: >0 fixed ms, <0 random below |value|
    uint32_t kadrs = 0;         // frame shown now
    float laiks = 0.0f;         // ms left until the next frame
    std::string zinja;          // message on contact
    int32_t radiuss = 0;        // contact radius, pixels
    Sv* sekv = nullptr;         // not owned
  };

  typedef void (*Funktors)(Pk*, PakuMenedzeris*);

  std::vector<Sv*> sekvences;      // load order
  std::list<Pk*> pakas;            // load order = drawing and testing order
  std::list<Pk*> kontrolpunkti;    // the class-31 records of pakas, not owned twice
  unsigned kontrolpunktu_kopa = 0;  // control points loaded since the objects were emptied
  Funktors funktors = nullptr;
  // Pixels of the sequence pictures loaded since the last DzestVisu: a level's strips stay
  // within their budget together, not only one by one.
  long long sekvencu_pikseli = 0;

  // Contact walks in progress. While one runs, deleted records are freed at once but their
  // list slots stay (null) until the outermost walk ends, so no walk loses its place.
  int staigas = 0;
  bool ir_tuksas_vietas = false;

  PakuMenedzeris() = default;
  ~PakuMenedzeris();  // releases whatever it still holds
  PakuMenedzeris(const PakuMenedzeris&) = delete;
  PakuMenedzeris& operator=(const PakuMenedzeris&) = delete;

  // Appends the sequences and objects of a level file. False (nothing added) when the file
  // cannot be read or parsed; single bad pictures or sprite names are not failures.
  bool IeladetPakasNoFaila(std::string cels);
  // The same from a document already read.
  void IeladetPakas(CFGDocument& doc);
  // Frees everything held, then takes over the sequences and objects of `no`, which is left
  // empty; the callback stays this manager's.
  void Parnemt(PakuMenedzeris& no);
  // Loads one strip through the checked way in; false (nothing added) when the picture does
  // not load, with one line on standard error naming the file and why (missing, a folder,
  // not a picture, over a strip's caps or the level's pixel budget, damaged). A frame count
  // of 0 counts as 1 so
  // that the frame width never divides by zero.
  bool IeladetSekvenci(std::string vards, std::string cels, uint32_t kadri, uint32_t intervals);
  // The first sequence of that name in load order, or null.
  Sv* AtgriestSekvenci(std::string vards);
  // Appends a hand-made sequence (ownership passes to the manager); null is ignored.
  Sv* PievienotSekvenci(Sv* sv);
  // Appends an object to pakas (not to kontrolpunkti); returns it.
  Pk* PievienotPaku(Pk* pk);
  // The first object whose vards equals the name, or null.
  Pk* AtgriestPaku(std::string vards);

  // One fixed 40 ms animation step for every object, then draws it centred on its position.
  // laiks is accepted and not used. Objects stand in field coordinates like the digger, so
  // a view moved to (skatsx, skatsy) draws them moved with it.
  void Zimet(SDL_Surface* virsma, uint32_t laiks, int32_t skatsx = 0, int32_t skatsy = 0);
  // Reports every object that the circle touches to funktors, in list order; nothing without
  // a callback. The callback may delete any object or all of them: a deleted object is freed
  // at once and not reported later in the walk; objects it adds are reached by the walk.
  void TestetKrustosanos(int32_t x, int32_t y, int32_t r);
  // limit 2r^2 + 2R^2 against the squared distance, in wrapping 32-bit arithmetic.
  bool VaiKrusto(Pk* pk, int32_t x, int32_t y, int32_t r);
  void RegistretKrustosanasFunktoru(Funktors f);

  // Removes and frees one object; null or a record not held here does nothing.
  void DzestPaku(Pk* pk);
  // Deletes the first object of that name, if any.
  void DzestPaku(std::string vards);
  // Frees every object; the sequences stay.
  void DzestPakas();
  // Frees every object, then every sequence and its picture; the pixel budget starts anew.
  void DzestVisu();

 private:
  void _SakoptVietas();  // drops the null slots left by deletions during a walk
};

// The contact callback the shell registers: what touching an object does to the digger.
void KrustoSpeletaju(PakuMenedzeris::Pk* paka, PakuMenedzeris* mgr);

#endif
