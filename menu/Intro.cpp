// The opening slides: each of the first five held, then cross-faded into the next.
#include "menu/Menu.h"
#include "shell/skana.h"

namespace {

const char* const SLAIDI[Intro::SLAIDI] = {
    "ui/menu/solid.jpg", "ui/menu/solid.jpg", "ui/menu/title.jpg",
    "ui/menu/vantor.jpg", "ui/menu/solid.jpg", "ui/menu/premain.jpg",
};

// Time since `kops`; a clock that went backwards counts as no time at all, and unsigned
// differences stay right when the clock wraps.
Uint32 Pagajis(Uint32 tagad, Uint32 kops) {
  const Uint32 d = tagad - kops;
  return d > 0x80000000u ? 0 : d;
}

}  // namespace

Intro::Intro()
    : alpha(0), isVisible(true), timer(0), waittimer(0), selected_screen(0), fadetime(2000),
      waittime(1200) {
  for (int i = 0; i < SLAIDI; i++) {
    bgi_screens[i].SetRect(0, 0, 800, 600);
    bgi_screens[i].isVisible = true;
    bgi_screens[i].img.normal = IeladetMenuBildi(::SLAIDI[i]);
  }
}

Intro::~Intro() {
  for (BackgroundImage& b : bgi_screens)
    if (b.img.normal) SDL_FreeSurface(b.img.normal);
}

void Intro::ReceiveInput(SDL_Event& notikums) {
  if (notikums.type == SDL_KEYUP && notikums.key.keysym.sym == SDLK_ESCAPE) isVisible = false;
}

bool Intro::Update(Uint32 tagad, SDL_Surface* merkis) {
  if (!isVisible || selected_screen > 4) {
    selected_screen = 0;
    return false;
  }
  if (Pagajis(tagad, waittimer) < waittime) {
    bgi_screens[selected_screen].Blit(merkis);
    timer = tagad;
    return true;
  }
  if (Pagajis(tagad, timer) > fadetime) {
    waittimer = tagad;
    timer = tagad;
    alpha = 0;
    selected_screen++;
    if (selected_screen <= 4) Skanet(SK_SLAIDS);
  }
  if (selected_screen <= 4) {
    // 64-bit and clamped: no overflow for any gap, no division by a zero fade time.
    const Uint64 pagajis = Pagajis(tagad, timer);
    const Uint64 a = fadetime == 0 ? 255 : pagajis * 255u / fadetime;
    alpha = (int)(a > 255 ? 255 : a);
    bgi_screens[selected_screen + 1].Interpolate(merkis, &bgi_screens[selected_screen],
                                                 (unsigned)alpha);
  }
  return true;
}
