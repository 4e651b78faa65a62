// delvorn-follow: records a level's winning run again after a change to the digger's
// movement. First of all it writes the trace of an old run: the state after every frame.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/ieraksts.h"
#include "shell/platforma.h"
#include "shell/spele.h"
#include "tools/runs/pedas.h"

namespace {

const char USAGE[] = "usage: delvorn-follow --trace RUN OUT.trace (--help for more)";

const char HELP[] =
    "usage: delvorn-follow --trace RUN OUT.trace\n"
    "\n"
    "  --trace RUN OUT.trace   replays RUN and writes the state after every frame, one line a\n"
    "                          frame: f pozx pozy virziens sak.x sak.y screen_before\n"
    "                          screen_after kustiba bag_open active_item darbiba\n"
    "                          bomb_fuse_left health battery_ms (the fuse -1 with no bomb).\n"
    "\n"
    "Paths inside a run are taken from the game's folder; this tool moves there (the folder it\n"
    "lives in) when its data is not in the working directory. Without a display set\n"
    "SDL_VIDEODRIVER=dummy. Exit status 0 when the trace is written, 1 on an error, 2 for bad\n"
    "usage.\n";

FILE* izeja = stdout;  // this tool's own lines; the game's chatter goes nowhere

std::string NoSakuma(const std::string& cels) {
  std::error_code kluda;
  std::filesystem::path p = std::filesystem::absolute(cels, kluda);
  return kluda ? cels : p.string();
}

bool Lasit(const std::string& cels, Ieraksts& ieraksts) {
  std::string kluda;
  if (LasitIerakstu(cels, ieraksts, kluda)) return true;
  fprintf(stderr, "delvorn-follow: %s\n", kluda.c_str());
  return false;
}

int Izsekot(const std::string& skrejiens, const std::string& pedas) {
  Ieraksts ieraksts;
  if (!Lasit(skrejiens, ieraksts)) return 1;
  FILE* f = fopen(pedas.c_str(), "w");
  if (!f) {
    fprintf(stderr, "delvorn-follow: %s cannot be written: %s\n", pedas.c_str(), strerror(errno));
    return 1;
  }
  SpelesCikls c;
  SaktSkrejienu(c, ieraksts);
  // As long as the test suite gives a run.
  const unsigned pedeja = ieraksts.rindas.empty() ? 0 : ieraksts.rindas.back().kadrs;
  for (unsigned kadrs = 0; c.done == 0 && Ekrans() != 4 && kadrs <= pedeja + 250; kadrs++) {
    const unsigned pirms = Ekrans();
    Kadrs(c);
    RakstitPedu(f, TagadejaPeda(c, (int)kadrs, pirms));
  }
  atskanotajs.Beigt();
  const bool ok = fclose(f) == 0;
  // A signal reaches the game as a quit, which would leave the trace short.
  if (c.done)
    fprintf(stderr, "delvorn-follow: the game was told to quit at frame %d\n", atskanotajs.kadrs);
  return ok && !c.done ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--help") {
    fputs(HELP, stdout);
    return 0;
  }
  if (args.size() != 3 || args[0] != "--trace") {
    fprintf(stderr, "%s\n", USAGE);
    return 2;
  }
  args.erase(args.begin());
  for (std::string& a : args) a = NoSakuma(a);
  UzSavuMapi(argv[0]);

  // The game writes its banner and notes on standard output.
  fflush(stdout);
  const int savs = dup(STDOUT_FILENO);
  const int nekur = open("/dev/null", O_WRONLY);
  if (savs >= 0 && nekur >= 0) {
    dup2(nekur, STDOUT_FILENO);
    izeja = fdopen(savs, "w");
  }
  if (nekur >= 0) close(nekur);

  const int statuss = Izsekot(args[0], args[1]);
  fflush(izeja);
  return statuss;
}
