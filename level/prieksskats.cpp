// The authors' preview: one picture of the whole field with what matters marked on it.
#include <SDL_ttf.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "field/bildes_parbaude.h"
#include "level/limena_dati.h"
#include "level/parbaude.h"

namespace {

const Uint32 SAKUMS = 0x00FFFF;        // the digger's start: cyan, no danger colour
const Uint32 AIZA = 0xD02020;          // closed chasm regions: red hatching
const Uint32 INDE = 0x40E040;          // poison: green wash
const Uint32 RADIACIJA = 0xFFE000;     // radiation: yellow rings
const Uint32 OBJEKTS = 0xFFFFFF;

Uint32 Jaukt(Uint32 a, Uint32 b, int dala256) {
  Uint32 r = 0;
  for (int s = 0; s < 24; s += 8) {
    const int ka = (a >> s) & 0xFF, kb = (b >> s) & 0xFF;
    r |= (Uint32)((ka * (256 - dala256) + kb * dala256) >> 8) << s;
  }
  return r;
}

struct Bilde {
  SDL_Surface* s;
  Uint32& At(int x, int y) { return ((Uint32*)s->pixels)[y * (s->pitch / 4) + x]; }
  void Punkts(int x, int y, Uint32 k) {
    if (x >= 0 && y >= 0 && x < s->w && y < s->h) At(x, y) = k;
  }
  void Taisnsturis(int x, int y, int w, int h, Uint32 k) {
    for (int i = 0; i < w; i++) {
      Punkts(x + i, y, k);
      Punkts(x + i, y + h - 1, k);
    }
    for (int j = 0; j < h; j++) {
      Punkts(x, y + j, k);
      Punkts(x + w - 1, y + j, k);
    }
  }
  void Aplis(int cx, int cy, int r, Uint32 k) {
    for (int a = 0; a < 8 * r; a++) {
      const double t = a * 6.2831853 / (8 * r);
      Punkts(cx + (int)(r * cos(t)), cy + (int)(r * sin(t)), k);
    }
  }
};

// The field: undug look where the mask is solid or loose, dug-out look elsewhere, open
// chasms black; the zones washed in their danger colours.
void Lauks(Bilde& b, SDL_Surface* maska, SDL_Surface* pamats, SDL_Surface* zeme) {
  std::vector<std::pair<int, int>> avoti;
  for (int y = 0; y < maska->h; y++) {
    const Uint32* m = (const Uint32*)maska->pixels + y * (maska->pitch / 4);
    const Uint32* p = (const Uint32*)pamats->pixels + y * (pamats->pitch / 4);
    const Uint32* z = (const Uint32*)zeme->pixels + y * (zeme->pitch / 4);
    for (int x = 0; x < maska->w; x++) {
      const int zona = (m[x] >> 16) & 0xFF;
      Uint32 k = (m[x] & 0xFF) ? z[x] : p[x];
      if (zona == 5) k = 0;
      if (zona >= 10 && zona <= 15 && ((x + y) % 8) < 3) k = Jaukt(k, AIZA, 170);
      if (zona == 50) k = Jaukt(k, INDE, 110);
      if (zona == 90) avoti.push_back({x, y});
      b.At(x, y) = k & 0xFFFFFF;
    }
  }
  // A ring around each radiation source (neighbouring source pixels share one).
  std::vector<std::pair<int, int>> gredzeni;
  for (auto& a : avoti) {
    bool ir = false;
    for (auto& g : gredzeni)
      if (abs(g.first - a.first) < 6 && abs(g.second - a.second) < 6) ir = true;
    if (ir) continue;
    gredzeni.push_back(a);
    b.Aplis(a.first, a.second, 8, 0);
    b.Aplis(a.first, a.second, 7, RADIACIJA);
  }
}

void Objekti(Bilde& b, const LimenaDati& d) {
  // Each sequence's strip is decoded once, however many objects show it.
  std::vector<SDL_Surface*> strips(d.sekvences.size(), nullptr);
  for (const LimenaObjekts& o : d.objekti) {
    if (o.sekvence >= 0) {
      const LimenaSekvence& s = d.sekvences[o.sekvence];
      SDL_Surface*& strip = strips[o.sekvence];
      if (!strip) strip = IeladetBildi(s.attels.c_str(), LOMA_SLOKSNE);
      if (strip) {
        const int w = strip->w / (int)s.kadri;
        SDL_Rect no = {0, 0, (Uint16)w, (Uint16)strip->h};
        SDL_Rect uz = {(Sint16)(o.x - w / 2), (Sint16)(o.y - strip->h / 2), 0, 0};
        SDL_BlitSurface(strip, &no, b.s, &uz);
        continue;
      }
    }
    b.Taisnsturis(o.x - 6, o.y - 6, 13, 13, OBJEKTS);  // an object nobody would see
  }
  for (SDL_Surface* s : strips)
    if (s) SDL_FreeSurface(s);
}

void Teksts(SDL_Surface* s, TTF_Font* f, int x, int y, const char* t) {
  if (!f) return;
  SDL_Color balts = {255, 255, 255, 0};
  if (SDL_Surface* r = TTF_RenderText_Blended(f, t, balts)) {
    SDL_Rect uz = {(Sint16)x, (Sint16)y, 0, 0};
    SDL_BlitSurface(r, NULL, s, &uz);
    SDL_FreeSurface(r);
  }
}

void Legenda(Bilde& b) {
  const bool bija = TTF_WasInit();
  if (!bija) TTF_Init();
  TTF_Font* f = TTF_OpenFont("dustismo_bold.ttf", 11);
  SDL_Rect fons = {6, (Sint16)(b.s->h - 92), 168, 86};
  SDL_FillRect(b.s, &fons, 0x202428);
  b.Taisnsturis(fons.x, fons.y, fons.w, fons.h, 0xC69848);
  const struct {
    Uint32 krasa;
    const char* teksts;
  } rindas[] = {{SAKUMS, "digger's start"},
                {AIZA, "closed chasm region"},
                {INDE, "poison"},
                {RADIACIJA, "radiation source"},
                {OBJEKTS, "object without a picture"}};
  int y = fons.y + 6;
  for (auto& r : rindas) {
    SDL_Rect paraugs = {14, (Sint16)(y + 2), 12, 10};
    SDL_FillRect(b.s, &paraugs, r.krasa);
    Teksts(b.s, f, 32, y, r.teksts);
    y += 16;
  }
  if (f) TTF_CloseFont(f);
  if (!bija) TTF_Quit();
}

}  // namespace

