// Copying decoded pictures into the 32-bit layout of the mask and the screen with plain loops.
#include "field/bildes_parbaude.h"

namespace {

// Which byte of a pixel holds a channel, for a mask of one whole byte; -1 otherwise.
int MaskasBaits(Uint32 maska, int baiti) {
  for (int b = 0; b < baiti; b++) {
    const int nobide = SDL_BYTEORDER == SDL_LIL_ENDIAN ? 8 * b : 8 * (baiti - 1 - b);
    if (maska == (Uint32)0xFF << nobide) return b;
  }
  return -1;
}

}  // namespace

SDL_Surface* UzXrgb(const SDL_Surface* s, bool ar_alfu) {
  if (!s || !s->format || s->format->palette || (s->flags & SDL_SRCCOLORKEY)) return NULL;
  const SDL_PixelFormat* f = s->format;
  const int baiti = f->BytesPerPixel;
  if (baiti != 3 && baiti != 4) return NULL;
  const int r = MaskasBaits(f->Rmask, baiti), g = MaskasBaits(f->Gmask, baiti);
  const int b = MaskasBaits(f->Bmask, baiti);
  const int a = f->Amask ? MaskasBaits(f->Amask, baiti) : -1;
  if (r < 0 || g < 0 || b < 0 || (f->Amask && a < 0)) return NULL;
  SDL_Surface* d = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, 0x00FF0000, 0x0000FF00,
                                        0x000000FF, ar_alfu ? 0xFF000000 : 0);
  if (!d) return NULL;
  if (SDL_MUSTLOCK(const_cast<SDL_Surface*>(s))) SDL_LockSurface(const_cast<SDL_Surface*>(s));
  const Uint32 pilna_alfa = ar_alfu && a < 0 ? 0xFF000000u : 0;
  // The PNG decoder's RGBA bytes: one 32-bit swap of red and blue, which vectorises.
  const bool rgba = SDL_BYTEORDER == SDL_LIL_ENDIAN && baiti == 4 && r == 0 && g == 1 && b == 2;
  const Uint32 paturet = ar_alfu && a == 3 ? 0xFF00FF00u : 0x0000FF00u;
  for (int y = 0; y < s->h; y++) {
    const Uint8* no = (const Uint8*)s->pixels + (size_t)y * s->pitch;
    Uint32* uz = (Uint32*)((Uint8*)d->pixels + (size_t)y * d->pitch);
    if (rgba) {
      const Uint32* p = (const Uint32*)no;
      for (int x = 0; x < s->w; x++)
        uz[x] = pilna_alfa | (p[x] & paturet) | (p[x] & 0xFFu) << 16 | (p[x] >> 16 & 0xFFu);
    } else if (ar_alfu && a >= 0) {
      for (int x = 0; x < s->w; x++, no += baiti)
        uz[x] = (Uint32)no[a] << 24 | (Uint32)no[r] << 16 | (Uint32)no[g] << 8 | no[b];
    } else {
      for (int x = 0; x < s->w; x++, no += baiti)
        uz[x] = pilna_alfa | (Uint32)no[r] << 16 | (Uint32)no[g] << 8 | no[b];
    }
  }
  if (SDL_MUSTLOCK(const_cast<SDL_Surface*>(s))) SDL_UnlockSurface(const_cast<SDL_Surface*>(s));
  return d;
}

bool EkransIrXrgb() {
  const SDL_Surface* v = SDL_GetVideoSurface();
  return v && v->format->BytesPerPixel == 4 && v->format->Rmask == 0x00FF0000 &&
         v->format->Gmask == 0x0000FF00 && v->format->Bmask == 0x000000FF;
}
