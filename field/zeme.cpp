// The field's pictures, their drawing, the view origin and the kit animation counter.
#include "field/zeme.h"

#include <limits.h>
#include <stdio.h>

#include "field/bildes_parbaude.h"

#include "shell/globali.h"

int japarzime = 0;
RadPunkts rad[RAD_MAX];
int radC = 0;
AptiekasIkona ikonas[IKONU_SKAITS];
EpicentrsDati Epicentrs = {0, 0, 0};

SDL_Surface* SietaFormata(SDL_Surface* s) {
  if (SDL_Surface* atra = UzXrgb(s, false)) return atra;
  SDL_PixelFormat f = {};
  f.BitsPerPixel = 32;
  f.BytesPerPixel = 4;
  f.Rmask = 0x00FF0000;
  f.Gmask = 0x0000FF00;
  f.Bmask = 0x000000FF;
  f.Rshift = 16;
  f.Gshift = 8;
  f.Bshift = 0;
  f.alpha = 255;
  return SDL_ConvertSurface(s, &f, SDL_SWSURFACE);
}

namespace {

// The looks go to the screen's own format so that drawing copies pixels as they are.
SDL_Surface* UzEkranaFormatu(SDL_Surface* s) {
  SDL_Surface* v = SDL_GetVideoSurface();
  if (EkransIrXrgb())
    if (SDL_Surface* atra = UzXrgb(s, false)) return atra;
  if (v && v->format->BytesPerPixel == 4) return SDL_DisplayFormat(s);
  return SietaFormata(s);
}

inline int Mazakais(int a, int b) { return a < b ? a : b; }
inline int Lielakais(int a, int b) { return a > b ? a : b; }

std::string Izmers(const char* formats, int a, int b, int c, int d) {
  char buf[160];
  snprintf(buf, sizeof(buf), formats, a, b, c, d);
  return buf;
}

// Why a picture of w x h cannot serve as a field layer beside `lidzigs`; empty when it can.
// Every layer covers at least the view, since the drawing always fills 800 x 600.
std::string LaukaIzmeraKluda(int w, int h, const SDL_Surface* lidzigs) {
  if (w < SKATA_PLATUMS || h < SKATA_AUGSTUMS)
    return Izmers("%d x %d pixels is smaller than the %d x %d view", w, h, SKATA_PLATUMS,
                  SKATA_AUGSTUMS);
  if (lidzigs && (w != lidzigs->w || h != lidzigs->h))
    return Izmers("%d x %d pixels does not match the mask's %d x %d", w, h, lidzigs->w,
                  lidzigs->h);
  return std::string();
}

// One row of the field: earth where the mask has hardness, the tunnel wall elsewhere.
// Branch-free so that the compiler vectorises it; returns non-zero when a pixel of the row
// carries one of the three zone values that need the rules.
Uint32 ZimetRindu(Uint32* __restrict e, const Uint32* __restrict s, const Uint32* __restrict z,
                  const Uint32* __restrict p, int n, Uint32 a, Uint32 b, Uint32 c) {
  Uint32 vajag = 0;
  for (int j = 0; j < n; j++) {
    const Uint32 v = s[j];
    const Uint32 zeme = 0u - (Uint32)((v & 0xFFu) != 0);
    e[j] = (z[j] & zeme) | (p[j] & ~zeme);
    const Uint32 zona = v & 0xFF0000u;
    vajag |= (Uint32)(zona == a) | (Uint32)(zona == b) | (Uint32)(zona == c);
  }
  return vajag;
}

}  // namespace

