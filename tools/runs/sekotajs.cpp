// The follower's frames.
#include "tools/runs/sekotajs.h"

#include <algorithm>
#include <cmath>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/ierices.h"

namespace {

const unsigned EKRANS_ZINJA = 3, EKRANS_UZVARA = 4, EKRANS_ZAUDETS = 5;
const float PIETIEK = 2.0f;  // catching up ends this near the old place
const float STAVET = 1.5f;   // nearer than this to the point followed he stands
const float GALA = 1.0f;     // ...and to the old run's last place
const int BEZ_GUVUMA = 20;   // catching up gives up after this many frames without gain
const float GUVUMS = 0.05f;  // a gain smaller than this is none
const int IESPRUDIS = 5;     // ...or after this many frames stuck where he stands
// Turns from the way to the point walked to, tried one a frame while he is stuck: a slide
// along rock may go only within a few degrees.
const int APKART[] = {0,   15,  -15,  30,  -30,  45,  -45,  60,  -60,  75,  -75,  90,
                      -90, 105, -105, 120, -120, 135, -135, 150, -150, 165, -165, 180};
const int APKART_N = sizeof(APKART) / sizeof(APKART[0]);
const double SNIEDZIENS = 12;  // a bite's or a charge's spot ahead of the digger's centre
const size_t LOGS = 30;      // old frames ahead searched for the nearest old place...
const size_t ATPAKAL = 100;  // ...and behind
const float VIENADI = 0.5f;  // old places this much further than the nearest count as near
const int GALA_KADRI = 60;   // frames to reach the exit after the old run has ended
const int SOLIS = 10;        // an arrow key moves the view this far

// The closed bag panel, where a button held down chooses from the open one.
bool UzSomas(int x, int y) { return 7 < x && x <= 66 && 520 < y && y <= 791; }

bool Bulta(SDLKey k) {
  return k == SDLK_UP || k == SDLK_DOWN || k == SDLK_LEFT || k == SDLK_RIGHT;
}

bool IrPoga(const SDL_Event& e, Uint8 veids, Uint8 poga) {
  return e.type == veids && e.button.button == poga;
}

// A right press or a left shift uses the active item.
bool Rok(const SDL_Event& e) {
  return IrPoga(e, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT) ||
         (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_LSHIFT);
}

// Events the follower gives itself: the walk (left), the right button's release and the view.
bool Pasa(const SDL_Event& e) {
  if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP)
    return e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_RIGHT;
  if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) return Bulta(e.key.keysym.sym);
  return false;
}

SDL_Event Poga(Uint8 veids, Uint8 poga) {
  SDL_Event e = {};
  e.type = veids;
  e.button.button = poga;
  return e;
}

SDL_Event Klavis(Uint8 veids, SDLKey k) {
  SDL_Event e = {};
  e.type = veids;
  e.key.keysym.sym = k;
  return e;
}

std::string KlavisTeksts(SDLKey k) {
  static const struct {
    SDLKey k;
    const char* v;
  } VARDI[] = {{SDLK_UP, "up"},       {SDLK_DOWN, "down"},     {SDLK_LEFT, "left"},
               {SDLK_RIGHT, "right"}, {SDLK_LSHIFT, "lshift"}, {SDLK_SPACE, "space"}};
  for (const auto& v : VARDI)
    if (v.k == k) return v.v;
  return std::to_string((int)k);
}

int Ierobezot(int v, int no, int lidz) { return std::max(no, std::min(v, lidz)); }

}  // namespace

void Sekotajs::SagatavotVecos() {
  const size_t n = pedas.size();
  vecie.assign(n, VecaisKadrs());
  VecaisKadrs pele;
  size_t r = 0;
  for (size_t k = 0; k < n; k++) {
    for (; r < vecais.rindas.size() && vecais.rindas[r].kadrs <= k; r++) {
      const IerakstaRinda& v = vecais.rindas[r];
      if (v.veids == IerakstaRinda::PELE) {
        pele.x = v.x;
        pele.y = v.y;
        pele.pogas = v.pogas;
      } else if (v.kadrs == k) {
        vecie[k].notikumi.push_back(v.notikums);
      }
    }
    vecie[k].x = pele.x;
    vecie[k].y = pele.y;
    vecie[k].pogas = pele.pogas;
  }
  // A follow looks ahead no further than the place the next use or bag visit starts from.
  robeza.assign(n, n - 1);
  for (size_t k = n - 1; k-- > 0;) {
    const bool pirms_somas = SomasKadrs(k + 1) && !SomasKadrs(k);
    robeza[k] = Notikums(k + 1) || pirms_somas ? k : robeza[k + 1];
  }
}

