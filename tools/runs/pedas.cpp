// Trace lines and the headless start.
#include "tools/runs/pedas.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "menu/Menu.h"
#include "shell/globali.h"
#include "shell/ieraksts.h"
#include "shell/spele.h"

Peda TagadejaPeda(const SpelesCikls& c, int kadrs, unsigned ekrans_pirms) {
  Peda p;
  p.kadrs = kadrs;
  p.x = pirmais->pozx;
  p.y = pirmais->pozy;
  p.virziens = pirmais->virziens;
  p.sakx = L1->sak.x;
  p.saky = L1->sak.y;
  p.ekrans_pirms = ekrans_pirms;
  p.ekrans_pec = mainmenu->selected_screen;
  p.kustiba = c.kustiba;
  p.soma = pirmais->inv2.atverts ? 1 : 0;
  p.aktiva = pirmais->inv2.aktiva_lieta;
  p.darbiba = pirmais->darbiba;
  p.degls = L1->Bumbas[0] ? L1->Bumbas[0]->t : -1;
  p.veseliba = pirmais->Veseliba;
  p.baterija = pirmais->baterijas;
  return p;
}

void RakstitPedu(FILE* f, const Peda& p) {
  fprintf(f, "%d %.4f %.4f %d %d %d %u %u %d %d %u %d %d %.2f %d\n", p.kadrs, p.x, p.y,
          p.virziens, p.sakx, p.saky, p.ekrans_pirms, p.ekrans_pec, p.kustiba, p.soma, p.aktiva,
          p.darbiba, p.degls, p.veseliba, p.baterija);
}

bool LasitPedas(const std::string& fails, std::vector<Peda>& pedas, std::string& kluda) {
  std::ifstream in(fails);
  if (!in) {
    kluda = fails + ":0: cannot open it: " + strerror(errno);
    return false;
  }
  pedas.clear();
  std::string rinda;
  int nr = 0;
  while (std::getline(in, rinda)) {
    nr++;
    if (rinda.find_first_not_of(" \t\r") == std::string::npos) continue;
    Peda p;
    char lieks = 0;
    const int n = sscanf(rinda.c_str(), "%d %f %f %d %d %d %u %u %d %d %u %d %d %f %d %c",
                         &p.kadrs, &p.x, &p.y, &p.virziens, &p.sakx, &p.saky, &p.ekrans_pirms,
                         &p.ekrans_pec, &p.kustiba, &p.soma, &p.aktiva, &p.darbiba, &p.degls,
                         &p.veseliba, &p.baterija, &lieks);
    if (n != 15) {
      kluda = fails + ":" + std::to_string(nr) + ": a trace line has 15 numbers";
      return false;
    }
    // The follower indexes frames by line.
    if (p.kadrs != (int)pedas.size()) {
      kluda = fails + ":" + std::to_string(nr) + ": frame " + std::to_string(pedas.size()) +
              " expected";
      return false;
    }
    pedas.push_back(p);
  }
  if (pedas.empty()) {
    kluda = fails + ":0: the trace is empty";
    return false;
  }
  return true;
}

void SaktSkrejienu(SpelesCikls& c, const Ieraksts& ieraksts) {
  static char nosaukums[] = "delvorn", logs[] = "0";
  std::vector<char> limenis(ieraksts.limenis.begin(), ieraksts.limenis.end());
  limenis.push_back(0);
  char* argv[] = {nosaukums, logs, limenis.data(), NULL};
  fflush(stdout);
  Sakt(c, 3, argv);
  fflush(stdout);
  atskanotajs.SaktAtskanot(ieraksts, false);
}
