// Recording and replaying a level's input.
#include "shell/ieraksts.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/logs.h"
#include "shell/sistema.h"

Atskanotajs atskanotajs;

namespace {

const Uint32 KADRA_MS = 40;

struct KlavisVards {
  const char* vards;
  SDLKey klavis;
};
const KlavisVards KLAVISES[] = {
    {"space", SDLK_SPACE}, {"lshift", SDLK_LSHIFT}, {"escape", SDLK_ESCAPE}, {"up", SDLK_UP},
    {"down", SDLK_DOWN},   {"left", SDLK_LEFT},     {"right", SDLK_RIGHT},   {"f1", SDLK_F1},
    {"f2", SDLK_F2},       {"f3", SDLK_F3},         {"2", SDLK_2},       {"p", SDLK_p},
    {"f11", SDLK_F11},     {"return", SDLK_RETURN},
};

std::string KlavisTeksts(SDLKey k) {
  for (const KlavisVards& v : KLAVISES)
    if (v.klavis == k) return v.vards;
  return std::to_string((int)k);
}

bool LasitKlavi(const std::string& t, SDLKey& k) {
  for (const KlavisVards& v : KLAVISES)
    if (t == v.vards) {
      k = v.klavis;
      return true;
    }
  char* beigas = nullptr;
  const long n = strtol(t.c_str(), &beigas, 10);
  if (t.empty() || *beigas || n <= 0 || n >= SDLK_LAST) return false;
  k = (SDLKey)n;
  return true;
}

bool LasitSkaitli(std::istringstream& in, long lidz, long& v) {
  std::string t;
  if (!(in >> t)) return false;
  char* beigas = nullptr;
  v = strtol(t.c_str(), &beigas, 10);
  return *beigas == 0 && v >= 0 && v <= lidz;
}

// One "FRAME WHAT ..." line; an empty string when it reads, else what is wrong.
std::string LasitRindu(std::istringstream& in, IerakstaRinda& r) {
  long kadrs = 0;
  if (!LasitSkaitli(in, 100000000L, kadrs)) return "a frame number or a known word expected";
  r.kadrs = (unsigned)kadrs;
  std::string ko;
  in >> ko;
  memset(&r.notikums, 0, sizeof(r.notikums));
  r.veids = IerakstaRinda::NOTIKUMS;
  long a = 0, b = 0, c = 0;
  if (ko == "mouse") {
    if (!LasitSkaitli(in, 65535, a) || !LasitSkaitli(in, 65535, b) || !LasitSkaitli(in, 255, c))
      return "mouse needs X Y BUTTONS";
    r.veids = IerakstaRinda::PELE;
    r.x = (int)a;
    r.y = (int)b;
    r.pogas = (Uint8)c;
  } else if (ko == "press" || ko == "release") {
    if (!LasitSkaitli(in, 255, a) || a == 0) return ko + " needs a button number 1-255";
    r.notikums.type = ko == "press" ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    r.notikums.button.button = (Uint8)a;
  } else if (ko == "keydown" || ko == "keyup") {
    std::string t;
    SDLKey k;
    if (!(in >> t) || !LasitKlavi(t, k)) return ko + " needs a key name or number";
    r.notikums.type = ko == "keydown" ? SDL_KEYDOWN : SDL_KEYUP;
    r.notikums.key.keysym.sym = k;
  } else if (ko == "quit") {
    r.notikums.type = SDL_QUIT;
  } else {
    return "unknown event \"" + ko + "\"";
  }
  std::string lieks;
  if (in >> lieks) return "unexpected \"" + lieks + "\" at the end of the line";
  return "";
}

// What a path names: a device or a pipe could block the reader or never end.
enum FailaVeids { NAV_FAILA, MAPE, NAV_PARASTS, PARASTS };
FailaVeids Veids(const std::string& cels) {
  struct stat st;
  if (stat(cels.c_str(), &st) != 0) return NAV_FAILA;
  if (S_ISDIR(st.st_mode)) return MAPE;
  return S_ISREG(st.st_mode) ? PARASTS : NAV_PARASTS;
}

// The whole run file within its bounds; empty when it is read, else why not.
std::string LasitVesu(const std::string& fails, std::string& teksts) {
  errno = 0;
  const FailaVeids veids = Veids(fails);
  if (veids == MAPE) return "it is a folder, not a run file";
  if (veids == NAV_PARASTS) return "it is not a plain file (a device, a pipe or a socket)";
  FILE* f = veids == PARASTS ? fopen(fails.c_str(), "rb") : NULL;
  if (!f) return std::string("cannot open it: ") + strerror(errno ? errno : ENOENT);
  // One byte over the cap tells a file that grew past it while it was read.
  teksts.resize((size_t)IERAKSTA_MAX + 1);
  const size_t n = fread(&teksts[0], 1, teksts.size(), f);
  const bool kluda = ferror(f) != 0;
  fclose(f);
  if (kluda) return "it cannot be read";
  if (n > (size_t)IERAKSTA_MAX)
    return "it is larger than " + std::to_string(IERAKSTA_MAX >> 20) + " MiB, more than any run";
  teksts.resize(n);
  return "";
}

Uint32 Tagad() { return atskanotajs.tagad; }

// Every frame is 40 ms of game time; a game in a window also waits out the real frame.
void Gulet(Uint32) {
  Atskanotajs& a = atskanotajs;
  a.tagad += KADRA_MS;
  if (!a.gulet) return;
  const Uint32 merkis = a.isti_sakums + (Uint32)(a.kadrs + 1) * KADRA_MS;
  const Uint32 isti = SDL_GetTicks();
  if ((Sint32)(merkis - isti) > 0) SDL_Delay(merkis - isti);
}

// The mouse is read once a frame, so that every step of a frame sees what the replay sees.
Uint8 Pele(int* x, int* y) {
  Atskanotajs& a = atskanotajs;
  if (!a.pele_lasita) {
    a.pele_lasita = true;
    if (a.raksta) {
      a.pogas = LogaPele(&a.x, &a.y);
      if (a.fails && (a.x != a.ierakstita_x || a.y != a.ierakstita_y ||
                      a.pogas != a.ierakstitas_pogas)) {
        fprintf(a.fails, "%d mouse %d %d %u\n", a.kadrs, a.x, a.y, (unsigned)a.pogas);
        a.ierakstita_x = a.x;
        a.ierakstita_y = a.y;
        a.ierakstitas_pogas = a.pogas;
      }
    }
  }
  *x = a.x;
  *y = a.y;
  return a.pogas;
}

Ierices speles_ierices = {nullptr, nullptr, nullptr};

void Uzstadit(Atskanotajs& a) {
  speles_ierices = ierices;
  ierices.Tagad = Tagad;
  ierices.Gulet = Gulet;
  ierices.Pele = Pele;
  a.kadrs = -1;
  a.pele_lasita = false;
  a.isti_sakums = SDL_GetTicks();
  // The first frame measures from here, not from the clock's zero, in both directions.
  raamji(a.tagad);
}

}  // namespace

