// POSIX side of the platform contract: standard error, and a desktop dialog when one can
// be shown (a display is set, the video driver is a real one, zenity or xmessage exists).
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "shell/datu_mape.h"
#include "shell/platforma.h"

extern char** environ;

namespace {

bool IrProgramma(const std::string& vards, std::string& cels) {
  const char* path = getenv("PATH");
  std::string visi = path ? path : "/usr/bin:/bin";
  size_t sak = 0;
  while (sak <= visi.size()) {
    size_t beigas = visi.find(':', sak);
    if (beigas == std::string::npos) beigas = visi.size();
    std::string kandidats = visi.substr(sak, beigas - sak) + "/" + vards;
    if (beigas > sak && access(kandidats.c_str(), X_OK) == 0) {
      cels = kandidats;
      return true;
    }
    sak = beigas + 1;
  }
  return false;
}

bool VarRaditLogu() {
  const char* displejs = getenv("DISPLAY");
  if (!displejs || !*displejs) return false;
  const char* draiveris = getenv("SDL_VIDEODRIVER");
  return !draiveris || !*draiveris || strcmp(draiveris, "x11") == 0;
}

void Izpildit(const std::string& programma, const char* const* argumenti) {
  pid_t pid;
  if (posix_spawn(&pid, programma.c_str(), NULL, NULL, (char* const*)argumenti, environ) != 0)
    return;
  int statuss;
  while (waitpid(pid, &statuss, 0) < 0) {
  }
}

}  // namespace

void FatalaKluda(const char* teksts) {
  fputs(teksts, stderr);
  if (teksts[0] && teksts[strlen(teksts) - 1] != '\n') fputc('\n', stderr);
  fflush(stderr);
  if (!VarRaditLogu()) return;
  std::string cels;
  if (IrProgramma("zenity", cels)) {
    std::string teksta_arg = std::string("--text=") + teksts;
    const char* arg[] = {"zenity", "--error", "--title=Error", teksta_arg.c_str(), NULL};
    Izpildit(cels, arg);
  } else if (IrProgramma("xmessage", cels)) {
    const char* arg[] = {"xmessage", "-center", "-title", "Error", "-buttons", "OK", teksts, NULL};
    Izpildit(cels, arg);
  }
}

const char* DispleijaTrukums() {
  const char* draiveris = getenv("SDL_VIDEODRIVER");
  const char* displejs = getenv("DISPLAY");
  if ((draiveris && *draiveris) || (displejs && *displejs)) return NULL;
  return "no display found (set DISPLAY, or SDL_VIDEODRIVER=dummy to run without one)";
}

std::string ProgrammasMape() {
  char cels[4096];
  ssize_t n = readlink("/proc/self/exe", cels, sizeof(cels) - 1);
  if (n <= 0) return "";
  cels[n] = 0;
  char* slipsvitra = strrchr(cels, '/');
  if (!slipsvitra) return "";
  *slipsvitra = 0;
  return cels[0] ? cels : "/";
}

void UzSavuMapi(const char*) {
  std::string programma = ProgrammasMape();
  std::string dati = AtrastDatuMapi(programma);
  if (dati == ".") return;
  if (dati.empty()) {
    // Nothing complete anywhere: an installed data folder lets the font error name the
    // missing file; otherwise the program's folder, as a run folder would have it.
    struct stat st;
    std::string uzstadita = programma + "/" + DATU_CELS_NO_PROGRAMMAS;
    bool ir = !programma.empty() && stat(uzstadita.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    dati = ir ? uzstadita : programma;
  }
  if (!dati.empty() && chdir(dati.c_str()) != 0) perror(dati.c_str());
}