bool Sekotajs::Izlaist(size_t k) const {
  return pedas[k].ekrans_pirms != 0 || pedas[k].ekrans_pec != 0;
}

bool Sekotajs::SomasKadrs(size_t k) const {
  if (Izlaist(k)) return false;
  return UzSomas(vecie[k].x, vecie[k].y) || pedas[k].soma || (k > 0 && pedas[k - 1].soma);
}

bool Sekotajs::Notikums(size_t k) const {
  if (Izlaist(k)) return false;
  for (const SDL_Event& e : vecie[k].notikumi)
    if (Rok(e)) return true;
  return false;
}

int Sekotajs::Kadrs() const { return atskanotajs.kadrs + 1; }

float Sekotajs::Attalums(float x, float y) const {
  return (float)hypot(x - pirmais->pozx, y - pirmais->pozy);
}

bool Sekotajs::Beidzies() {
  if (!kluda.empty()) return true;
  if (c.done) {
    kluda = "the game was told to quit at frame " + std::to_string(atskanotajs.kadrs);
    return true;
  }
  const unsigned e = Ekrans();
  if (e == EKRANS_UZVARA) {
    uzvareja = true;
    return true;
  }
  if (e == EKRANS_ZAUDETS) {
    kluda = "lost at frame " + std::to_string(atskanotajs.kadrs) + ": " +
            (pirmais->Veseliba <= 0 ? "the digger died" : "the lamp's battery ran out");
    return true;
  }
  if (Kadrs() > (int)pedas.size() * 2 + 1000) {
    kluda = "not won after " + std::to_string(Kadrs()) + " frames";
    return true;
  }
  return false;
}

void Sekotajs::Skats(bool drikst) {
  klavisu.clear();
  skats_x = L1->sak.x;
  skats_y = L1->sak.y;
  if (turama != SDLK_UNKNOWN) {
    klavisu.push_back(Klavis(SDL_KEYUP, turama));
    turama = SDLK_UNKNOWN;
    return;
  }
  // A key counts only while nothing holds the digger.
  if (!drikst || pirmais->kustibu_pauze != 0) return;
  int dx = 0, dy = 0;
  if (merka_x != skats_x) {
    dx = merka_x > skats_x ? SOLIS : -SOLIS;
    turama = dx > 0 ? SDLK_RIGHT : SDLK_LEFT;
  } else if (merka_y != skats_y) {
    dy = merka_y > skats_y ? SOLIS : -SOLIS;
    turama = dy > 0 ? SDLK_DOWN : SDLK_UP;
  } else {
    return;
  }
  klavisu.push_back(Klavis(SDL_KEYDOWN, turama));
  const int max_x = L1->Siets ? std::max(L1->Siets->w - EKRANA_W, 0) : 0;
  const int max_y = L1->Siets ? std::max(L1->Siets->h - EKRANA_H, 0) : 0;
  skats_x = Ierobezot(skats_x + dx, 0, max_x);
  skats_y = Ierobezot(skats_y + dy, 0, max_y);
}

void Sekotajs::Rinda(const IerakstaRinda& r) {
  atskanotajs.ieraksts.rindas.push_back(r);
  if (r.veids == IerakstaRinda::PELE) {
    fprintf(izeja, "%u mouse %d %d %u\n", r.kadrs, r.x, r.y, (unsigned)r.pogas);
    return;
  }
  const SDL_Event& e = r.notikums;
  switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      fprintf(izeja, "%u %s %u\n", r.kadrs, e.type == SDL_MOUSEBUTTONDOWN ? "press" : "release",
              (unsigned)e.button.button);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      fprintf(izeja, "%u %s %s\n", r.kadrs, e.type == SDL_KEYDOWN ? "keydown" : "keyup",
              KlavisTeksts(e.key.keysym.sym).c_str());
      break;
    case SDL_QUIT: fprintf(izeja, "%u quit\n", r.kadrs); break;
    default: break;
  }
}

