// The launcher's whole contract with the windowing system and process creation.
// One implementation per platform: platforma_win32.cpp calls Win32, platforma_posix.cpp
// draws the same dialog with SDL and starts the game with POSIX calls.
#ifndef DELVORN_LAUNCHER_PLATFORMA_H
#define DELVORN_LAUNCHER_PLATFORMA_H

#include <string>

class Platforma {
 public:
  virtual ~Platforma() {}
  // Creates the dialog from template IDD_LAUNCHER and shows it; false (after one line on
  // standard error where the platform has one) when it cannot be shown.
  virtual bool RaditDialogu() = 0;
  // Runs the message loop with the dialog's keyboard handling until the quit message; every
  // command of the dialog reaches DialogaKomanda on the way.
  virtual void ZinojumuCikls() = 0;
  // Whether check box `id` is checked now.
  virtual bool IrAtzimeta(int id) = 0;
  // Posts the quit message (code 0): the loop ends after the current message.
  virtual void SutitIziesanu() = 0;
  // Ends the dialog (result 0) and closes its window.
  virtual void BeigtDialogu() = 0;
  // Starts `rinda` (program, then its arguments) in folder `mape` and returns at once.
  // Failure is silent: nothing to tell the player but a launcher that goes away.
  virtual void SaktProcesu(const std::string& rinda, const std::string& mape) = 0;
};

// The platform's implementation; `instance` is the Win32 module handle (may be null).
Platforma* JaunaPlatforma(void* instance);

// When the working directory is not a run folder (no bin folder, or not the launcher's
// own data beside it), moves to the program's own folder, so that
// the launcher runs from anywhere.
void UzSavuMapi();

#endif