Laukums::Laukums(int sakx, int saky, const char* nos1, const char* nos2, const char* nos3) {
  sak.x = (Sint16)Lielakais(0, Mazakais(sakx, SHRT_MAX));
  sak.y = (Sint16)Lielakais(0, Mazakais(saky, SHRT_MAX));
  sak.w = SKATA_PLATUMS;
  sak.h = SKATA_AUGSTUMS;
  Siets = IeladetZinot(nos1, true, NULL);
  Zeme = IeladetZinot(nos2, false, Siets);
  Pamats = IeladetZinot(nos3, false, Siets);
  IerobezotSkatu();
  IndeksetStarojumu();
  da1 = IeladetSavuBildi("ui/ani/ani_dinam1x.png", LOMA_SLOKSNE);
  dad = IeladetSavuBildi("ui/ani/ani_dinam3x.png", LOMA_SLOKSNE);
  dtd = IeladetSavuBildi("ui/ani/ani_dinam3xd.png", LOMA_SLOKSNE);
  st = IeladetSavuBildi("ui/ani/ani_semtex.png", LOMA_SLOKSNE);
  sa = IeladetSavuBildi("ui/ani/ani_semtexsm.png", LOMA_SLOKSNE);
  apt2 = IeladetSavuBildi("ui/vesel25.png", LOMA_SLOKSNE);
  apt5 = IeladetSavuBildi("ui/vesel50.png", LOMA_SLOKSNE);
  for (int i = 0; i < BUMBU_VIETAS; i++) Bumbas[i] = NULL;
  Epicentrs.stiprums = 0;
  Aiza_valja = AIZA_NAV;
  radC = 0;
  bum_kadrs = 0;
  bum_kadrs_f = 0.0f;
  apt_kadrs = 0;
  apt_kadrs_f = 0.0f;
  AizKaunts = 0;
  Zimet_Aptiekas = 0;
  AP_skaits = IKONU_SAKUMS;
}

Laukums::~Laukums() {
  SDL_Surface* bildes[] = {Siets, Zeme, Pamats, da1, dad, dtd, st, sa, apt2, apt5};
  for (SDL_Surface* b : bildes)
    if (b) SDL_FreeSurface(b);
  for (bumbvieta* b : Bumbas) delete b;
}

SDL_Surface* Laukums::IeladetZinot(const char* fails, bool maska,
                                   const SDL_Surface* lidzigs) const {
  std::string iemesls;
  bool trukst = false;
  SDL_Surface* s = IeladetSlani(fails, maska, lidzigs, iemesls, &trukst);
  if (!s && !trukst) fprintf(stderr, "%s: %s\n", fails, iemesls.c_str());
  return s;
}

SDL_Surface* Laukums::IeladetSlani(const char* fails, bool maska, const SDL_Surface* lidzigs,
                                   std::string& iemesls, bool* trukst) const {
  BildesIznakums iz;
  SDL_Surface* ieladeta = IeladetBildi(fails, maska ? LOMA_SIETS : LOMA_LAUKS, &iz);
  if (trukst) *trukst = iz.stavoklis == BILDE_NAV;
  if (!ieladeta) {
    iemesls = iz.iemesls;
    return NULL;
  }
  iemesls = LaukaIzmeraKluda(ieladeta->w, ieladeta->h, lidzigs);
  if (!iemesls.empty()) {
    SDL_FreeSurface(ieladeta);
    return NULL;
  }
  SDL_Surface* gatava = maska ? SietaFormata(ieladeta) : UzEkranaFormatu(ieladeta);
  SDL_FreeSurface(ieladeta);
  if (!gatava) iemesls = std::string("cannot be converted: ") + SDL_GetError();
  return gatava;
}

