// The follower's pointer: where it goes for a heading or a way, and choosing from the bag.
#include "tools/runs/sekotajs.h"

#include <algorithm>
#include <cmath>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "inventory/inventars.h"
#include "shell/gaita.h"
#include "shell/globali.h"

namespace {

const int CENTRS = 10;    // the digger's centre from its box's corner, as Pagriezt takes it
const int AIZ = 40;       // the pointer lies this far beyond the point walked to
const int TUVAK = 20;     // ...never nearer his centre: within 14 it holds him
const int SKATIENS = 60;  // a pointer that only keeps a heading

// Pointers that only steer keep off the bag panel's closed corner, with a margin: a button
// held down there chooses from the open panel.
bool PieSomas(int x, int y) { return x <= 72 && y >= 514; }

unsigned Grupa(unsigned id) {
  const Manta* m = Inventars_V2::AtgriestLietasTipu(id);
  return id && m ? m->grupa : 0;
}

// The item the open panel's pocket of group g shows in place m (1 the bottom), or 0; the
// panel shows the first RADITAS slots.
const int RADITAS = 13;
unsigned MantaVieta(const Inventars_V2& s, int g, int m) {
  int k = 0;
  for (int i = 0; i < RADITAS; i++) {
    if (s.soma[i].ID == 0 || Grupa(s.soma[i].ID) != (unsigned)g) continue;
    if (++k == m) return s.soma[i].ID;
  }
  return 0;
}

}  // namespace

int Sekotajs::Izmeginat(int x, int y) const {
  // Pagriezt reads the view as it is; this frame's key will have moved it.
  const int virziens = pirmais->virziens, pauze = pirmais->kustibu_pauze;
  pirmais->Pagriezt(x + skats_x - L1->sak.x, y + skats_y - L1->sak.y);
  const int r = pirmais->virziens;
  pirmais->virziens = virziens;
  pirmais->kustibu_pauze = pauze;
  return r;
}

bool Sekotajs::Derigs(int x, int y) const {
  if (x < 0 || y < 0 || x >= EKRANA_W || y >= EKRANA_H || PieSomas(x, y)) return false;
  const int dx = x - ((int)pirmais->pozx + CENTRS - skats_x);
  const int dy = y - ((int)pirmais->pozy + CENTRS - skats_y);
  return dx * dx + dy * dy >= TUVAK * TUVAK;
}

void Sekotajs::Pa(double dx, double dy, double garums, int& px, int& py) const {
  const int cx = (int)pirmais->pozx + CENTRS - skats_x;
  const int cy = (int)pirmais->pozy + CENTRS - skats_y;
  // Shorter when the whole length leaves the screen or lands on the bag.
  for (double g = garums; g >= TUVAK; g -= 5) {
    px = cx + (int)lround(dx * g);
    py = cy + (int)lround(dy * g);
    if (Derigs(px, py)) return;
  }
  px = cx + (int)lround(dx * garums);
  py = cy + (int)lround(dy * garums);
}

void Sekotajs::Uz(float x, float y, int pagrieziens, int& px, int& py) const {
  const double dx = x - pirmais->pozx, dy = y - pirmais->pozy;
  const double d = hypot(dx, dy);
  if (d < 0.01) {
    Virzienaa(pirmais->virziens, px, py);
    return;
  }
  const double a = atan2(-dy, dx) + Radiani(pagrieziens);
  Pa(cos(a), -sin(a), d + AIZ, px, py);
}

void Sekotajs::Virzienaa(int virziens, int& px, int& py) const {
  const double v = Radiani(virziens);
  Pa(cos(v), -sin(v), SKATIENS, px, py);
}

bool Sekotajs::Parnest(size_t k, int& px, int& py) const {
  if (k == 0) return false;
  const Peda& bija = pedas[k - 1];
  px = vecie[k].x + pedas[k].sakx - (int)bija.x + (int)pirmais->pozx - skats_x;
  py = vecie[k].y + pedas[k].saky - (int)bija.y + (int)pirmais->pozy - skats_y;
  return Derigs(px, py);
}

bool Sekotajs::Temeklis(int virziens, size_t k, int& px, int& py) const {
  if (Parnest(k, px, py) && Izmeginat(px, py) == virziens) return true;
  const double v = Radiani(virziens);
  for (int garums : {SKATIENS, 45, 80, 30, 100, 130, 25}) {
    const int cx = (int)pirmais->pozx + CENTRS - skats_x + (int)lround(cos(v) * garums);
    const int cy = (int)pirmais->pozy + CENTRS - skats_y - (int)lround(sin(v) * garums);
    for (int r = 0; r <= 3; r++)
      for (int dy = -r; dy <= r; dy++)
        for (int dx = -r; dx <= r; dx++) {
          if (std::max(abs(dx), abs(dy)) != r) continue;
          px = cx + dx;
          py = cy + dy;
          if (Derigs(px, py) && Izmeginat(px, py) == virziens) return true;
        }
  }
  Virzienaa(virziens, px, py);
  return false;
}

bool Sekotajs::IzveletiesMantu(unsigned id) {
  if (id == 0) return false;
  // Where the item lies on the open panel now.
  Inventars_V2& s = pirmais->inv2;
  const unsigned grupas = s.aktivo_grupu_skaits;
  // The panel's hit test counts the pockets it passes; the count is put back.
  auto Uzrada = [&](int x, int y) {
    int g = 0, m = 0;
    const bool uz = s.KurKursors(x, y, true, g, m) && m >= 1 && MantaVieta(s, g, m) == id;
    s.aktivo_grupu_skaits = grupas;
    return uz;
  };
  long sx = 0, sy = 0, n = 0;
  int x = -1, y = -1;
  for (int py = 300; py < EKRANA_H; py++)
    for (int px = 0; px < 500; px++) {
      if (!Uzrada(px, py)) continue;
      if (n == 0) x = px, y = py;
      sx += px;
      sy += py;
      n++;
    }
  if (n == 0) return false;
  // The middle of the item's place, when it is inside it.
  if (Uzrada((int)(sx / n), (int)(sy / n))) x = (int)(sx / n), y = (int)(sy / n);
  const int PELE[][3] = {{35, 560, 0}, {x, y, 0}, {x, y, SDL_BUTTON(SDL_BUTTON_LEFT)}, {x, y, 0}};
  for (const auto& p : PELE) {
    if (Beidzies() || Ekrans() != 0) return false;
    Skats(false);
    Spert(p[0], p[1], false, {}, p[2]);
  }
  return s.aktiva_lieta == id;
}
