// delvorn-cfg: shows level authors how the game reads a configuration file.
//
// The file is read exactly as the game reads it (CFGDocument::ReadFile); the tool only adds a
// reason on standard error when that read fails.
#include <iostream>
#include <sstream>
#include <string>

#include "config/CFGDocument.h"
#include "config/CFGIemesls.h"

namespace {

const char USAGE[] = "usage: delvorn-cfg [--generate] FILE   (delvorn-cfg --help for more)";

const char HELP[] =
    "usage: delvorn-cfg [--generate] FILE\n"
    "\n"
    "Reads the configuration file FILE (a level file, for instance) the way the game reads it.\n"
    "\n"
    "  delvorn-cfg FILE             prints the tree the game sees, one node per line:\n"
    "                               \"node: NAME\" or \"node: NAME, value: VALUE\", one space of\n"
    "                               indentation per level; the first line is \"node: Document\".\n"
    "  delvorn-cfg --generate FILE  prints the tree written back as configuration text instead.\n"
    "  delvorn-cfg --help           prints this text.\n"
    "\n"
    "Exit status 0 when the file was read and parsed. When it was not, standard output holds only\n"
    "what the reader itself printed (\"scope err\" when the braces do not balance), standard error\n"
    "one line saying why (the file is missing or unreadable, is empty, its { and } do not balance,\n"
    "or a } closes the top level), and the exit status is 1. Bad usage gives exit status 2.\n";

int Fail(const std::string& path, const std::string& reason) {
  std::cerr << "delvorn-cfg: " << path << " could not be read or parsed: " << reason << std::endl;
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  bool generate = false;
  std::string path;
  bool havePath = false;
  bool optionsDone = false;
  for (int a = 1; a < argc; ++a) {
    const std::string arg = argv[a];
    if (!optionsDone && arg == "--help") {
      std::cout << HELP;
      return 0;
    }
    if (!optionsDone && arg == "--generate") {
      generate = true;
    } else if (!optionsDone && arg == "--") {
      optionsDone = true;
    } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
      std::cerr << USAGE << std::endl;
      return 2;
    } else if (!havePath) {
      path = arg;
      havePath = true;
    } else {
      std::cerr << USAGE << std::endl;
      return 2;
    }
  }
  if (!havePath) {
    std::cerr << USAGE << std::endl;
    return 2;
  }

  const std::string early = CFGFailaKluda(path);
  if (!early.empty()) return Fail(path, early);

  // The reader says "scope err" on standard output when the braces do not balance; that line is
  // passed on unchanged and also tells this failure from a } that closes the top level.
  CFGDocument doc;
  std::ostringstream said;
  std::streambuf* out = std::cout.rdbuf(said.rdbuf());
  const bool ok = doc.ReadFile(path);
  std::cout.rdbuf(out);
  std::cout << said.str() << std::flush;
  if (!ok) return Fail(path, CFGParsesKluda(path, said.str()));

  if (generate) {
    std::string text;
    doc.Generate(text);
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    std::cout.flush();
  } else {
    doc.RecursiveDebugOutput(0);
  }
  return 0;
}
