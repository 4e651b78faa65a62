// The launcher's platform layer on Windows: the dialog of template 101, its message loop and
// CreateProcessA, plus the program entry WinMain.
#include <windows.h>

#include <string>
#include <vector>

#include "launcher/palaidejs.h"
#include "launcher/platforma.h"
#include "launcher/resource.h"

namespace {

class Win32Dialogs;
Win32Dialogs* aktivais = nullptr;  // the one dialog, for the dialog procedure

INT_PTR CALLBACK DialogaProcedura(HWND, UINT zinojums, WPARAM w, LPARAM);

class Win32Dialogs : public Platforma {
 public:
  HINSTANCE instance;
  HWND logs = nullptr;

  explicit Win32Dialogs(HINSTANCE i) : instance(i) {}

  bool RaditDialogu() override {
    aktivais = this;
    logs = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_LAUNCHER), nullptr, DialogaProcedura, 0);
    if (!logs) return false;
    ShowWindow(logs, SW_SHOWNORMAL);
    return true;
  }

  void ZinojumuCikls() override {
    MSG zinojums;
    // GetMessageA gives -1 on failure: stop then too rather than spin.
    while (GetMessageA(&zinojums, nullptr, 0, 0) > 0) {
      if (!IsDialogMessageA(logs, &zinojums)) {
        TranslateMessage(&zinojums);
        DispatchMessageA(&zinojums);
      }
    }
  }

  bool IrAtzimeta(int id) override { return IsDlgButtonChecked(logs, id) == BST_CHECKED; }

  void SutitIziesanu() override { PostQuitMessage(0); }

  void BeigtDialogu() override { EndDialog(logs, 0); }

  void SaktProcesu(const std::string& rinda, const std::string& mape) override {
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> komanda(rinda.begin(), rinda.end());
    komanda.push_back(0);
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;  // 68 on 32-bit Windows; a 64-bit build needs its own size
    PROCESS_INFORMATION pi;
    ZeroMemory(&pi, sizeof pi);
    // The handles are left to the end of the process, which is at hand.
    CreateProcessA(nullptr, komanda.data(), nullptr, nullptr, FALSE, 0, nullptr, mape.c_str(),
                   &si, &pi);
  }
};

INT_PTR CALLBACK DialogaProcedura(HWND, UINT zinojums, WPARAM w, LPARAM) {
  if (zinojums == WM_COMMAND && aktivais) DialogaKomanda(*aktivais, LOWORD(w));
  return FALSE;  // everything else, WM_INITDIALOG too, to the default dialog handling
}

}  // namespace

Platforma* JaunaPlatforma(void* instance) {
  HINSTANCE i = instance ? (HINSTANCE)instance : GetModuleHandleA(nullptr);
  return new Win32Dialogs(i);
}

void UzSavuMapi() {
  DWORD a = GetFileAttributesA("bin");
  if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY)) return;
  char cels[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, cels, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  for (DWORD i = n; i > 0; i--) {
    if (cels[i - 1] == '\\' || cels[i - 1] == '/') {
      cels[i - 1] = 0;
      SetCurrentDirectoryA(cels);
      return;
    }
  }
}

// The Windows entry; only the instance handle is used. Builds that bring launcher/main.cpp
// enter there instead, and the instance comes from GetModuleHandleA.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  UzSavuMapi();
  Platforma* p = JaunaPlatforma(instance);
  int status = Palaidejs(*p);
  delete p;
  return status;
}