bool LasitIerakstu(const std::string& fails, Ieraksts& ieraksts, std::string& kluda) {
  ieraksts = Ieraksts();
  int nr = 0;
  auto Kluda = [&](const std::string& ko) {
    kluda = fails + ":" + std::to_string(nr) + ": " + ko;
    return false;
  };
  std::string teksts;
  const std::string kapec = LasitVesu(fails, teksts);
  if (!kapec.empty()) return Kluda(kapec);
  bool galva = false, ir_limenis = false;
  unsigned iepriekseja = 0;
  for (size_t sakums = 0; sakums < teksts.size();) {
    size_t beigas = teksts.find('\n', sakums);
    if (beigas == std::string::npos) beigas = teksts.size();
    std::string rinda = teksts.substr(sakums, beigas - sakums);
    sakums = beigas + 1;
    nr++;
    if (rinda.size() > RINDAS_MAX)
      return Kluda("the line is longer than " + std::to_string(RINDAS_MAX) + " characters");
    const size_t komentars = rinda.find('#');
    if (komentars != std::string::npos) rinda.erase(komentars);
    std::istringstream s(rinda);
    std::string pirmais;
    if (!(s >> pirmais)) continue;
    if (!galva) {
      std::string versija;
      if (pirmais != "delvorn-run" || !(s >> versija) || versija != "1")
        return Kluda("the first line must be \"delvorn-run 1\"");
      galva = true;
    } else if (pirmais == "level") {
      std::string cels;
      if (!(s >> cels)) return Kluda("level needs a path");
      const FailaVeids veids = Veids(cels);
      if (veids == NAV_FAILA) return Kluda("the level \"" + cels + "\" cannot be opened");
      if (veids != PARASTS) return Kluda("the level \"" + cels + "\" is not a plain file");
      ieraksts.limenis = cels;
      ir_limenis = true;
    } else if (pirmais == "clock") {
      long v = 0;
      if (!LasitSkaitli(s, 0x7FFFFFFFL, v)) return Kluda("clock needs a number of milliseconds");
      ieraksts.pulkstenis = (Uint32)v;
    } else {
      std::istringstream visa(rinda);
      IerakstaRinda r;
      const std::string kas = LasitRindu(visa, r);
      if (!kas.empty()) return Kluda(kas);
      if (r.kadrs < iepriekseja) return Kluda("frame numbers must not go backwards");
      iepriekseja = r.kadrs;
      ieraksts.rindas.push_back(r);
    }
  }
  if (!galva) return Kluda("the file is empty");
  if (!ir_limenis) return Kluda("no \"level\" line");
  return true;
}