bool Laukums::SagatavotVirsmas(const char* karte, const char* slanis1, const char* slanis2,
                               SDL_Surface* jauni[3], std::string& vainigais,
                               std::string& iemesls) const {
  // The headers first, in file order: a refused picture costs no decoding of the others.
  const char* const faili[3] = {karte, slanis1, slanis2};
  BildesIznakums iz[3];
  for (int i = 0; i < 3; i++) jauni[i] = NULL;
  for (int i = 0; i < 3; i++) {
    const BildesGalva& g = iz[i].galva;
    const BildesGalva& maskas = iz[0].galva;
    if (!ParbauditBildi(faili[i], i == 0 ? LOMA_SIETS : LOMA_LAUKS, iz[i]))
      iemesls = iz[i].iemesls;
    else if (i == 0)
      iemesls = LaukaIzmeraKluda((int)g.w, (int)g.h, NULL);
    else if (g.w != maskas.w || g.h != maskas.h)
      iemesls = Izmers("is %d x %d pixels, unlike the mask's %d x %d", (int)g.w, (int)g.h,
                       (int)maskas.w, (int)maskas.h);
    if (!iemesls.empty()) {
      vainigais = faili[i];
      return false;
    }
  }
  // Then all three are decoded, side by side on two threads.
  BildesDarbs darbi[3];
  for (int i = 0; i < 3; i++) {
    darbi[i].fails = faili[i];
    darbi[i].loma = i == 0 ? LOMA_SIETS : LOMA_LAUKS;
    darbi[i].uz_xrgb = i == 0 || EkransIrXrgb();  // the mask's layout, or the screen's
  }
  IeladetBildes(darbi, 3);
  bool visi = true;
  for (int i = 0; i < 3; i++) {
    jauni[i] = darbi[i].bilde;
    if (jauni[i] && !darbi[i].ir_xrgb) {
      jauni[i] = i == 0 ? SietaFormata(darbi[i].bilde) : UzEkranaFormatu(darbi[i].bilde);
      SDL_FreeSurface(darbi[i].bilde);
      if (!jauni[i]) darbi[i].iznakums.iemesls = std::string("cannot be converted: ") + SDL_GetError();
    }
    if (!jauni[i] && visi) {
      visi = false;
      vainigais = faili[i];
      iemesls = darbi[i].iznakums.iemesls;
    }
  }
  if (visi) return true;
  for (int i = 0; i < 3; i++) {
    if (jauni[i]) SDL_FreeSurface(jauni[i]);
    jauni[i] = NULL;
  }
  return false;
}

void Laukums::NomainitVirsmas(SDL_Surface* jauni[3]) {
  if (Siets) SDL_FreeSurface(Siets);
  if (Pamats) SDL_FreeSurface(Pamats);
  if (Zeme) SDL_FreeSurface(Zeme);
  Siets = jauni[0];
  Pamats = jauni[1];
  Zeme = jauni[2];
  IerobezotSkatu();
  IndeksetStarojumu();
}

bool Laukums::IeladetVirsmas(const char* karte, const char* slanis1, const char* slanis2) {
  SDL_Surface* jauni[3];
  std::string vainigais, iemesls;
  if (!SagatavotVirsmas(karte, slanis1, slanis2, jauni, vainigais, iemesls)) {
    fprintf(stderr, "%s: %s; the field keeps its pictures\n", vainigais.c_str(), iemesls.c_str());
    fflush(stderr);
    return false;
  }
  NomainitVirsmas(jauni);
  return true;
}

Uint32 Laukums::LasitSietu(int x, int y) const {
  if (!Siets || x < 0 || y < 0 || x >= Siets->w || y >= Siets->h) return 0;
  return ((const Uint32*)Siets->pixels)[y * (Siets->pitch / 4) + x];
}

void Laukums::RakstitSietu(int x, int y, Uint32 v) {
  if (!Siets || x < 0 || y < 0 || x >= Siets->w || y >= Siets->h) return;
  ((Uint32*)Siets->pixels)[y * (Siets->pitch / 4) + x] = v;
}

