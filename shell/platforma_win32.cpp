// Windows side of the platform contract.
#include <stdio.h>
#include <windows.h>

#include "shell/platforma.h"

// The text also goes to standard error (SDL's stderr.txt), where the other reports are.
void FatalaKluda(const char* teksts) {
  fputs(teksts, stderr);
  fflush(stderr);
  MessageBoxA(NULL, teksts, "Error", MB_OK | MB_ICONSTOP);
}

const char* DispleijaTrukums() { return NULL; }

void UzSavuMapi(const char*) {
  if (GetFileAttributesA("dustismo_bold.ttf") != INVALID_FILE_ATTRIBUTES) return;
  char cels[MAX_PATH];
  DWORD n = GetModuleFileNameA(NULL, cels, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  for (DWORD i = n; i > 0; i--) {
    if (cels[i - 1] == '\\' || cels[i - 1] == '/') {
      cels[i - 1] = 0;
      SetCurrentDirectoryA(cels);
      return;
    }
  }
}

std::string ProgrammasMape() {
  char cels[MAX_PATH];
  DWORD n = GetModuleFileNameA(NULL, cels, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return "";
  for (DWORD i = n; i > 0; i--) {
    if (cels[i - 1] == '\\' || cels[i - 1] == '/') {
      cels[i - 1] = 0;
      return cels;
    }
  }
  return "";
}