bool Atskanotajs::SaktRakstit(const std::string& cels, const std::string& limenis) {
  fails = fopen(cels.c_str(), "w");
  if (!fails) return false;
  raksta = true;
  atskano = false;
  gulet = true;
  tagad = ierices.Tagad();
  fprintf(fails, "delvorn-run 1\nlevel %s\nclock %u\n", limenis.c_str(), (unsigned)tagad);
  ierakstita_x = ierakstita_y = -1;
  ierakstitas_pogas = 0xFF;
  Uzstadit(*this);
  return true;
}

void Atskanotajs::SaktAtskanot(const Ieraksts& i, bool gulet_) {
  ieraksts = i;
  atskano = true;
  raksta = false;
  gulet = gulet_;
  tagad = i.pulkstenis;
  limenja_sakums = tagad;  // the level clock counts from the run's own start
  nakama = 0;
  x = y = 0;
  pogas = 0;
  Uzstadit(*this);
}

void Atskanotajs::KadraSakums() {
  if (!raksta && !atskano) return;
  kadrs++;
  pele_lasita = false;
  if (fails) fflush(fails);
  if (!atskano) return;
  for (; nakama < ieraksts.rindas.size() && (int)ieraksts.rindas[nakama].kadrs <= kadrs;
       nakama++) {
    IerakstaRinda& r = ieraksts.rindas[nakama];
    if (r.veids == IerakstaRinda::PELE) {
      x = r.x;
      y = r.y;
      pogas = r.pogas;
    } else {
      SDL_PushEvent(&r.notikums);
    }
  }
  pele_lasita = true;
}

void Atskanotajs::Notikums(const SDL_Event& e) {
  if (!raksta || !fails) return;
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      fprintf(fails, "%d %s %s\n", kadrs, e.type == SDL_KEYDOWN ? "keydown" : "keyup",
              KlavisTeksts(e.key.keysym.sym).c_str());
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      fprintf(fails, "%d %s %u\n", kadrs, e.type == SDL_MOUSEBUTTONDOWN ? "press" : "release",
              (unsigned)e.button.button);
      break;
    case SDL_QUIT: fprintf(fails, "%d quit\n", kadrs); break;
    default: break;
  }
}

void Atskanotajs::Beigt() {
  if (fails) fclose(fails);
  fails = nullptr;
  if (raksta || atskano) ierices = speles_ierices;
  raksta = atskano = false;
}

bool AtskanosanasSpriedums(const AtskanosanasStavoklis& s, std::string& rinda, int& statuss) {
  const char* kas = NULL;
  if (s.ekrans == 4)
    kas = "won";
  else if (s.ekrans == 5)
    kas = "lost";
  else if (s.kadrs >= s.pedejais_kadrs || s.beigt)
    kas = "unfinished";
  if (!kas) return false;
  char teksts[160];
  snprintf(teksts, sizeof(teksts), " at frame %d, battery %d of %u s", s.kadrs,
           s.baterija_ms > 0 ? s.baterija_ms / 1000 : 0, s.ietilpiba_ms / 1000);
  rinda = std::string("replay: ") + kas + " " + (s.limenis ? *s.limenis : "") + teksts;
  statuss = s.ekrans == 4 ? 0 : 2;
  return true;
}
