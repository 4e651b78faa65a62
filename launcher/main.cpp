// The launcher's process entry: find the run folder, then run the dialog and start the game.
#include "launcher/palaidejs.h"
#include "launcher/platforma.h"

int main() {
  UzSavuMapi();
  Platforma* p = JaunaPlatforma(nullptr);
  int status = Palaidejs(*p);
  delete p;
  return status;
}
