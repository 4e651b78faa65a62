// The flash, the debris and the shake of a blast, and the ring of a burning charge's reach.
#include "field/spradziens.h"

#include <math.h>
#include <string.h>

#include "field/zeme.h"

Spradziens spradziens;

namespace {

const float SMAGUMS = 0.35f;  // debris falls this much faster each frame
const int ZIBSNA_KADRI = 5;   // the flash burns out in these frames
const int KRATIT_KADRI = 8;   // the view shakes for these
const int DZIRKSTIS = 12;     // of the debris, this many are sparks, not ground

// Ours alone: the blast's rays draw on the field's generator, and must draw the same.
unsigned Nakamais(unsigned &s) {
  s = s * 1103515245u + 12345u;
  return (s >> 16) & 0x7FFF;
}
float Intervala(unsigned &s, float no, float lidz) {
  return no + (lidz - no) * (float)Nakamais(s) / 32767.0f;
}

struct Formats {
  const SDL_PixelFormat *f;
  Uint32 Kopa(int r, int g, int b) const {
    return ((Uint32)r >> f->Rloss << f->Rshift) | ((Uint32)g >> f->Gloss << f->Gshift) |
           ((Uint32)b >> f->Bloss << f->Bshift) | (f->Amask ? f->Amask : 0);
  }
  int R(Uint32 p) const { return (int)(((p & f->Rmask) >> f->Rshift) << f->Rloss); }
  int G(Uint32 p) const { return (int)(((p & f->Gmask) >> f->Gshift) << f->Gloss); }
  int B(Uint32 p) const { return (int)(((p & f->Bmask) >> f->Bshift) << f->Bloss); }
};

// (r, g, b) over the pixel at screen (x, y) with opacity a of 256; outside, nothing.
inline void Jaukt(SDL_Surface *e, const Formats &f, int x, int y, int r, int g, int b, int a) {
  if (x < 0 || y < 0 || x >= e->w || y >= e->h) return;
  Uint32 *p = (Uint32 *)((Uint8 *)e->pixels + y * e->pitch) + x;
  const int pr = f.R(*p), pg = f.G(*p), pb = f.B(*p);
  *p = f.Kopa(pr + (r - pr) * a / 256, pg + (g - pg) * a / 256, pb + (b - pb) * a / 256);
}

// Light added to the pixel: the flash brightens what it covers rather than hiding it.
inline void Pieskaitit(SDL_Surface *e, const Formats &f, int x, int y, int r, int g, int b) {
  if (x < 0 || y < 0 || x >= e->w || y >= e->h) return;
  Uint32 *p = (Uint32 *)((Uint8 *)e->pixels + y * e->pitch) + x;
  const int pr = f.R(*p) + r, pg = f.G(*p) + g, pb = f.B(*p) + b;
  *p = f.Kopa(pr > 255 ? 255 : pr, pg > 255 ? 255 : pg, pb > 255 ? 255 : pb);
}

// A dashed ring, turning slowly so that it catches the eye without hiding the ground.
void Aplis(SDL_Surface *e, const Formats &f, int cx, int cy, float r, int cr, int cg, int cb, int a,
           int kadrs) {
  if (r < 2) return;
  const int punkti = (int)(2 * M_PI * r / 2);
  const float pagrieziens = (float)kadrs * 0.02f;
  for (int i = 0; i < punkti; i++) {
    if ((i / 4) % 2) continue;  // dashes of 4 dots, gaps of 4
    const float l = pagrieziens + 2 * (float)M_PI * (float)i / (float)punkti;
    const int x = cx + (int)lroundf(r * cosf(l)), y = cy + (int)lroundf(r * sinf(l));
    for (int k = 0; k < 4; k++) Jaukt(e, f, x + k % 2, y + k / 2, cr, cg, cb, a);
  }
}

void Zibsnis(SDL_Surface *e, const Formats &f, int cx, int cy, int stiprums, int kadrs) {
  const float r = (float)stiprums * (1.0f + 0.35f * (float)kadrs);
  const float speks = 1.0f - (float)kadrs / ZIBSNA_KADRI;
  const int R = (int)r + 1;
  const int x0 = cx - R < 0 ? 0 : cx - R, x1 = cx + R >= e->w ? e->w - 1 : cx + R;
  const int y0 = cy - R < 0 ? 0 : cy - R, y1 = cy + R >= e->h ? e->h - 1 : cy + R;
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++) {
      const float d = sqrtf((float)((x - cx) * (x - cx) + (y - cy) * (y - cy))) / r;
      if (d >= 1.0f) continue;
      const float k = speks * (1.0f - d * d);
      Pieskaitit(e, f, x, y, (int)(255 * k), (int)(200 * k), (int)(110 * k));
    }
}

}  // namespace

