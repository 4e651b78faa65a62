// What touching an object does to the digger, by the object's class number.
#include "digger/racejs.h"
#include "menu/Menu.h"
#include "objects/PakuMgr.h"
#include "shell/globali.h"

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
    mgr->DzestPaku(paka);
  } else if (klase == KLASE_VESELIBA) {
    if (pirmais->Veseliba >= 100.0f) return;
    const float jauna = pirmais->Veseliba + (float)paka->vertiba;
    pirmais->Veseliba = jauna > 100.0f ? 100.0f : jauna;
    mgr->DzestPaku(paka);
  } else if (klase == KLASE_IZEJA) {
    if (mainmenu->selected_screen != 0 || !mgr->kontrolpunkti.empty()) return;
    if (!paka->zinja.empty()) mainmenu->text = paka->zinja;
    mainmenu->action = 0;
    mainmenu->selected_screen = EKRANS_UZVARA;
    mgr->DzestPaku(paka);
  } else if (klase == KLASE_KONTROLPUNKTS) {
    if (mainmenu->selected_screen != 0) return;
    if (!paka->zinja.empty()) RaditZinju(paka->zinja, EKRANS_ZINJA);
    mgr->DzestPaku(paka);
  } else if (klase == KLASE_BATERIJA) {
    // Seconds to milliseconds in wrapping 32-bit arithmetic, as the field holds them.
    const uint32_t ms = paka->vertiba * 1000u;
    pirmais->baterijas = (int)ms;
    pirmais->baterijas_laiks = ms;
    const std::string zinja = paka->zinja;
    mgr->DzestPaku(paka);
    if (!zinja.empty()) RaditZinju(zinja, EKRANS_ZINJA);
  }
}
