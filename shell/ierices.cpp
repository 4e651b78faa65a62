// The game's own time and mouse: SDL's, the mouse over the game's picture.
#include "shell/ierices.h"

#include "shell/logs.h"

namespace {
Uint32 SdlTagad() { return SDL_GetTicks(); }
void SdlGulet(Uint32 ms) { SDL_Delay(ms); }
Uint8 SdlPele(int* x, int* y) { return LogaPele(x, y); }
}  // namespace

Ierices ierices = {SdlTagad, SdlGulet, SdlPele};
