// Scaling by whole numbers: each destination row is built once and copied to the rows below.
#include "shell/merogs.h"

#include <string.h>

namespace {

// `skaits` whole blocks of N pixels from `no`; N known at compile time keeps the loop tight.
template <int N>
void Blokos(const Uint32* no, Uint32* uz, int skaits) {
  for (int i = 0; i < skaits; i++)
    for (int k = 0; k < N; k++) uz[i * N + k] = no[i];
}

void BlokosN(const Uint32* no, Uint32* uz, int skaits, int n) {
  switch (n) {
    case 2:
      Blokos<2>(no, uz, skaits);
      return;
    case 3:
      Blokos<3>(no, uz, skaits);
      return;
    case 4:
      Blokos<4>(no, uz, skaits);
      return;
  }
  for (int i = 0; i < skaits; i++)
    for (int k = 0; k < n; k++) uz[i * n + k] = no[i];
}

// One destination row of `garums` pixels, starting `nobide` pixels into the block of the
// source pixel no[0].
void Rinda(const Uint32* no, Uint32* uz, int garums, int n, int nobide) {
  if (n == 1) {
    memcpy(uz, no, (size_t)garums * 4);
    return;
  }
  if (nobide > 0) {  // the first block cut by the left edge
    const int m = n - nobide < garums ? n - nobide : garums;
    for (int k = 0; k < m; k++) uz[k] = no[0];
    uz += m;
    garums -= m;
    no++;
  }
  const int veseli = garums / n;
  BlokosN(no, uz, veseli, n);
  for (int k = veseli * n; k < garums; k++) uz[k] = no[veseli];  // the block cut on the right
}

long long Mazakais(long long a, long long b) { return a < b ? a : b; }
long long Lielakais(long long a, long long b) { return a > b ? a : b; }

// Division rounding towards minus infinity.
long long DalitUzLeju(long long a, int n) { return a / n - (a % n != 0 && a < 0 ? 1 : 0); }

}  // namespace

void Merogot(const SDL_Surface* no, SDL_Surface* uz, int n, int dx, int dy) {
  if (!no || !uz || n < 1 || no == uz) return;
  if (no->format->BytesPerPixel != 4 || uz->format->BytesPerPixel != 4) return;
  // The destination rectangle, clipped; 64-bit so that large offsets cannot wrap.
  const int x0 = (int)Lielakais(0, dx), y0 = (int)Lielakais(0, dy);
  const int x1 = (int)Mazakais(uz->w, (long long)dx + (long long)n * no->w);
  const int y1 = (int)Mazakais(uz->h, (long long)dy + (long long)n * no->h);
  if (x0 >= x1 || y0 >= y1) return;

  SDL_Surface* avots = const_cast<SDL_Surface*>(no);
  if (SDL_MUSTLOCK(avots) && SDL_LockSurface(avots) != 0) return;
  if (SDL_MUSTLOCK(uz) && SDL_LockSurface(uz) != 0) {
    if (SDL_MUSTLOCK(avots)) SDL_UnlockSurface(avots);
    return;
  }
  const int garums = x1 - x0;
  const int sx = (int)(((long long)x0 - dx) / n), nobide = (int)(((long long)x0 - dx) % n);
  Uint8* const uz_pikseli = (Uint8*)uz->pixels;
  const Uint8* const no_pikseli = (const Uint8*)no->pixels;
  for (int y = y0; y < y1;) {
    const int sy = (int)(((long long)y - dy) / n);
    const int lidz = (int)Mazakais(y1, (long long)dy + (long long)(sy + 1) * n);
    const Uint32* no_rinda = (const Uint32*)(no_pikseli + (size_t)sy * no->pitch) + sx;
    Uint32* pirma = (Uint32*)(uz_pikseli + (size_t)y * uz->pitch) + x0;
    Rinda(no_rinda, pirma, garums, n, nobide);
    for (int k = y + 1; k < lidz; k++)
      memcpy((Uint32*)(uz_pikseli + (size_t)k * uz->pitch) + x0, pirma, (size_t)garums * 4);
    y = lidz;
  }
  if (SDL_MUSTLOCK(uz)) SDL_UnlockSurface(uz);
  if (SDL_MUSTLOCK(avots)) SDL_UnlockSurface(avots);
}

bool PelesVieta(int wx, int wy, int n, int dx, int dy, int* x, int* y) {
  if (n < 1) n = 1;
  // 64-bit differences: a pointer far outside must not wrap into the picture.
  const long long ax = (long long)wx - dx, ay = (long long)wy - dy;
  const long long px = DalitUzLeju(ax, n), py = DalitUzLeju(ay, n);
  *x = (int)Lielakais(0, Mazakais(SPELES_W - 1, px));
  *y = (int)Lielakais(0, Mazakais(SPELES_H - 1, py));
  return px >= 0 && py >= 0 && px < SPELES_W && py < SPELES_H;
}

int LielakaisMerogs(int ekrana_w, int ekrana_h) {
  for (int n = LIELAKAIS_MEROGS; n > 1; n--)
    if (SPELES_W * n <= ekrana_w && SPELES_H * n <= ekrana_h) return n;
  return 1;
}

void Centrs(int ekrana_w, int ekrana_h, int n, int* dx, int* dy) {
  *dx = (int)Lielakais(0, ((long long)ekrana_w - (long long)SPELES_W * n) / 2);
  *dy = (int)Lielakais(0, ((long long)ekrana_h - (long long)SPELES_H * n) / 2);
}
