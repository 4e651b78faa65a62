// The checks a level author runs over a level file.
#include "level/parbaude.h"

#include <cstdio>
#include <fstream>

#include "level/limena_dati.h"
#include "objects/skaitli.h"

namespace {

const int MIN_W = 800, MIN_H = 600;

bool IrSkaitlis(const std::string& t) {
  size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) i++;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) i++;
  return i < t.size() && t[i] >= '0' && t[i] <= '9';
}

bool IrNoteikums(uint32_t k) { return (k >= 4 && k <= 10) || k == 20 || (k >= 30 && k <= 32); }

struct Piezimes {
  std::vector<LimenaPiezime> v;
  void Kluda(const std::string& t) { v.push_back({true, t}); }
  void Bridinajums(const std::string& t) { v.push_back({false, "warning: " + t}); }
};

// Loads one of the three pictures and says what would keep the game from using it.
SDL_Surface* Attels(const std::string& cels, const char* loma, const SDL_Surface* maska,
                    Piezimes& p) {
  if (!std::ifstream(cels)) {
    p.Kluda(std::string(loma) + " picture \"" + cels + "\" is missing");
    return nullptr;
  }
  std::string iemesls;
  SDL_Surface* s = IeladetFiksetu(cels, maska == nullptr, &iemesls);
  if (!s) {
    p.Kluda(std::string(loma) + " picture \"" + cels + "\" does not load: " + iemesls);
    return nullptr;
  }
  char izmers[64];
  snprintf(izmers, sizeof izmers, "%d x %d", s->w, s->h);
  if (s->w < MIN_W || s->h < MIN_H) {
    p.Kluda(std::string(loma) + " picture \"" + cels + "\" is " + izmers +
            ", smaller than 800 x 600");
  } else if (maska && (s->w != maska->w || s->h != maska->h)) {
    char m[64];
    snprintf(m, sizeof m, "%d x %d", maska->w, maska->h);
    p.Kluda(std::string(loma) + " picture \"" + cels + "\" is " + izmers +
            ", unlike the mask's " + m);
  } else {
    return s;
  }
  SDL_FreeSurface(s);
  return nullptr;
}

void Speletajs(const LimenaDati& d, SDL_Surface* maska, Piezimes& p) {
  if (!d.ir_speletajs) {
    p.Bridinajums("no \"player\" section: the digger keeps the last level's place, health and "
                  "battery");
    return;
  }
  if (!IrSkaitlis(d.baterija) || KaaZimigs(LasitSkaitli(d.baterija)) <= 0)
    p.Kluda("battery \"" + d.baterija + "\" is 0 or not a number: the level is lost at once");
  if (!IrSkaitlis(d.veseliba) || KaaZimigs(LasitSkaitli(d.veseliba)) <= 0)
    p.Kluda("health \"" + d.veseliba + "\" is 0 or not a number: the digger is dead at once");
  if (!maska) return;
  char kur[96];
  snprintf(kur, sizeof kur, "(%d, %d)", (int)d.x, (int)d.y);
  // The digger's box is 21 x 21 from (posx, posy); its centre carries the damage tests.
  if (d.x < 0 || d.y < 0 || (int64_t)d.x + 21 > maska->w || (int64_t)d.y + 21 > maska->h) {
    p.Kluda(std::string("the digger's start ") + kur + " is outside the field");
    return;
  }
  const Uint32 centrs = ((Uint32*)maska->pixels)[(d.y + 11) * (maska->pitch / 4) + d.x + 11];
  if (IrCiets(centrs)) p.Kluda(std::string("the digger's start ") + kur + " is in solid ground");
}

void Objekti(const LimenaDati& d, SDL_Surface* maska, Piezimes& p) {
  for (const LimenaSekvence& s : d.sekvences)
    if (!s.ieladejas)
      p.Kluda("sequence \"" + s.vards + "\": its image \"" + s.attels + "\" does not load");
  int izejas = 0;
  for (const LimenaObjekts& o : d.objekti) {
    const std::string kas = "object \"" + o.mezgls + "\"";
    if (o.spraits.empty() && o.sekvence < 0)
      p.Kluda(kas + " has no sprite (err:objekta): it is never drawn");
    else if (o.sekvence < 0)
      p.Kluda(kas + ": its sprite \"" + o.spraits +
              "\" is not a loaded sequence defined before it (err:objekta)");
    if (!IrNoteikums(o.klase))
      p.Bridinajums(kas + ": class " + std::to_string(o.klase) +
                    " has no contact rule, touching it does nothing");
    if (maska && (o.x < 0 || o.y < 0 || o.x >= maska->w || o.y >= maska->h)) {
      char kur[64];
      snprintf(kur, sizeof kur, "(%d, %d)", (int)o.x, (int)o.y);
      p.Kluda(kas + " at " + kur + " is outside the field");
    }
    if (o.klase == 30) izejas++;
    if (o.klase == 30 && o.zinja.empty())
      p.Bridinajums(kas + " is an exit without a message: the panel shows the last message again");
    if (o.klase == 31 && o.zinja.empty())
      p.Bridinajums(kas + " is a control point without a message: it is taken silently");
  }
  if (izejas == 0) p.Bridinajums("no exit (class 30): the level cannot be won");
}

