// The digger's construction and pictures, turning, walking and the animation counter.
#include "digger/racejs.h"

#include <math.h>
#include <stdio.h>

#include "digger/lapas.h"
#include "field/bildes_parbaude.h"
#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/sistema.h"

namespace {

// Loads a picture the digger cannot do without; a failure is reported once, here.
SDL_Surface* IeladetVajadzigo(const char* fails, const char* seki) {
  BildesIznakums iz;
  SDL_Surface* s = IeladetBildi(fails, LOMA_BILDE, &iz);
  if (!s) fprintf(stderr, "%s: cannot be loaded (%s); %s\n", fails, iz.iemesls.c_str(), seki);
  return s;
}

const char* const NEZIMES = "it is not drawn";
const char* const TUKSA_MASKA = "collision treats it as empty";

// A collision mask in the screen's format, checked.
SDL_Surface* IeladetMasku(const char* fails) {
  SDL_Surface* ieladeta = IeladetVajadzigo(fails, TUKSA_MASKA);
  if (!ieladeta) return NULL;
  SDL_Surface* maska = SDL_DisplayFormat(ieladeta);
  SDL_FreeSurface(ieladeta);
  if (!maska) {
    fprintf(stderr, "%s: cannot be converted to the screen format (%s); %s\n", fails,
            SDL_GetError(), TUKSA_MASKA);
    return NULL;
  }
  return Speletajs::ParbauditMasku(maska, fails);
}

}  // namespace

Speletajs::Speletajs(int pozx, int pozy, int tips) {
  this->pozx = (float)pozx;
  this->pozy = (float)pozy;
  this->tips = tips;
  darbiba = 1;
  kadrscnt = 0;
  kadrs = 0;
  bildeslenkis = 0;
  virziens = 0;
  TAIMERIS = 120;
  Veseliba = 100.0f;
  baterijas = 1;
  baterijas_laiks = 1;
  kustibu_pauze = 0;
  speckolizija = 0;
  sanslide = 0;

  for (int i = 0; i < LAPU_SKAITS; i++) {
    const SpraitaLapa& l = SPRAITU_LAPAS[i];
    this->*(l.lapa) = ParbauditLapu(IeladetVajadzigo(l.fails, NEZIMES), l.fails, l.suna, l.rindas);
  }
  static const char* const NESAMIE[NESAMO_SKAITS] = {
      "ui/rani/ani_soljo_lapsta.png", "ui/rani/ani_soljo_cert.png", "ui/rani/ani_soljo_pneimo.png",
      "ui/rani/ani_soljo_spridz.png"};
  const SpraitaLapa& soljo = SPRAITU_LAPAS[0];
  for (int i = 0; i < NESAMO_SKAITS; i++)
    S_Nes[i] = ParbauditLapu(IeladetVajadzigo(NESAMIE[i], NEZIMES), NESAMIE[i], soljo.suna,
                             soljo.rindas);
  pieci = ParbauditPagaidu(IeladetVajadzigo("ui/rani/25.png", NEZIMES), "ui/rani/25.png");
  tris = ParbauditPagaidu(IeladetVajadzigo("ui/rani/38.png", NEZIMES), "ui/rani/38.png");

  lielais = NULL;
  if (SDL_Surface* ieladeta = IeladetSavuBildi("soljo.bmp")) {
    lielais = SDL_DisplayFormat(ieladeta);
    if (lielais)
      SDL_SetColorKey(lielais, SDL_SRCCOLORKEY, SDL_MapRGB(lielais->format, 0xFF, 0x00, 0xFF));
    SDL_FreeSurface(ieladeta);
  }
  maskal = IeladetMasku("maska1l.bmp");
  maskam = IeladetMasku("maska1m.bmp");

  tr = IeladetSavuBildi("ui/taims/ramis.png");
  t[0] = NULL;
  char nosaukums[32];
  for (int i = 1; i <= 5; i++) {
    snprintf(nosaukums, sizeof(nosaukums), "ui/taims/%d.png", i);
    t[i] = IeladetSavuBildi(nosaukums);
  }
  s_baterija = EkranaFormata(IeladetSavuBildi("ui/baterija.png"));
  s_baterijas_josla = EkranaFormata(IeladetSavuBildi("ui/baterija_josla.png"));
}

