// Picture buttons and background pictures.
#include "field/bildes_parbaude.h"
#include "menu/Menu.h"
#include "shell/sistema.h"

SDL_Surface* IeladetMenuBildi(const char* fails) {
  return EkranaFormata(IeladetSavuBildi(fails));
}

namespace {

void Novietot(SDL_Rect& r, unsigned x, unsigned y, unsigned w, unsigned h) {
  r.x = (Sint16)x;
  r.y = (Sint16)y;
  r.w = (Uint16)w;
  r.h = (Uint16)h;
}

}  // namespace

void Button::SetRect(unsigned x, unsigned y, unsigned w, unsigned h) { Novietot(rect, x, y, w, h); }

void Button::Update(int x, int y, int) {
  isSelected = rect.x < x && x < rect.x + rect.w && rect.y < y && y < rect.y + rect.h;
}

void Button::Blit(SDL_Surface* merkis) {
  if (!isVisible || !img.normal || !img.selected || !merkis) return;
  SDL_BlitSurface(isSelected ? img.selected : img.normal, NULL, merkis, &rect);
}

void BackgroundImage::SetRect(unsigned x, unsigned y, unsigned w, unsigned h) {
  Novietot(rect, x, y, w, h);
}

void BackgroundImage::Blit(SDL_Surface* merkis) {
  if (!isVisible || !img.normal || !merkis) return;
  SDL_BlitSurface(img.normal, NULL, merkis, &rect);
}

void BackgroundImage::Interpolate(SDL_Surface* merkis, BackgroundImage* no, unsigned necaurspidiba) {
  if (!img.normal || !no || !no->img.normal) return;
  no->Blit(merkis);
  SDL_SetAlpha(img.normal, SDL_SRCALPHA, (Uint8)(necaurspidiba & 0xFF));
  Blit(merkis);
}