void Laukums::ZimLauk(int x, int y, int w, int h, int viss) {
  const bool pilns = viss != 0 || japarzime != 0;
  if (pilns) {
    x = 0;
    y = 0;
    w = SKATA_PLATUMS;
    h = SKATA_AUGSTUMS;
    japarzime = 0;
    radC = 0;
  }
  if (screen && Siets && Zeme && Pamats) {
    // Clip once to the view, the screen and every field picture; then plain loops.
    const int lauka_w = Mazakais(Siets->w, Mazakais(Zeme->w, Pamats->w));
    const int lauka_h = Mazakais(Siets->h, Mazakais(Zeme->h, Pamats->h));
    const int x0 = Lielakais(Lielakais(x, 0), -sak.x);
    const int y0 = Lielakais(Lielakais(y, 0), -sak.y);
    const int x1 = Mazakais(Mazakais(x + w, SKATA_PLATUMS), Mazakais(screen->w, lauka_w - sak.x));
    const int y1 = Mazakais(Mazakais(y + h, SKATA_AUGSTUMS), Mazakais(screen->h, lauka_h - sak.y));

    // Zone values that ask for more than the copy; a value that cannot occur stands in for
    // a rule that is off.
    const Uint32 NAV = 0xFFFFFFFFu;
    const Uint32 melns = 5u << 16;
    const Uint32 radiacija = pilns ? 90u << 16 : NAV;

    if (SDL_MUSTLOCK(screen)) SDL_LockSurface(screen);
    const int es = screen->pitch / 4, ss = Siets->pitch / 4;
    const int zs = Zeme->pitch / 4, ps = Pamats->pitch / 4;
    Uint32* ekr = (Uint32*)screen->pixels;
    Uint32* siets = (Uint32*)Siets->pixels;
    const Uint32* zeme = (const Uint32*)Zeme->pixels;
    const Uint32* pamats = (const Uint32*)Pamats->pixels;
    for (int i = y0; i < y1; i++) {
      const int fy = sak.y + i;
      Uint32* e = ekr + i * es;
      Uint32* s = siets + fy * ss + sak.x;
      const Uint32* z = zeme + fy * zs + sak.x;
      const Uint32* p = pamats + fy * ps + sak.x;
      // On a field wider than the view the rows are apart in memory: fetch the next row's
      // start while this one is drawn, as the hardware does by itself for adjacent rows.
      if (i + 1 < y1)
        for (int k = 0; k < 4 * 16; k += 16) {
          __builtin_prefetch(s + ss + x0 + k);
          __builtin_prefetch(z + zs + x0 + k);
          __builtin_prefetch(p + ps + x0 + k);
        }
      if (!ZimetRindu(e + x0, s + x0, z + x0, p + x0, x1 - x0, melns, radiacija, NAV)) continue;
      // A row with chasms or radiation: the zone rules, pixel by pixel in row order.
      for (int j = x0; j < x1; j++) {
        const Uint32 v = s[j], zona = v & 0xFF0000u;
        if (zona == radiacija && radC <= RAD_MAX - 1) {
          rad[radC].x = sak.x + j;
          rad[radC].y = fy;
          radC++;
        }
        if (zona == melns) e[j] = 0;
      }
    }
    if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
  }

  // The region opens across the whole mask, in view or not; it is painted black from the
  // next redraw on.
  if (Siets && Aiza_valja >= 0 && Aiza_valja <= 255) {
    const Uint32 atvert = (Uint32)Aiza_valja << 16;
    const int ss = Siets->pitch / 4;
    for (int fy = 0; fy < Siets->h; fy++) {
      Uint32* s = (Uint32*)Siets->pixels + fy * ss;
      for (int fx = 0; fx < Siets->w; fx++)
        if ((s[fx] & 0xFF0000u) == atvert) s[fx] = ArCietibu(ArZonu(s[fx], 5), 0);
    }
  }
  if (Aiza_valja <= 99) {
    japarzime = 1;
    Aiza_valja = AIZA_NAV;
  }

  const int lidz = Mazakais(AP_skaits, IKONU_SKAITS);
  for (int k = 0; k < lidz; k++) {
    const int tips = ikonas[k].tips;
    if (tips == 0) continue;
    const int ix = ikonas[k].x - sak.x, iy = ikonas[k].y - sak.y;
    if (ix <= -20 || iy <= -20 || ix >= SKATA_PLATUMS || iy >= SKATA_AUGSTUMS) continue;
    ZimLaukLite(ix, iy, 20, 20);
    SDL_Surface* strip = tips == 24 ? apt2 : tips == 25 ? apt5 : NULL;
    if (!strip || !screen) continue;
    SDL_Rect avots = {(Sint16)(apt_kadrs * 20), 0, 20, 20};
    SDL_Rect merkis = {(Sint16)ix, (Sint16)iy, 0, 0};
    SDL_BlitSurface(strip, &avots, screen, &merkis);
  }
}

