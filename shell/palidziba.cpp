// The usage and version texts of the game program.
#include "shell/palidziba.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <string.h>

#include "shell/progress.h"

#ifndef DELVORN_VERSION
#define DELVORN_VERSION "0"
#endif

namespace {

const char LIETOSANA[] =
    "Usage: delvorn [--scale N] [--mute] [FULLSCREEN [LEVEL [JOYSTICK]]]\n"
    "       delvorn --help | --version\n"
    "\n"
    "Delvorn is a digging game: steer a miner with a helmet lamp through an underground\n"
    "mine, touch every control point and reach the exit before the lamp's battery runs out.\n"
    "With no arguments the intro plays in an 800 x 600 window, then the main menu shows.\n"
    "\n"
    "Arguments:\n"
    "  --scale N   a window N times as large (1 to 4), drawn with sharp pixels; remembered\n"
    "  --mute      starts without sound (M turns it on)\n"
    "  FULLSCREEN  a non-zero number plays full screen; 0 plays in a window\n"
    "  LEVEL       a level file to play at once, skipping the intro and the main menu,\n"
    "              for example map/intro.cfg\n"
    "  JOYSTICK    a number above 0 steers with joystick 0 when one is connected\n"
    "\n"
    "Mouse and keys:\n"
    "  mouse pointer             the miner turns towards it\n"
    "  left button, held         walks; letting it go stops\n"
    "  Space                     starts walking; only a left button release stops it\n"
    "  right button, left Shift  uses the active item: digs, or places an explosive\n"
    "  bottom-left panel         point at it to open it, click an item to make it active\n"
    "  arrow keys                move the view over a field larger than the window\n"
    "  Escape                    the main menu: \"Turpinat\" goes back, \"Iziet\" quits;\n"
    "                            \"Limenis\" chooses a level already won or the next one\n"
    "  P                         pauses: the battery, the level clock and a fuse stop\n"
    "  F11, Alt+Enter            full screen and back (remembered)\n"
    "  M; -, +                   sound off and on; quieter, louder (for this run)\n"
    "  F1                        starts the level again\n"
    "  F2                        puts the level's objects back\n"
    "  F3, 2                     for testing levels: full health and battery; health 20\n"
    "\n";

std::string VersijasRinda(const SDL_version* v) {
  char buf[32];
  snprintf(buf, sizeof buf, "%d.%d.%d", v->major, v->minor, v->patch);
  return buf;
}

}  // namespace

bool PrasaPalidzibu(int argc, char** argv) {
  return argc > 1 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "--version") == 0);
}

std::string PalidzibasTeksts(const std::string& arguments, const std::string& datuMape) {
  // Which libraries this run uses: classic SDL 1.2 and sdl12-compat answer differently.
  std::string versija = std::string("delvorn ") + DELVORN_VERSION + "\n" +
                        "SDL " + VersijasRinda(SDL_Linked_Version()) +
                        ", SDL_ttf " + VersijasRinda(TTF_Linked_Version()) +
                        ", SDL_image " + VersijasRinda(IMG_Linked_Version()) + "\n";
  if (arguments == "--version") return versija;
  std::string kur;
  if (datuMape.empty())
    kur = "no data folder was found beside the program";
  else if (datuMape == ".")
    kur = "the data folder is the working folder";
  else
    kur = "the data folder is " + datuMape;
  return std::string(LIETOSANA) +
         "Levels are the map/*.cfg files of the game's data folder, with the pictures under\n"
         "map/ and ui/; " + kur + ".\n"
         "A LEVEL path is read from the data folder unless the game is started in a folder\n"
         "that holds data of its own.\n"
         "\n"
         "The levels won, their best times, the scale and full screen are kept in\n" +
         ProgressFileRule() + ".\n"
         "\n"
         "DELVORN_REPLAY=RUN plays a recorded run (paced in a window, at full speed with\n"
         "SDL_VIDEODRIVER=dummy) until its level is won or lost or its last frame is played,\n"
         "then prints one line such as\n"
         "  replay: won map/intro.cfg at frame 937, battery 143 of 180 s\n"
         "(won, lost or unfinished) and ends with status 0 when won, 2 when lost or\n"
         "unfinished, 1 when the run or its level cannot be read.\n"
         "DELVORN_RECORD=RUN records the play of the LEVEL given on the command line.\n"
         "\n"
         "Exit status: 0 after quitting; 1 when a font or the graphics cannot be opened or\n"
         "--scale is not 1 to 4;\n"
         "2 when the 800 x 600 x 32 video mode cannot be set; 3 when the placeholder field\n"
         "picture map/pamats1.bmp is missing or unusable.\n"
         "\n" + versija;
}