void SaktSpradzienu(const Laukums &lauks, int x, int y, int stiprums) {
  Spradziens &s = spradziens;
  s.x = x;
  s.y = y;
  s.stiprums = stiprums;
  s.kadrs = 0;
  s.sekla = (unsigned)(x * 7919 + y * 104729 + stiprums);
  const float atrums = 2.0f + (float)stiprums / 7.0f;
  for (int i = 0; i < Spradziens::DRUPATAS; i++) {
    Spradziens::Drupata &d = s.drupatas[i];
    const float l = Intervala(s.sekla, 0.0f, 2 * (float)M_PI);
    const float v = Intervala(s.sekla, 0.3f, 1.0f) * atrums;
    d.x = (float)x;
    d.y = (float)y;
    d.vx = v * cosf(l);
    d.vy = v * sinf(l) - 1.5f;  // thrown up a little, then falling
    if (i < DZIRKSTIS) {
      d.r = 255;
      d.g = (Uint8)(170 + Nakamais(s.sekla) % 70);
      d.b = 60;
      continue;
    }
    // Lumps of the ground that was there, lighter so that they read on the dark hole.
    Uint8 r = 150, g = 104, b = 60;
    const SDL_Surface *z = lauks.Zeme;
    const int px = x + (int)(Nakamais(s.sekla) % 21) - 10,
              py = y + (int)(Nakamais(s.sekla) % 21) - 10;
    if (z && z->format->BytesPerPixel == 4 && px >= 0 && py >= 0 && px < z->w && py < z->h)
      SDL_GetRGB(*((Uint32 *)((Uint8 *)z->pixels + py * z->pitch) + px), z->format, &r, &g, &b);
    d.r = (Uint8)(r + (255 - r) / 2);
    d.g = (Uint8)(g + (255 - g) / 2);
    d.b = (Uint8)(b + (255 - b) / 2);
  }
}

void ZimetSpradzienu(const Laukums &lauks, SDL_Surface *e) {
  if (!e || e->format->BytesPerPixel != 4) return;
  const Formats f = {e->format};
  const int sx = lauks.sak.x, sy = lauks.sak.y;
  if (SDL_MUSTLOCK(e) && SDL_LockSurface(e) != 0) return;

  if (const bumbvieta *b = lauks.Bumbas[0]) {
    const int s = SpradzienaStiprums(b->tips);
    const int mirgo = b->t % 10 < 5 ? 0 : 40;  // pulses as the fuse burns
    Aplis(e, f, b->x - sx, b->y - sy, SPRADZIENS_IEVAINO * s, 255, 230, 150, 90 + mirgo, b->t);
    Aplis(e, f, b->x - sx, b->y - sy, SPRADZIENS_NOGALINA * s, 255, 60, 40, 120 + mirgo, -b->t);
  }

  Spradziens &s = spradziens;
  int kratit = 0;
  if (s.kadrs < Spradziens::KADRI) {
    const int cx = s.x - sx, cy = s.y - sy;
    if (s.kadrs < ZIBSNA_KADRI) Zibsnis(e, f, cx, cy, s.stiprums, s.kadrs);
    const int a = 256 - 256 * s.kadrs / Spradziens::KADRI;
    for (Spradziens::Drupata &d : s.drupatas) {
      const int x = (int)d.x - sx, y = (int)d.y - sy;
      for (int k = 0; k < 4; k++) Jaukt(e, f, x + k % 2, y + k / 2, d.r, d.g, d.b, a);
      d.x += d.vx;
      d.y += d.vy;
      d.vy += SMAGUMS;
    }
    if (s.kadrs < KRATIT_KADRI)
      kratit = (s.stiprums >= 30 ? 3 : 2) * (KRATIT_KADRI - s.kadrs) / KRATIT_KADRI;
    s.kadrs++;
  }
  if (SDL_MUSTLOCK(e)) SDL_UnlockSurface(e);
  // Side to side and up and down in turn, smaller each frame.
  if (kratit > 0) KratitEkranu(e, s.kadrs % 2 ? kratit : -kratit, s.kadrs % 3 ? 0 : kratit);
}

void KratitEkranu(SDL_Surface *e, int dx, int dy) {
  if (!e || e->format->BytesPerPixel != 4 || (dx == 0 && dy == 0)) return;
  if (dx <= -e->w || dx >= e->w || dy <= -e->h || dy >= e->h) return;
  if (SDL_MUSTLOCK(e) && SDL_LockSurface(e) != 0) return;
  Uint8 *p = (Uint8 *)e->pixels;
  const int rinda = e->w * 4;
  // Rows first, in the order that never reads a row already overwritten.
  if (dy > 0)
    for (int y = e->h - 1; y >= dy; y--) memcpy(p + y * e->pitch, p + (y - dy) * e->pitch, rinda);
  else if (dy < 0)
    for (int y = 0; y < e->h + dy; y++) memcpy(p + y * e->pitch, p + (y - dy) * e->pitch, rinda);
  if (dx != 0)
    for (int y = 0; y < e->h; y++) {
      Uint32 *r = (Uint32 *)(p + y * e->pitch);
      if (dx > 0) {
        memmove(r + dx, r, (size_t)(e->w - dx) * 4);
        for (int x = 0; x < dx; x++) r[x] = r[dx];
      } else {
        memmove(r, r - dx, (size_t)(e->w + dx) * 4);
        for (int x = e->w + dx; x < e->w; x++) r[x] = r[e->w + dx - 1];
      }
    }
  if (SDL_MUSTLOCK(e)) SDL_UnlockSurface(e);
}
