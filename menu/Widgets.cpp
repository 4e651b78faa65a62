// Picture buttons and background pictures.
#include "field/bildes_parbaude.h"
#include "menu/Menu.h"

SDL_Surface* IeladetMenuBildi(const char* fails) {
  SDL_Surface* ieladeta = IeladetSavuBildi(fails);
  if (!ieladeta) return nullptr;
  // The screen's own format makes every menu blit a plain copy (or blend) per pixel.
  if (!SDL_GetVideoSurface()) return ieladeta;
  SDL_Surface* parversta = ieladeta->format->Amask ? SDL_DisplayFormatAlpha(ieladeta)
                                                    : SDL_DisplayFormat(ieladeta);
  if (!parversta) return ieladeta;
  SDL_FreeSurface(ieladeta);
  return parversta;
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
