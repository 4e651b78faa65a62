// What touching an object does to the digger, by the object's class number.
#include <algorithm>

#include "digger/racejs.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "shell/atminja.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/skana.h"

namespace {

const unsigned KLASE_VESELIBA = 20;
const unsigned KLASE_IZEJA = 30;
const unsigned KLASE_KONTROLPUNKTS = 31;
const unsigned KLASE_BATERIJA = 32;
const unsigned EKRANS_ZINJA = 3;
const unsigned EKRANS_UZVARA = 4;

void RaditZinju(const std::string& zinja, unsigned ekrans) {
  mainmenu->text = zinja;
  mainmenu->action = 0;
  mainmenu->selected_screen = ekrans;
}

}  // namespace

void KrustoSpeletaju(PakuMenedzeris::Pk* paka, PakuMenedzeris* mgr) {
  if (!paka || !mgr || !pirmais || !mainmenu) return;
  const unsigned klase = paka->klasses_id;
  if (klase >= 4 && klase <= 10) {  // explosives: the item whose ID is the class
    pirmais->inv2.IevietotLietu(klase, (int)paka->vertiba, false);
    Skanet(SK_PACELT);
    mgr->DzestPaku(paka);
  } else if (klase == KLASE_VESELIBA) {
    if (pirmais->Veseliba >= 100.0f) {
      TeiktVesels();
      return;
    }
    const float jauna = pirmais->Veseliba + (float)paka->vertiba;
    pirmais->Veseliba = jauna > 100.0f ? 100.0f : jauna;
    Skanet(SK_APTIEKA);
    mgr->DzestPaku(paka);
  } else if (klase == KLASE_IZEJA) {
    if (mainmenu->selected_screen != 0 || !mgr->kontrolpunkti.empty()) return;
    if (!paka->zinja.empty()) mainmenu->text = paka->zinja;
    mainmenu->action = 0;
    mainmenu->selected_screen = EKRANS_UZVARA;
    LimenisUzvarets();
    Skanet(SK_UZVARA);
    mgr->DzestPaku(paka);
  } else if (klase == KLASE_KONTROLPUNKTS) {
    if (mainmenu->selected_screen != 0) return;
    std::string zinja = paka->zinja;
    mgr->DzestPaku(paka);
    Skanet(SK_KONTROLPUNKTS);
    if (zinja.empty()) {
      // A point taken in silence leaves the player unsure that it counted.
      // Points added by hand, not loaded, still count.
      const unsigned palika = (unsigned)mgr->kontrolpunkti.size();
      const unsigned kopa = std::max(mgr->kontrolpunktu_kopa, palika + 1);
      const unsigned panemti = kopa - palika;
      zinja = "Kontrolpunkts " + std::to_string(panemti) + " / " + std::to_string(kopa);
    }
    RaditZinju(zinja, EKRANS_ZINJA);
  } else if (klase == KLASE_BATERIJA) {
    // Seconds to milliseconds in wrapping 32-bit arithmetic, as the field holds them.
    const uint32_t ms = paka->vertiba * 1000u;
    pirmais->baterijas = (int)ms;
    pirmais->baterijas_laiks = ms;
    Skanet(SK_BATERIJA);
    const std::string zinja = paka->zinja;
    mgr->DzestPaku(paka);
    if (!zinja.empty()) RaditZinju(zinja, EKRANS_ZINJA);
  }
}
