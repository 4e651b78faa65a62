// delvorn-cfg: shows level authors how the game reads a configuration file.
//
// The file is read exactly as the game reads it (CFGDocument::ReadFile); the tool only adds a
// reason on standard error when that read fails.
#include <iostream>
#include <sstream>
#include <string>

#include "config/CFGDocument.h"
#include "config/CFGIemesls.h"
#include "level/parbaude.h"
#include "shell/platforma.h"

#include <SDL.h>
#include <filesystem>
#include <vector>

// A console program with its own entry: SDL's windowed start-up would send its report to files.
#undef main

namespace {

const char USAGE[] =
    "usage: delvorn-cfg [--generate] FILE | --check LEVEL... | --preview LEVEL OUT.bmp "
    "(--help for more)";

const char HELP[] =
    "usage: delvorn-cfg [--generate] FILE\n"
    "       delvorn-cfg --check LEVEL...\n"
    "       delvorn-cfg --preview LEVEL OUT.bmp\n"
    "\n"
    "Reads the configuration file FILE (a level file, for instance) the way the game reads it.\n"
    "\n"
    "  delvorn-cfg FILE             prints the tree the game sees, one node per line:\n"
    "                               \"node: NAME\" or \"node: NAME, value: VALUE\", one space of\n"
    "                               indentation per level; the first line is \"node: Document\".\n"
    "  delvorn-cfg --generate FILE  prints the tree written back as configuration text instead.\n"
    "  delvorn-cfg --check LEVEL... checks level files the way the game loads them: one line\n"
    "                               \"LEVEL: problem\" each (\"LEVEL: warning: ...\" for what\n"
    "                               may be meant), \"LEVEL: ok\" when there is nothing to say.\n"
    "                               Exit status 1 when any level has an error.\n"
    "  delvorn-cfg --preview LEVEL OUT.bmp  writes a picture of the whole field as the game\n"
    "                               shows it, with the objects, the digger's start, chasm\n"
    "                               regions, poison and radiation marked, and a legend.\n"
    "  delvorn-cfg --help           prints this text.\n"
    "\n"
    "Paths inside a level are taken from the game's folder, as the game takes them; this tool\n"
    "moves there (the folder it lives in) when its data is not in the working directory.\n"
    "\n"
    "Exit status 0 when the file was read and parsed. When it was not, standard output holds only\n"
    "what the reader itself printed (\"scope err\" when the braces do not balance), standard error\n"
    "one line saying why (the file is missing or unreadable, is empty, its { and } do not balance,\n"
    "or a } closes the top level), and the exit status is 1. Bad usage gives exit status 2.\n";

int Fail(const std::string& path, const std::string& reason) {
  std::cerr << "delvorn-cfg: " << path << " could not be read or parsed: " << reason << std::endl;
  return 1;
}

// Level paths the author typed stay found after the tool moves to the game's folder.
std::string NoSakuma(const std::string& cels) {
  std::error_code kluda;
  std::filesystem::path p = std::filesystem::absolute(cels, kluda);
  return kluda ? cels : p.string();
}

int Preview(const std::string& limenis, const std::string& izeja) {
  std::string kluda;
  SDL_Surface* s = LimenaPrieksskats(limenis, kluda);
  if (!s) {
    std::cerr << "delvorn-cfg: " << limenis << ": no preview: " << kluda << std::endl;
    return 1;
  }
  const bool ok = SDL_SaveBMP(s, izeja.c_str()) == 0;
  SDL_FreeSurface(s);
  if (!ok) {
    std::cerr << "delvorn-cfg: " << izeja << " cannot be written: " << SDL_GetError() << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::string(argv[1]) == "--check" || std::string(argv[1]) == "--preview")) {
    std::vector<std::string> args(argv + 2, argv + argc);
    const bool check = std::string(argv[1]) == "--check";
    if ((check && args.empty()) || (!check && args.size() != 2)) {
      std::cerr << USAGE << std::endl;
      return 2;
    }
    for (std::string& a : args) a = NoSakuma(a);
    std::vector<std::string> vardi(argv + 2, argv + argc);
    UzSavuMapi(argv[0]);
    if (check) {
      // Lines name the files as the author typed them.
      int statuss = 0;
      for (size_t i = 0; i < args.size(); i++) {
        const std::vector<LimenaPiezime> piezimes = ParbauditLimeni(args[i]);
        for (const LimenaPiezime& p : piezimes) {
          std::cout << vardi[i] << ": " << p.teksts << "\n";
          if (p.kluda) statuss = 1;
        }
        if (piezimes.empty()) std::cout << vardi[i] << ": ok\n";
      }
      std::cout.flush();
      return statuss;
    }
    return Preview(args[0], args[1]);
  }
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
