// The game's own time and mouse: straight to SDL.
#include "shell/ierices.h"

namespace {
Uint32 SdlTagad() { return SDL_GetTicks(); }
void SdlGulet(Uint32 ms) { SDL_Delay(ms); }
Uint8 SdlPele(int* x, int* y) { return SDL_GetMouseState(x, y); }
}  // namespace

Ierices ierices = {SdlTagad, SdlGulet, SdlPele};
