// The launcher's platform-free logic.
#include "launcher/palaidejs.h"

#include "launcher/resource.h"

bool palaisana_pieprasita = false;
bool pilnekrans = false;

std::string KomandrindaSpelei(bool pilnaEkrana) {
  return std::string("bin/delvorn.exe") + (pilnaEkrana ? " 1" : " 0");
}

void DialogaKomanda(Platforma& p, int id) {
  if (id == IDOK) {
    palaisana_pieprasita = true;
    pilnekrans = p.IrAtzimeta(IDC_FULLSCREEN);
    p.SutitIziesanu();
  } else if (id == IDCANCEL) {
    p.SutitIziesanu();
  }
  // The check box toggles itself; its own notifications need nothing here.
}

int Palaidejs(Platforma& p) {
  // Without a dialog the loop would wait forever for a quit that nobody can post.
  if (!p.RaditDialogu()) return 1;
  p.ZinojumuCikls();
  p.BeigtDialogu();
  if (!palaisana_pieprasita) return 0;
  p.SaktProcesu(KomandrindaSpelei(pilnekrans), "bin");
  return 0;
}