bool Sekotajs::Spert(int x, int y, bool iet, const std::vector<SDL_Event>& notikumi,
                     int pogas) {
  std::vector<SDL_Event> visi = klavisu;
  klavisu.clear();
  if (labaa) visi.push_back(Poga(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT));
  labaa = false;
  if (iet != (c.kustiba != 0))
    visi.push_back(Poga(iet ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
  for (const SDL_Event& e : notikumi) {
    visi.push_back(e);
    if (IrPoga(e, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)) labaa = true;
  }
  x = Ierobezot(x, 0, EKRANA_W - 1);
  y = Ierobezot(y, 0, EKRANA_H - 1);
  if (pogas < 0)
    pogas = (iet ? SDL_BUTTON(SDL_BUTTON_LEFT) : 0) | (labaa ? SDL_BUTTON(SDL_BUTTON_RIGHT) : 0);
  IerakstaRinda r = {};
  r.kadrs = (unsigned)Kadrs();
  if (x != pele_x || y != pele_y || pogas != pele_pogas) {
    r.veids = IerakstaRinda::PELE;
    r.x = pele_x = x;
    r.y = pele_y = y;
    r.pogas = (Uint8)(pele_pogas = pogas);
    Rinda(r);
  }
  r.veids = IerakstaRinda::NOTIKUMS;
  for (const SDL_Event& e : visi) {
    r.notikums = e;
    Rinda(r);
  }
  ::Kadrs(c);
  // A panel that came up at the frame's start kept the digger from steering.
  return Ekrans() == 0;
}

std::vector<SDL_Event> Sekotajs::Garam(size_t k) const {
  std::vector<SDL_Event> r;
  for (const SDL_Event& e : vecie[k].notikumi)
    if (!Pasa(e) && !Rok(e)) r.push_back(e);
  return r;
}

void Sekotajs::SkatsNo(size_t k) {
  merka_x = pedas[k].sakx;
  merka_y = pedas[k].saky;
}

void Sekotajs::Aizvert() {
  // The left release over the button closes the panel, and ends a walk with it.
  Skats(false);
  // The panel opens away from the digger, so its button is wherever it was placed; and it
  // takes no click in its first moments, so the pointer waits on the button till then.
  const SDL_Rect& r = mainmenu->bt_close.rect;
  const int x = r.x + r.w / 2, y = r.y + r.h / 2;
  while (!Beidzies() && Ekrans() == EKRANS_ZINJA && mainmenu->PanelisGaida(ierices.Tagad()))
    Spert(x, y, c.kustiba != 0, {}, 0);
  Spert(x, y, c.kustiba != 0, {Poga(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT)}, 0);
  panelji++;
}

void Sekotajs::Panakt(size_t k) {
  const float x = pedas[k].x, y = pedas[k].y;
  SkatsNo(k);
  float labakais = Attalums(x, y);
  size_t talakais = 0;  // the furthest old place reached on the way
  int bez = 0;
  iesprudis = 0;
  while (!Beidzies()) {
    if (Ekrans() == EKRANS_ZINJA) {
      Aizvert();
      continue;
    }
    const float d = Attalums(x, y);
    if (d <= PIETIEK) return;
    if (bez >= BEZ_GUVUMA || iesprudis >= IESPRUDIS) {
      padosanas++;
      fprintf(zinas, "  frame %d: gave up catching up with old frame %zu, %.1f px short\n",
              Kadrs(), k, d);
      return;
    }
    // Along the old way, from the nearest old place on it.
    const size_t j = Tuvakais(k > ATPAKAL ? k - ATPAKAL : 0, k, k);
    const Peda& t = pedas[std::min(j + (size_t)prieksa, k)];
    Skats(true);
    int px, py;
    Uz(t.x, t.y, Pagrieziens(), px, py);
    Iet(px, py, {});
    panaksanas++;
    const float jauns = Attalums(x, y);
    if (jauns < labakais - GUVUMS || j > talakais) {
      labakais = std::min(labakais, jauns);
      talakais = std::max(talakais, j);
      bez = 0;
    } else {
      bez++;
    }
  }
}

bool Sekotajs::Temet(size_t k) {
  SkatsNo(k);
  Skats(false);
  int px, py;
  const int virziens = Temejums(k);
  if (!Temeklis(virziens, k, px, py))
    fprintf(zinas, "  frame %d: no pointer turns him to %d degrees exactly\n", Kadrs(), virziens);
  return Spert(px, py, false, Garam(k));
}

int Sekotajs::Temejums(size_t k) const {
  // Right at the old place the old heading; off it, the heading to the spot the old digger
  // aimed at, so that the bite or the charge lands where it did.
  const Peda& p = pedas[k];
  const double dx = p.x - pirmais->pozx, dy = p.y - pirmais->pozy;
  if (hypot(dx, dy) < 0.5) return p.virziens;
  const double v = Radiani(p.virziens);
  const double ax = dx + SNIEDZIENS * cos(v), ay = dy - SNIEDZIENS * sin(v);
  int g = (int)lround(atan2(-ay, ax) * 180.0 / 3.14159265);
  return (g % 360 + 360) % 360;
}

bool Sekotajs::Izmantot(size_t k) {
  SkatsNo(k);
  Skats(false);
  int px, py;
  if (!Parnest(k, px, py)) Virzienaa(pedas[k].virziens, px, py);
  std::vector<SDL_Event> notikumi;
  for (const SDL_Event& e : vecie[k].notikumi)
    if (Rok(e)) notikumi.push_back(e);
  for (const SDL_Event& e : Garam(k)) notikumi.push_back(e);
  return Spert(px, py, pedas[k].kustiba != 0, notikumi);
}

bool Sekotajs::Soma(size_t sakums, size_t beigas) {
  if (sakums > 0) Panakt(sakums - 1);
  for (size_t k = sakums; k < beigas; k++) {
    // A panel in between closes the bag: the visit starts again.
    if (Beidzies() || Ekrans() != 0) return false;
    SkatsNo(k);
    Skats(false);
    if (!Spert(vecie[k].x, vecie[k].y, false, Garam(k), vecie[k].pogas)) return false;
  }
  const unsigned id = pedas[beigas - 1].aktiva;
  if (pirmais->inv2.aktiva_lieta != id && !Beidzies()) {
    fprintf(zinas, "  frame %d: the bag gave item %u, not %u; looking for it\n", Kadrs(),
            pirmais->inv2.aktiva_lieta, id);
    if (!IzveletiesMantu(id))
      fprintf(zinas, "  frame %d: item %u cannot be chosen\n", Kadrs(), id);
  }
  return true;
}

size_t Sekotajs::Tuvakais(size_t no, size_t lidz, size_t ap) const {
  // Of old places about as near as the nearest, the one nearest in time to `ap`: a way
  // walked there and back is walked there and back again, and of a stand behind him the
  // last frame counts.
  float tuvakais = Attalums(pedas[no].x, pedas[no].y);
  for (size_t m = no; m <= lidz; m++)
    tuvakais = std::min(tuvakais, Attalums(pedas[m].x, pedas[m].y));
  size_t j = lidz + 1;
  for (size_t m = no; m <= lidz; m++) {
    if (Attalums(pedas[m].x, pedas[m].y) > tuvakais + VIENADI) continue;
    const size_t sis = m > ap ? m - ap : ap - m;
    if (j > lidz || sis <= (j > ap ? j - ap : ap - j)) j = m;
  }
  return j;
}

bool Sekotajs::Sekot1(size_t k) {
  SkatsNo(k);
  Skats(true);
  int px, py;
  // Where the old digger set out from, the old input does again what it did.
  if (k > 0 && Attalums(pedas[k - 1].x, pedas[k - 1].y) <= tuvums) {
    iesprudis = 0;
    Temeklis(pedas[k].virziens, k, px, py);
    return Spert(px, py, pedas[k].kustiba != 0, Garam(k));
  }
  // Off it, the nearest place of the old way about now: ahead of the old digger he goes
  // there and waits; behind, he heads for the old way a few frames on from there.
  const size_t no = k > ATPAKAL ? k - ATPAKAL : 0;
  const size_t j = Tuvakais(no, std::min(k + LOGS, robeza[k]), k - 1);
  const Peda& t = pedas[j >= k ? j : std::min(j + (size_t)prieksa, robeza[k])];
  if (Attalums(t.x, t.y) <= STAVET) {
    iesprudis = 0;
    Virzienaa(pirmais->virziens, px, py);
    return Spert(px, py, false, Garam(k));
  }
  if (iesprudis >= APKART_N) return Atrakties(t.x, t.y, Garam(k));
  Uz(t.x, t.y, Pagrieziens(), px, py);
  return Iet(px, py, Garam(k));
}

bool Sekotajs::Atrakties(float x, float y, const std::vector<SDL_Event>& notikumi) {
  // Wedged where no heading moves him (a slide can end in rock): he turns to the way and
  // bites, with the spade when no tool is in hand, and takes up again what he held.
  iesprudis = 0;
  atrakumi++;
  fprintf(zinas, "  frame %d: wedged; digging towards the old way\n", Kadrs());
  int px, py;
  Uz(x, y, 0, px, py);
  const bool notika = Spert(px, py, false, notikumi);
  if (!notika || Beidzies()) return notika;
  const unsigned bija = pirmais->inv2.aktiva_lieta;
  const bool riks = bija >= 1 && bija <= 3;
  if (!riks) {
    // The bag's pointer turned him away.
    if (!IzveletiesMantu(1)) return true;
    Skats(false);
    Uz(x, y, 0, px, py);
    if (!Spert(px, py, false, {})) return true;
  }
  Skats(false);
  Uz(x, y, 0, px, py);
  Spert(px, py, false, {Poga(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)});
  if (!riks && bija != 0) IzveletiesMantu(bija);
  return true;
}

int Sekotajs::Pagrieziens() const {
  // Stuck, the turn that freed him last is tried first.
  if (iesprudis == 0) return 0;
  if (iesprudis == 1 && atbrivoja != 0) return atbrivoja;
  return APKART[iesprudis % APKART_N];
}

bool Sekotajs::Iet(int px, int py, const std::vector<SDL_Event>& notikumi) {
  const float x = pirmais->pozx, y = pirmais->pozy;
  const int pagrieziens = Pagrieziens();
  const bool notika = Spert(px, py, true, notikumi);
  if (notika && x == pirmais->pozx && y == pirmais->pozy) {
    iesprudis++;
  } else {
    if (iesprudis > 0) atbrivoja = pagrieziens;
    iesprudis = 0;
  }
  return notika;
}

void Sekotajs::Pabeigt() {
  const size_t k = pedas.size() - 1;
  // A digger behind the old one still has the old way to walk to its end.
  Panakt(k);
  if (Beidzies()) return;
  SkatsNo(k);
  // An old digger still walking at the end reached the exit only just: the way goes on
  // past his last place in his last step's direction.
  size_t m = k;
  while (m > 0 && m + 4 > k && pedas[m].x == pedas[m - 1].x && pedas[m].y == pedas[m - 1].y)
    m--;
  float vx = 0, vy = 0;
  if (m > 0 && m + 4 > k) {
    vx = pedas[m].x - pedas[m - 1].x;
    vy = pedas[m].y - pedas[m - 1].y;
  }
  for (int n = 0; n < GALA_KADRI && !Beidzies(); n++) {
    if (Ekrans() == EKRANS_ZINJA) {
      Aizvert();
      continue;
    }
    Skats(true);
    int px, py;
    const float x = pedas[k].x + vx * (n + prieksa), y = pedas[k].y + vy * (n + prieksa);
    const bool iet = Attalums(x, y) > GALA;
    if (iet)
      Uz(x, y, 0, px, py);
    else
      Virzienaa(pirmais->virziens, px, py);
    Spert(px, py, iet, {});
  }
  if (Beidzies()) return;
  char teksts[200];
  snprintf(teksts, sizeof(teksts),
           "the old run ends at its frame %zu; %d frames on, at frame %d, the digger is %.1f px "
           "from its last place and %zu control points are left",
           k, GALA_KADRI, atskanotajs.kadrs, Attalums(pedas[k].x, pedas[k].y),
           c.paku_mgr->kontrolpunkti.size());
  kluda = teksts;
}

bool Sekotajs::Sekot() {
  SagatavotVecos();
  fprintf(izeja, "delvorn-run 1\n# Written by delvorn-follow from %s.\nlevel %s\nclock %u\n",
          veca_vards.c_str(), vecais.limenis.c_str(), (unsigned)vecais.pulkstenis);
  Ieraksts tukss;
  tukss.limenis = vecais.limenis;
  tukss.pulkstenis = vecais.pulkstenis;
  SaktSkrejienu(c, tukss);
  const size_t n = pedas.size();
  size_t i = 0;
  while (!Beidzies()) {
    if (Ekrans() == EKRANS_ZINJA) {
      Aizvert();
      continue;
    }
    if (i >= n) {
      Pabeigt();
      continue;
    }
    if (Izlaist(i)) {
      i++;
      continue;
    }
    if (SomasKadrs(i)) {
      size_t j = i;
      while (j < n && SomasKadrs(j)) j++;
      if (Soma(i, j)) i = j;
      continue;
    }
    // A use of an item at frame e: the frame before it is the aim, taken in its time when
    // the follow has just reached it, added otherwise.
    const size_t e = Notikums(i) ? i : i + 1 < n && Notikums(i + 1) ? i + 1 : n;
    if (e < n && e > 0) {
      const size_t k = e - 1;
      Panakt(k);
      if (Beidzies() || Ekrans() != 0) continue;
      if (e == i + 1 || pirmais->virziens != Temejums(k)) {
        if (e == i) liekie_temejumi++;
        if (!Temet(k)) continue;
      }
      i = e;
      if (Izmantot(e)) i = e + 1;
      continue;
    }
    if (Sekot1(i)) i++;
  }
  // A run that fails stops walking where the follower stopped, so that its replay ends there.
  if (!uzvareja && c.kustiba) {
    IerakstaRinda r = {};
    r.kadrs = (unsigned)Kadrs();
    r.veids = IerakstaRinda::NOTIKUMS;
    r.notikums = Poga(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    Rinda(r);
  }
  atskanotajs.Beigt();
  return uzvareja;
}