SDL_Surface* LimenaPrieksskats(const std::string& cels, std::string& kluda) {
  LimenaDati d;
  if (!LasitLimenaDatus(cels, d, kluda)) return nullptr;
  if (!d.ir_limenis) {
    kluda = "no \"level\" section with all three pictures";
    return nullptr;
  }
  SDL_Surface* maska = IeladetFiksetu(d.zeme, true);
  SDL_Surface* pamats = IeladetFiksetu(d.slanis1, false);
  SDL_Surface* zeme = IeladetFiksetu(d.slanis2, false);
  SDL_Surface* rezultats = nullptr;
  if (!maska || !pamats || !zeme) {
    kluda = "a field picture does not load (delvorn-cfg --check says which)";
  } else if (pamats->w != maska->w || zeme->w != maska->w || pamats->h != maska->h ||
             zeme->h != maska->h) {
    kluda = "the three field pictures differ in size (delvorn-cfg --check says how)";
  } else {
    rezultats = SDL_CreateRGBSurface(SDL_SWSURFACE, maska->w, maska->h, 32, 0xFF0000, 0xFF00,
                                     0xFF, 0);
    Bilde b = {rezultats};
    Lauks(b, maska, pamats, zeme);
    Objekti(b, d);
    if (d.ir_speletajs) {
      b.Taisnsturis(d.x, d.y, 21, 21, SAKUMS);
      b.Taisnsturis(d.x - 1, d.y - 1, 23, 23, 0);
      b.Aplis(d.x + 11, d.y + 11, 3, SAKUMS);
    }
    Legenda(b);
  }
  for (SDL_Surface* s : {maska, pamats, zeme})
    if (s) SDL_FreeSurface(s);
  return rezultats;
}
