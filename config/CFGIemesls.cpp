// Reasons for refused configuration files, shared by the game and the level tools.
#include "config/CFGIemesls.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>

#include "config/CFGDocument.h"

std::string CFGFailaKluda(const std::string& cels) {
  // A pipe or a device would block the open or never end; a folder fails its read below.
  struct stat st;
  if (stat(cels.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
    return "it is not a plain file (a device, a pipe or a socket)";
  errno = 0;
  FILE* f = std::fopen(cels.c_str(), "r");
  if (f == nullptr) return std::string("cannot open it: ") + std::strerror(errno);
  std::string iemesls;
  long izmers = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) izmers = std::ftell(f);
  if (izmers < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
    iemesls = "its size cannot be determined (not a regular file)";
  } else if (izmers == 0) {
    iemesls = "the file is empty";
  } else {
    char gabals[65536];
    errno = 0;
    while (std::fread(gabals, 1, sizeof(gabals), f) > 0) {
    }
    if (std::ferror(f)) iemesls = std::string("cannot read it: ") + std::strerror(errno);
  }
  std::fclose(f);
  return iemesls;
}

std::string CFGParsesKluda(const std::string& cels, const std::string& izvade) {
  const std::string agri = CFGFailaKluda(cels);
  if (!agri.empty()) return agri;
  if (izvade.find("scope err") != std::string::npos)
    return "its { and } do not balance (comments excluded, quotes included)";
  return "a } closes the top level before the end of the file";
}

bool CFGLasitKlusi(CFGDocument& doc, const std::string& cels, std::string& kluda) {
  std::ostringstream teica;
  std::streambuf* izeja = std::cout.rdbuf(teica.rdbuf());
  const bool izdevas = doc.ReadFile(cels);
  std::cout.rdbuf(izeja);
  if (!izdevas) kluda = CFGParsesKluda(cels, teica.str());
  return izdevas;
}
