// The window icon, loaded once and kept for the whole run: sdl12-compat holds on to the
// picture until it opens the window.
#include "shell/ikona.h"

#include <SDL.h>
#include <SDL_image.h>

const char* const IKONAS_FAILS = "ui/ikona.png";

void UzliktIkonu() {
  static SDL_Surface* ikona = NULL;
  if (!ikona) ikona = IMG_Load(IKONAS_FAILS);
  // No mask: SDL cuts one from the picture's alpha.
  if (ikona) SDL_WM_SetIcon(ikona, NULL);
}
