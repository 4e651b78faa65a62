// The objects each frame: one animation step and a centred blit, and the digger's contact walk.
#include <cstdlib>

#include "objects/PakuMgr.h"
#include "objects/skaitli.h"

// SDL rectangles hold 16-bit positions: keep the low 16 bits as a signed value.
static Sint16 Kaa16(uint32_t v) {
  uint32_t u = v & 0xFFFFu;
  return static_cast<Sint16>(u < 0x8000u ? static_cast<int32_t>(u) : static_cast<int32_t>(u) - 0x10000);
}

// Every call counts as 40 ms, whatever really passed: the frame loop paces itself to that.
static void SpertSoli(PakuMenedzeris::Pk* pk, uint32_t kadri) {
  pk->laiks -= 40.0f;
  if (pk->laiks > 0.0f) return;
  pk->laiks = static_cast<float>(pk->sekv->intervals);
  if (++pk->kadrs < kadri) return;
  pk->kadrs = 0;
  // The pause replaces the interval of the cycle's first frame.
  if (pk->anim_pauze > 0) {
    pk->laiks = static_cast<float>(pk->anim_pauze);
  } else if (pk->anim_pauze < 0) {
    uint32_t lidz = 0u - static_cast<uint32_t>(pk->anim_pauze);  // |pause| without INT_MIN trouble
    pk->laiks = static_cast<float>(static_cast<uint32_t>(std::rand()) % lidz);
  }
}

void PakuMenedzeris::Zimet(SDL_Surface* virsma, uint32_t /*laiks*/, int32_t skatsx,
                           int32_t skatsy) {
  for (Pk* pk : pakas) {
    if (!pk || !pk->sekv || !pk->sekv->bilde) continue;
    Sv* sv = pk->sekv;
    uint32_t kadri = sv->kadru_skaits ? sv->kadru_skaits : 1;  // a hand-made Sv may hold 0
    if (kadri > 1) SpertSoli(pk, kadri);
    if (!virsma || pk->kadrs >= kadri) continue;
    uint32_t platums = static_cast<uint32_t>(sv->bilde->w) / kadri;
    uint32_t augstums = static_cast<uint32_t>(sv->bilde->h);
    uint32_t sx = platums * pk->kadrs;
    // A strip narrower than its frame count has empty frames; frames beyond 16-bit
    // rectangles cannot be blitted.
    if (platums == 0 || augstums == 0 || sx > 0x7FFFu || platums > 0xFFFFu || augstums > 0xFFFFu)
      continue;
    SDL_Rect no = {static_cast<Sint16>(sx), 0, static_cast<Uint16>(platums),
                   static_cast<Uint16>(augstums)};
    SDL_Rect uz = {Kaa16(pk->xpos - platums / 2 - static_cast<uint32_t>(skatsx)),
                   Kaa16(pk->ypos - augstums / 2 - static_cast<uint32_t>(skatsy)), 0, 0};
    SDL_BlitSurface(sv->bilde, &no, virsma, &uz);
  }
}

bool PakuMenedzeris::VaiKrusto(Pk* pk, int32_t x, int32_t y, int32_t r) {
  if (!pk) return false;
  // Unsigned arithmetic wraps exactly like 32-bit two's complement, without signed overflow.
  uint32_t dx = pk->xpos - static_cast<uint32_t>(x);
  uint32_t dy = pk->ypos - static_cast<uint32_t>(y);
  uint32_t d2 = dx * dx + dy * dy;
  uint32_t ru = static_cast<uint32_t>(r), Ru = static_cast<uint32_t>(pk->radiuss);
  uint32_t robeza = 2u * ru * ru + 2u * Ru * Ru;
  return KaaZimigs(robeza) > KaaZimigs(d2);
}

void PakuMenedzeris::TestetKrustosanos(int32_t x, int32_t y, int32_t r) {
  // Deletions during the walk only empty list slots (see DzestPaku), so the position
  // taken here stays valid whichever objects the callback deletes.
  staigas++;
  for (auto it = pakas.begin(); it != pakas.end();) {
    Pk* pk = *it++;
    if (pk && funktors && VaiKrusto(pk, x, y, r)) funktors(pk, this);
  }
  if (--staigas == 0) _SakoptVietas();
}
