// delvorn-follow: records a level's winning run again after a change to the digger's
// movement, by following the trace of the old run under the movement the game has now.
//
// The follower plays in a child process and the new run is replayed in this one, so that the
// verdict comes from a game started afresh, as the test suite starts it.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "digger/racejs.h"
#include "menu/Menu.h"
#include "shell/gaita.h"
#include "shell/globali.h"
#include "shell/ieraksts.h"
#include "shell/platforma.h"
#include "shell/spele.h"
#include "tools/runs/pedas.h"
#include "tools/runs/sekotajs.h"

namespace {

const char USAGE[] =
    "usage: delvorn-follow [--lookahead N] [--near PX] OLD.run OLD.trace NEW.run | "
    "--trace RUN OUT.trace "
    "(--help for more)";

const char HELP[] =
    "usage: delvorn-follow [--lookahead N] [--near PX] OLD.run OLD.trace NEW.run\n"
    "       delvorn-follow --trace RUN OUT.trace\n"
    "\n"
    "Records a level's winning run again after the digger's movement has changed.\n"
    "\n"
    "  --trace RUN OUT.trace   replays RUN and writes the state after every frame, one line a\n"
    "                          frame: f pozx pozy virziens sak.x sak.y screen_before\n"
    "                          screen_after kustiba bag_open active_item darbiba\n"
    "                          bomb_fuse_left health battery_ms (the fuse -1 with no bomb).\n"
    "                          Make the traces before the movement changes.\n"
    "  OLD.run OLD.trace NEW.run  plays the level again along the old digger's way, under\n"
    "                          the movement the game has now, and writes the input as NEW.run\n"
    "                          (it may be OLD.run itself); then replays NEW.run and prints\n"
    "                          \"NAME: won at frame N, battery left S s of C s, health H\" or\n"
    "                          \"NAME: NOT won (why)\". How it went on the way goes to standard\n"
    "                          error: catch-ups given up, aims that could not be exact.\n"
    "                          A follow that does not win is made again with other settings\n"
    "                          (lookahead 4, 2, 6, 8 with near 2; near 1 and 3 with lookahead\n"
    "                          4); NEW.run keeps the first that wins, or the last tried.\n"
    "  --lookahead N           follows with this one lookahead: how many old frames ahead\n"
    "                          the digger is steered.\n"
    "  --near PX               follows with this one distance: within PX pixels of the place\n"
    "                          the old digger set out from in a frame, that frame's old\n"
    "                          heading and walk are given again; 0 steers all the way.\n"
    "\n"
    "Paths inside a run are taken from the game's folder; this tool moves there (the folder it\n"
    "lives in) when its data is not in the working directory. Without a display set\n"
    "SDL_VIDEODRIVER=dummy. Exit status 0 when the level is won, 1 when not or on an error,\n"
    "2 for bad usage.\n";

FILE* izeja = stdout;  // this tool's own lines; the game's chatter goes nowhere

// How the follower steers: old frames ahead, and how near the old place the old input is
// given again. A follow that fails is tried again with the next; small differences in
// where the digger stands decide whether he gets stuck, so another way of steering often
// gets through.
struct Iestatijums {
  int prieksa;
  float tuvums;
};
const Iestatijums IESTATIJUMI[] = {{4, 2}, {2, 2}, {6, 2}, {8, 2}, {4, 1}, {4, 3}};

std::string Vards(const std::string& limenis) {
  return std::filesystem::path(limenis).stem().string();
}

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

// Replays a run as the test suite does and says whether it wins.
int Spriedums(const std::string& skrejiens) {
  Ieraksts ieraksts;
  if (!Lasit(skrejiens, ieraksts)) return 1;
  const std::string vards = Vards(ieraksts.limenis);
  SpelesCikls c;
  SaktSkrejienu(c, ieraksts);
  const unsigned pedeja = ieraksts.rindas.empty() ? 0 : ieraksts.rindas.back().kadrs;
  for (unsigned kadrs = 0; c.done == 0 && Ekrans() != 4 && Ekrans() != 5 && kadrs <= pedeja + 250;
       kadrs++) {
    Kadrs(c);
  }
  const int kadrs = atskanotajs.kadrs;
  atskanotajs.Beigt();
  if (Ekrans() == 4) {
    fprintf(izeja, "%s: won at frame %d, battery left %.1f s of %u s, health %.1f\n",
            vards.c_str(), kadrs, pirmais->baterijas / 1000.0, pirmais->baterijas_laiks / 1000,
            (double)pirmais->Veseliba);
    return 0;
  }
  if (c.done)
    fprintf(izeja, "%s: NOT won (the game was told to quit at frame %d)\n", vards.c_str(), kadrs);
  else if (Ekrans() == 5)
    fprintf(izeja, "%s: NOT won (lost at frame %d: %s)\n", vards.c_str(), kadrs,
            pirmais->Veseliba <= 0 ? "the digger died" : "the lamp's battery ran out");
  else
    fprintf(izeja, "%s: NOT won (the run's input ends at frame %u; at frame %d the screen is %u)\n",
            vards.c_str(), pedeja, kadrs, Ekrans());
  return 1;
}

// One follow in a child process, writing the new run; true when the follower saw the level
// won.
bool Meginat(Sekotajs& s, const std::string& jaunais, const std::string& vards) {
  fflush(izeja);
  fflush(stderr);
  const pid_t pid = fork();
  if (pid < 0) {
    fprintf(stderr, "delvorn-follow: cannot start the follower: %s\n", strerror(errno));
    return false;
  }
  if (pid == 0) {
    s.izeja = fopen(jaunais.c_str(), "w");
    if (!s.izeja) {
      fprintf(stderr, "delvorn-follow: %s cannot be written: %s\n", jaunais.c_str(),
              strerror(errno));
      exit(1);
    }
    fprintf(stderr, "%s: following %zu old frames, %d ahead, the old input within %g px\n",
            vards.c_str(), s.pedas.size(), s.prieksa, (double)s.tuvums);
    const bool uzvareja = s.Sekot();
    const bool ierakstits = fclose(s.izeja) == 0;
    fprintf(stderr,
            "%s: %d frames written; %d catching up (%d given up), %d added aims, %d panels "
            "closed, %d bites where wedged%s%s\n",
            vards.c_str(), atskanotajs.kadrs + 1, s.panaksanas, s.padosanas, s.liekie_temejumi,
            s.panelji, s.atrakumi, uzvareja ? "" : "; not won: ", s.kluda.c_str());
    exit(uzvareja && ierakstits ? 0 : 1);
  }
  int statuss = 0;
  while (waitpid(pid, &statuss, 0) < 0 && errno == EINTR) {
  }
  if (WIFSIGNALED(statuss))
    fprintf(stderr, "%s: the follower stopped with signal %d\n", vards.c_str(), WTERMSIG(statuss));
  return WIFEXITED(statuss) && WEXITSTATUS(statuss) == 0;
}

int Sekot(const std::string& vecais, const std::string& pedas, const std::string& jaunais,
          const std::vector<Iestatijums>& iestatijumi) {
  Sekotajs s;
  std::string kluda;
  if (!Lasit(vecais, s.vecais)) return 1;
  if (!LasitPedas(pedas, s.pedas, kluda)) {
    fprintf(stderr, "delvorn-follow: %s\n", kluda.c_str());
    return 1;
  }
  s.veca_vards = std::filesystem::path(vecais).filename().string();
  const std::string vards = Vards(s.vecais.limenis);
  for (const Iestatijums& i : iestatijumi) {
    s.prieksa = i.prieksa;
    s.tuvums = i.tuvums;
    if (Meginat(s, jaunais, vards)) break;
  }
  return Spriedums(jaunais);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--help") {
    fputs(HELP, stdout);
    return 0;
  }
  Iestatijums viens = IESTATIJUMI[0];
  bool ar_iestatijumu = false;
  while (args.size() >= 2 && (args[0] == "--lookahead" || args[0] == "--near")) {
    char* beigas = nullptr;
    const double v = strtod(args[1].c_str(), &beigas);
    if (*beigas || args[1].empty() || v < 0 || v > 50) {
      fprintf(stderr, "%s\n", USAGE);
      return 2;
    }
    if (args[0] == "--near")
      viens.tuvums = (float)v;
    else
      viens.prieksa = (int)v;
    ar_iestatijumu = true;
    args.erase(args.begin(), args.begin() + 2);
  }
  const bool izsekot = !args.empty() && args[0] == "--trace";
  if (izsekot) args.erase(args.begin());
  if (args.size() != (izsekot ? 2u : 3u) || (izsekot && ar_iestatijumu)) {
    fprintf(stderr, "%s\n", USAGE);
    return 2;
  }
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

  std::vector<Iestatijums> iestatijumi(std::begin(IESTATIJUMI), std::end(IESTATIJUMI));
  if (ar_iestatijumu) iestatijumi = {viens};
  const int statuss =
      izsekot ? Izsekot(args[0], args[1]) : Sekot(args[0], args[1], args[2], iestatijumi);
  fflush(izeja);
  return statuss;
}
