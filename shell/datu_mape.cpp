// The data folder lookup shared by the start-up and --help.
#include "shell/datu_mape.h"

#include <sys/stat.h>

#include <vector>

#ifndef DELVORN_DATU_CELS
#define DELVORN_DATU_CELS "../share/games/delvorn"
#endif

const char* const DATU_CELS_NO_PROGRAMMAS = DELVORN_DATU_CELS;

namespace {

bool Ir(const std::string& cels, unsigned tips) {
  struct stat st;
  return stat(cels.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == tips;
}

// "a/b/../c" becomes "a/c": the program's folder has its links resolved already.
std::string BezAtpakalSoliem(const std::string& cels) {
  std::vector<std::string> dalas;
  size_t i = 0;
  while (i <= cels.size()) {
    size_t j = cels.find('/', i);
    if (j == std::string::npos) j = cels.size();
    std::string d = cels.substr(i, j - i);
    bool sakne = !dalas.empty() && dalas.back().empty();  // only the leading "" is empty
    if (d == "..") {
      if (dalas.empty() || dalas.back() == "..") dalas.push_back(d);
      else if (!sakne) dalas.pop_back();  // the root's parent is the root
    } else if (d != "." && !(d.empty() && !dalas.empty())) {
      dalas.push_back(d);
    }
    i = j + 1;
  }
  std::string r;
  for (size_t k = 0; k < dalas.size(); k++) r += (k ? "/" : "") + dalas[k];
  if (r.empty()) return cels.empty() || cels[0] != '/' ? "." : "/";
  return r;
}

}  // namespace

bool IrDatuMape(const std::string& mape) {
  return Ir(mape + "/dustismo_bold.ttf", S_IFREG) && Ir(mape + "/map", S_IFDIR);
}

std::string AtrastDatuMapi(const std::string& programmasMape) {
  if (IrDatuMape(".")) return ".";
  if (programmasMape.empty()) return "";
  if (IrDatuMape(programmasMape)) return programmasMape;
  std::string uzstadita = BezAtpakalSoliem(programmasMape + "/" + DATU_CELS_NO_PROGRAMMAS);
  if (IrDatuMape(uzstadita)) return uzstadita;
  return "";
}