// The status display drawn over the field's corners, as screen rectangles (corners included):
// the health box, the battery box, and the closed bag, which stands against the bottom edge.
struct Josla {
  const char* vards;
  int x0, y0, x1, y1;
  bool apaksa;  // y counted from the window's bottom (600)
};
const Josla JOSLAS[] = {{"the health box", 8, 10, 110, 115, false},
                        {"the battery box", 0, 110, 68, 214, false},
                        {"the bag", 7, 520, 67, 592, true}};

// A view at the field's top-left or bottom-left corner shows these boxes over the field's
// own corner, so a start or an object there is hidden by them.
void ZemJoslam(const LimenaDati& d, const SDL_Surface* maska, Piezimes& p) {
  struct Kaste {
    std::string kas;
    int x0, y0, x1, y1;
  };
  std::vector<Kaste> kastes;
  if (d.ir_speletajs)
    kastes.push_back(
        {"the digger's start (" + std::to_string(d.x) + ", " + std::to_string(d.y) + ")", d.x, d.y,
         d.x + 20, d.y + 20});
  for (const LimenaObjekts& o : d.objekti)
    kastes.push_back({"object \"" + o.mezgls + "\" at (" + std::to_string(o.x) + ", " +
                          std::to_string(o.y) + ")",
                      o.x - o.radiuss, o.y - o.radiuss, o.x + o.radiuss, o.y + o.radiuss});
  for (const Kaste& k : kastes)
    for (const Josla& j : JOSLAS) {
      const int dy = j.apaksa ? maska->h - MIN_H : 0;
      if (k.x0 <= j.x1 && k.x1 >= j.x0 && k.y0 <= j.y1 + dy && k.y1 >= j.y0 + dy) {
        p.Bridinajums(k.kas + " lies under " + j.vards + ", which hides it on the screen");
        break;
      }
    }
}

// Pick-ups lying in open ground stay painted on the look after they are taken.
void AtklatasMantas(SDL_Surface* maska, Piezimes& p) {
  int skaits = 0, pirmais_x = 0, pirmais_y = 0;
  for (int y = 0; y < maska->h; y++) {
    const Uint32* r = (const Uint32*)maska->pixels + y * (maska->pitch / 4);
    for (int x = 0; x < maska->w; x++) {
      const int manta = (r[x] >> 8) & 0xFF;
      // Kits (24, 25) are drawn by the game as icons, never painted into the looks.
      if ((r[x] & 0xFF) == 0 && manta != 0 && manta < 24) {
        if (skaits++ == 0) {
          pirmais_x = x;
          pirmais_y = y;
        }
      }
    }
  }
  if (skaits > 0) {
    char t[160];
    snprintf(t, sizeof t,
             "%d mask pick-up pixels lie in open tunnel (the first at (%d, %d)): they stay "
             "painted after they are taken",
             skaits, pirmais_x, pirmais_y);
    p.Bridinajums(t);
  }
}

}  // namespace

std::vector<LimenaPiezime> ParbauditLimeni(const std::string& cels) {
  Piezimes p;
  LimenaDati d;
  std::string kluda;
  if (!LasitLimenaDatus(cels, d, kluda)) {
    p.Kluda("the game cannot read it: " + kluda);
    return p.v;
  }
  SDL_Surface* maska = nullptr;
  if (!d.ir_limenis) {
    p.Kluda("no \"level\" section with all three pictures (ground, layer1, layer2): the field "
            "keeps the last level's pictures");
  } else {
    maska = Attels(d.zeme, "ground", nullptr, p);
    for (const std::string* s : {&d.slanis1, &d.slanis2})
      if (SDL_Surface* b = Attels(*s, s == &d.slanis1 ? "layer1" : "layer2", maska, p))
        SDL_FreeSurface(b);
  }
  if (d.ir_nakamais && !std::ifstream(d.nakamais))
    p.Kluda("nextlevel \"" + d.nakamais + "\" does not exist");
  Speletajs(d, maska, p);
  Objekti(d, maska, p);
  if (maska) {
    ZemJoslam(d, maska, p);
    AtklatasMantas(maska, p);
    SDL_FreeSurface(maska);
  }
  return p.v;
}
