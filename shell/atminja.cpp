// Keeping the player's progress through the play flow.
#include "shell/atminja.h"

#include <stdio.h>

#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/logs.h"

Progress progress;
std::string progresa_fails;

void IeladetProgresu() {
  progresa_fails = ProgressFile();
  if (progresa_fails.empty()) {
    fprintf(stderr, "delvorn: no HOME or XDG_DATA_HOME: progress is not saved\n");
    return;
  }
  std::string zinja;
  // A file that can be neither read nor set aside is left as it is: nothing is saved over it.
  if (!LoadProgress(progresa_fails, progress, zinja)) progresa_fails.clear();
  if (!zinja.empty()) fprintf(stderr, "%s\n", zinja.c_str());
}

void SaglabatProgresu() {
  static bool teikts = false;
  if (progresa_fails.empty()) return;
  std::string zinja;
  if (SaveProgress(progresa_fails, progress, zinja) || teikts) return;
  teikts = true;  // a read-only folder would say it after every level
  fprintf(stderr, "%s\n", zinja.c_str());
}

void LimenisUzvarets() {
  progress.RecordWin(limenis, ierices.Tagad() - limenja_sakums);
  SaglabatProgresu();
}

void IeveerotLogu() {
  progress.fullscreen = logs.pilns;
  SaglabatProgresu();
}