void Laukums::ZimLaukLite(int x, int y, int w, int h) {
  if (!screen || !Pamats) return;
  const int x0 = Lielakais(Lielakais(x, 0), -sak.x);
  const int y0 = Lielakais(Lielakais(y, 0), -sak.y);
  const int x1 = Mazakais(Mazakais(x + w, SKATA_PLATUMS), Mazakais(screen->w, Pamats->w - sak.x));
  const int y1 = Mazakais(Mazakais(y + h, SKATA_AUGSTUMS), Mazakais(screen->h, Pamats->h - sak.y));
  if (SDL_MUSTLOCK(screen)) SDL_LockSurface(screen);
  const int es = screen->pitch / 4, ps = Pamats->pitch / 4;
  for (int i = y0; i < y1; i++) {
    Uint32* e = (Uint32*)screen->pixels + i * es;
    const Uint32* p = (const Uint32*)Pamats->pixels + (sak.y + i) * ps + sak.x;
    for (int j = x0; j < x1; j++) e[j] = p[j];
  }
  if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
}

void Laukums::Parbidit(int kur) {
  const int sw = Siets ? Siets->w : SKATA_PLATUMS;
  const int sh = Siets ? Siets->h : SKATA_AUGSTUMS;
  // In int, then clamped: the 16-bit origin itself never steps past the field.
  int x = sak.x, y = sak.y;
  switch (kur) {
    case 12: y = y > 10 ? y - 10 : 0; break;
    case 6: y = y < sh - 610 ? y + 10 : sh - SKATA_AUGSTUMS; break;
    case 9: x = x > 10 ? x - 10 : 0; break;
    case 3: x = x < sw - 810 ? x + 10 : sw - SKATA_PLATUMS; break;
    default: break;
  }
  sak.x = (Sint16)Lielakais(0, Mazakais(x, SHRT_MAX));
  sak.y = (Sint16)Lielakais(0, Mazakais(y, SHRT_MAX));
  IerobezotSkatu();
  ZimLauk(0, 0, 0, 0, 1);
}

void Laukums::IerobezotSkatu() {
  const int max_x = Siets ? Mazakais(Lielakais(Siets->w - SKATA_PLATUMS, 0), SHRT_MAX) : 0;
  const int max_y = Siets ? Mazakais(Lielakais(Siets->h - SKATA_AUGSTUMS, 0), SHRT_MAX) : 0;
  sak.x = (Sint16)Lielakais(0, Mazakais(sak.x, max_x));
  sak.y = (Sint16)Lielakais(0, Mazakais(sak.y, max_y));
}

void Laukums::BiditKadrus() {
  if (apt_kadrs_f > 10.0f) apt_kadrs_f = 0.0f;
  apt_kadrs_f = (float)((double)apt_kadrs_f + 0.2);
  apt_kadrs = (int)apt_kadrs_f;
}

namespace {
const size_t STAROJUMA_MAX = 65536;  // radiation pixels kept of one field
}  // namespace

bool Laukums::LielaksParSkatu() const {
  return Siets && (Siets->w > SKATA_PLATUMS || Siets->h > SKATA_AUGSTUMS);
}

void Laukums::IndeksetStarojumu() {
  starojums.clear();
  if (!Siets) return;
  const int ss = Siets->pitch / 4;
  for (int y = 0; y < Siets->h; y++) {
    const Uint32* s = (const Uint32*)Siets->pixels + y * ss;
    for (int x = 0; x < Siets->w; x++)
      if (SietaZona(s[x]) == 90 && starojums.size() < STAROJUMA_MAX)
        starojums.push_back(RadPunkts{x, y});
  }
}

void Laukums::TuvakieStarojumi(int cx, int cy) {
  if (!LielaksParSkatu()) return;
  // Five passes over the list, each taking the nearest source after the last one taken
  // (by distance, then by place in the list).
  long long pedejais = -1;
  int pedeja_vieta = -1;
  radC = 0;
  for (int n = 0; n < RAD_MAX; n++) {
    long long labakais = -1;
    int vieta = -1;
    for (int i = 0; i < (int)starojums.size(); i++) {
      const long long dx = starojums[i].x - cx, dy = starojums[i].y - cy;
      const long long d = dx * dx + dy * dy;
      if (d < pedejais || (d == pedejais && i <= pedeja_vieta)) continue;
      if (labakais < 0 || d < labakais) {
        labakais = d;
        vieta = i;
      }
    }
    if (vieta < 0) break;
    rad[radC++] = starojums[vieta];
    pedejais = labakais;
    pedeja_vieta = vieta;
  }
}
