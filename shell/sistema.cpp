// Frame clock, in-place quarter turns and aligned text lines.
#include "shell/sistema.h"

#include "shell/globali.h"

int raamji(Uint32 laiks) {
  static Uint32 laiks2 = 0;
  Uint32 starpiba = laiks - laiks2;
  laiks2 = laiks;
  return (int)starpiba;
}

void rotet(int uzkurieni, SDL_Surface* bilde) {
  const int REZGIS = 50;
  if (uzkurieni == 0) return;
  if (uzkurieni < 0) uzkurieni += 4;
  if (!bilde || bilde->format->BytesPerPixel != 4) return;
  const int W = bilde->w;
  // The grid holds 50 x 50; a narrower or shorter picture would be read past its pixels.
  if (W > REZGIS || bilde->h < W) return;

  Uint32 rezgis[REZGIS][REZGIS];
  Uint32* p = (Uint32*)bilde->pixels;
  const int solis = bilde->pitch / 4;
  for (int k = 0; k < uzkurieni; k++) {
    for (int y = 0; y < W; y++)
      for (int x = 0; x < W; x++) rezgis[x][y] = p[y * solis + x];
    for (int y = 0; y < W; y++)
      for (int x = 0; x < W; x++) p[y * solis + x] = rezgis[W - 1 - y][x];
  }
}

namespace {

enum Izlidzinasana { PA_LABI, PA_KREISI, CENTRA };

void ZimetTekstu(Izlidzinasana kur, SDL_Surface* surf, TTF_Font* font, unsigned x, unsigned y,
                 const char* teksts, unsigned r, unsigned g, unsigned b) {
  if (!font || !teksts) return;
  int platums = 0;
  SDL_Color krasa = {(Uint8)r, (Uint8)g, (Uint8)b, 0};
  SDL_Surface* virsma = TTF_RenderText_Blended(font, teksts, krasa);
  TTF_SizeText(font, teksts, &platums, NULL);
  SDL_Rect merkis;
  merkis.y = (Sint16)y;
  switch (kur) {
    case PA_LABI: merkis.x = (Sint16)((int)x - platums); break;
    case PA_KREISI: merkis.x = (Sint16)x; break;
    case CENTRA: merkis.x = (Sint16)((int)x - platums / 2); break;
  }
  if (virsma) {
    SDL_UpperBlit(virsma, NULL, surf, &merkis);
    SDL_FreeSurface(virsma);
  }
}

}  // namespace

void ZiimeeTekstuR(SDL_Surface* surf, TTF_Font* font, unsigned x, unsigned y,
                   const char* teksts, unsigned r, unsigned g, unsigned b) {
  ZimetTekstu(PA_LABI, surf, font, x, y, teksts, r, g, b);
}

void ZiimeeTekstuL(SDL_Surface* surf, TTF_Font* font, unsigned x, unsigned y,
                   const char* teksts, unsigned r, unsigned g, unsigned b) {
  ZimetTekstu(PA_KREISI, surf, font, x, y, teksts, r, g, b);
}

void ZiimeeTekstuC(SDL_Surface* surf, TTF_Font* font, unsigned x, unsigned y,
                   const char* teksts, unsigned r, unsigned g, unsigned b) {
  ZimetTekstu(CENTRA, surf, font, x, y, teksts, r, g, b);
}

SDL_Surface* EkranaFormata(SDL_Surface* s) {
  SDL_Surface* ekrans = SDL_GetVideoSurface();
  if (!s || !ekrans) return s;
  const SDL_PixelFormat* f = s->format;
  const SDL_PixelFormat* e = ekrans->format;
  if (f->BytesPerPixel == e->BytesPerPixel && f->Rmask == e->Rmask && f->Gmask == e->Gmask &&
      f->Bmask == e->Bmask && (f->Amask == 0 || f->Amask == (0xFFFFFFFFu & ~(e->Rmask | e->Gmask | e->Bmask))))
    return s;
  SDL_Surface* v = f->Amask ? SDL_DisplayFormatAlpha(s) : SDL_DisplayFormat(s);
  if (!v) return s;
  SDL_FreeSurface(s);
  return v;
}

void ZimetUzEkrana(SDL_Surface* bilde, SDL_Rect* avots, int x, int y) {
  if (!bilde || !screen) return;
  SDL_Rect merkis = {(Sint16)x, (Sint16)y, 0, 0};
  SDL_BlitSurface(bilde, avots, screen, &merkis);
}
