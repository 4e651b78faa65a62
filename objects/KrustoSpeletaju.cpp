// What touching an object does to the digger.
#include "objects/PakuMgr.h"

void KrustoSpeletaju(PakuMenedzeris::Pk* paka, PakuMenedzeris* mgr) {
  // Touching changes nothing yet: the contact rules land with the digger's health and the
  // main screen, which they act on.
  (void)paka;
  (void)mgr;
}