Speletajs::~Speletajs() {
  SDL_Surface* bildes[] = {pieci, tris,  s_baterija, s_baterijas_josla, lielais, S_Soljo,
                           S_Rok, S_Cert, S_Pne,     S_Mir,             S_Dirn,  maskal,
                           maskam, tr,   t[1],       t[2],              t[3],    t[4],
                           t[5]};
  for (SDL_Surface* b : bildes)
    if (b) SDL_FreeSurface(b);
  for (SDL_Surface* b : S_Nes)
    if (b) SDL_FreeSurface(b);
}

SDL_Surface* Speletajs::ParbauditLapu(SDL_Surface* s, const char* fails, int suna, int rindas) {
  if (!s) return NULL;
  const int w = LAPAS_KOLONNAS * suna, h = rindas * suna;
  if (s->w < w || s->h < h) {
    fprintf(stderr, "%s: %d x %d pixels is smaller than its %d x %d grid of %d-pixel cells; %s\n",
            fails, s->w, s->h, LAPAS_KOLONNAS, rindas, suna, NEZIMES);
    SDL_FreeSurface(s);
    return NULL;
  }
  return s;
}

SDL_Surface* Speletajs::ParbauditPagaidu(SDL_Surface* s, const char* fails) {
  if (!s) return NULL;
  if (s->w != s->h || s->format->BitsPerPixel != 32 || s->w > PAGAIDU_MAX) {
    fprintf(stderr,
            "%s: %d x %d pixels at %d bits is no square 32-bit picture of at most %d pixels; "
            "%s\n",
            fails, s->w, s->h, s->format->BitsPerPixel, PAGAIDU_MAX, NEZIMES);
    SDL_FreeSurface(s);
    return NULL;
  }
  return s;
}

SDL_Surface* Speletajs::ParbauditMasku(SDL_Surface* s, const char* fails) {
  if (!s) return NULL;
  if (s->format->BytesPerPixel != 4 || s->w < IZMERS || s->h < IZMERS) {
    fprintf(stderr, "%s: %d x %d pixels at %d bits is no 32-bit mask of at least %d x %d; %s\n",
            fails, s->w, s->h, s->format->BitsPerPixel, IZMERS, IZMERS, TUKSA_MASKA);
    SDL_FreeSurface(s);
    return NULL;
  }
  return s;
}

int Speletajs::GetX() const { return (int)pozx; }

int Speletajs::GetY() const { return (int)pozy; }

void Speletajs::SetDarbiba(int darbiba) { this->darbiba = darbiba; }

void Speletajs::Pagriezt(int x, int y) {
  const int sakx = L1 ? L1->sak.x : 0, saky = L1 ? L1->sak.y : 0;
  const int xs = x - (int)pozx + sakx - 10;
  const int ys = y - (int)pozy + saky - 10;
  const int dh = (int)sqrt((double)xs * xs + (double)ys * ys);
  if (dh <= 14) kustibu_pauze = 1;
  if (xs == 0) return;
  int l = (int)(atan2((double)ys, (double)xs) * 180.0 / 3.14159265);
  if (l > 0) l = 360 - l;
  if (l < 0) l = -l;
  virziens = l;
}

void Speletajs::Parvietot(int kur) {
  const int kods = Kolizija();
  if (kur == 0) return;
  float x, y;
  if (!MekletSoli(virziens, kods, sanslide, &x, &y)) return;
  darbiba = 2;
  pozx = x;
  pozy = y;
}

void Speletajs::Kadri() {
  if (kadrscnt > 1) {
    kadrscnt = 0;
    kadrs += 1;
  } else {
    kadrscnt += 1;
  }
  if ((darbiba == 2 && kadrs > 5) || (darbiba > 2 && kadrs > 10)) kadrs = 1;
}
