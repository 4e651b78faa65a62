// The launcher's platform layer away from Windows: the start dialog drawn and run with SDL,
// and the game started with fork and exec.
#include <SDL.h>
#include <SDL_ttf.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "launcher/palaidejs.h"
#include "launcher/platforma.h"
#include "launcher/resource.h"
#include "launcher/veidne.h"

namespace {

const char* ATTELA_FAILS = "Game.bmp";             // beside the launcher, from the painter
const char* FONTA_FAILS = "bin/dustismo_bold.ttf";  // the game's own font
const int FONTA_IZMERS = 12;                        // about the 8-point dialog font's size
const int RUTINAS_MALA = 13;                        // the check box's square

// The house colours: dark slate, thin brass, light text.
const Uint32 PANELIS = 0x23282F, POGAS_VIRSMA = 0x343B46, NOSPIESTA_VIRSMA = 0x181B20,
             RUTINAS_VIRSMA = 0x15181C, MISINS = 0xC09A52, TUMSS_MISINS = 0x6B5530,
             TEKSTS = 0xEDE6D3;

bool IrDispleja() {
  const char* draiveris = getenv("SDL_VIDEODRIVER");
  const char* displejs = getenv("DISPLAY");
  return (draiveris && *draiveris) || (displejs && *displejs);
}

bool IrIekssa(const Taisnsturis& t, int x, int y) {
  return x >= t.x && x < t.x + t.w && y >= t.y && y < t.y + t.h;
}

// An environment setting made only while it is missing, and taken back at scope end.
struct VidesIestatijums {
  const char* vards;
  bool pielikts;
  VidesIestatijums(const char* v, const char* vertiba)
      : vards(v), pielikts(!getenv(v) || !*getenv(v)) {
    if (pielikts) setenv(vards, vertiba, 1);
  }
  ~VidesIestatijums() {
    if (pielikts) unsetenv(vards);
  }
};

class SDLDialogs : public Platforma {
 public:
  SDL_Surface* ekrans = nullptr;
  SDL_Surface* attels = nullptr;
  TTF_Font* fonts = nullptr;
  bool atzimeta = false;    // the check box
  int fokuss = 1;           // index into DIALOGA_VADIKLAS of the focused control
  int turetaPoga = -1;      // index of the control the left mouse button went down on
  bool turetaVirs = false;  // the pointer is still over it
  bool beigas = false;      // the quit message was posted

  ~SDLDialogs() override { Atbrivot(); }

  bool RaditDialogu() override {
    // SDL 1.2 with neither set draws ASCII art in the terminal or its terminal library
    // ends the process; neither is a dialog.
    if (!IrDispleja()) {
      fprintf(stderr, "Game: no display to show the dialog on (DISPLAY is not set)\n");
      return false;
    }
    attels = SDL_LoadBMP(ATTELA_FAILS);
    if (!attels) {
      fprintf(stderr, "Game: cannot read the dialog picture %s\n", ATTELA_FAILS);
      return false;
    }
    // With only DISPLAY set, a display that cannot be opened would send SDL down its list
    // of drivers to the terminal ones; the X driver alone fails cleanly instead. Both
    // settings are the dialog's own: the game must not inherit them.
    VidesIestatijums draiveris("SDL_VIDEODRIVER", "x11"), centrs("SDL_VIDEO_CENTERED", "1");
    if (SDL_Init(SDL_INIT_VIDEO) == 0) {
      SDL_WM_SetCaption("Delvorn", "Delvorn");
      Taisnsturis d = DialogaTaisnsturis();
      ekrans = SDL_SetVideoMode(d.w, d.h, 32, SDL_SWSURFACE);
    }
    if (!ekrans) {
      const char* displejs = getenv("DISPLAY");
      fprintf(stderr, "Game: cannot open a window on display \"%s\": %s\n",
              displejs ? displejs : "", SDL_GetError());
      Atbrivot();
      return false;
    }
    // Without the font the dialog still works, only unlabelled; the run folder may be broken,
    // and "Palaist" must then end quietly.
    if (TTF_WasInit() || TTF_Init() == 0) fonts = TTF_OpenFont(FONTA_FAILS, FONTA_IZMERS);
    atzimeta = false;
    fokuss = PirmaisFokuss();
    turetaPoga = -1;
    beigas = false;
    Zimet();
    return true;
  }

  void ZinojumuCikls() override {
    SDL_Event e;
    while (!beigas && SDL_WaitEvent(&e)) {
      Apstradat(e);
      if (!beigas) Zimet();
    }
  }

  bool IrAtzimeta(int id) override { return id == IDC_FULLSCREEN && atzimeta; }

  void SutitIziesanu() override { beigas = true; }

  void BeigtDialogu() override { Atbrivot(); }

  void SaktProcesu(const std::string& rinda, const std::string& mape) override;

  void Atbrivot() {
    if (fonts) TTF_CloseFont(fonts);
    fonts = nullptr;
    if (TTF_WasInit()) TTF_Quit();
    if (attels) SDL_FreeSurface(attels);
    attels = nullptr;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_Quit();
    ekrans = nullptr;
  }

  // ---- the dialog manager's part: focus, keys, mouse ----

  static bool IrTabulacija(int i) { return DIALOGA_VADIKLAS[i].tips != ATTELS; }

  static int PirmaisFokuss() {
    for (int i = 0; i < VADIKLU_SKAITS; i++)
      if (IrTabulacija(i)) return i;
    return 0;
  }

  void PartitFokusu(int solis) {
    int i = fokuss;
    for (int n = 0; n < VADIKLU_SKAITS; n++) {
      i = (i + solis + VADIKLU_SKAITS) % VADIKLU_SKAITS;
      if (IrTabulacija(i)) break;
    }
    fokuss = i;
  }

  // A focused push button is the default one while it has the focus, as in Windows dialogs;
  // otherwise the template's default, "Palaist".
  int NoklusetaPoga() const {
    if (DIALOGA_VADIKLAS[fokuss].tips == POGA || DIALOGA_VADIKLAS[fokuss].tips == NOKLUSETA_POGA)
      return fokuss;
    for (int i = 0; i < VADIKLU_SKAITS; i++)
      if (DIALOGA_VADIKLAS[i].tips == NOKLUSETA_POGA) return i;
    return -1;
  }

  int VadiklaPie(int x, int y) const {
    for (int i = 0; i < VADIKLU_SKAITS; i++)
      if (IrTabulacija(i) && IrIekssa(VadiklasTaisnsturis(DIALOGA_VADIKLAS[i]), x, y)) return i;
    return -1;
  }

  // A click: the check box toggles itself, then the dialog hears the command either way.
  void Nospiest(int i) {
    if (i < 0) return;
    if (DIALOGA_VADIKLAS[i].tips == IZVELES_RUTINA) atzimeta = !atzimeta;
    DialogaKomanda(*this, DIALOGA_VADIKLAS[i].id);
  }

  void Apstradat(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:  // the window's close box: the system's close command, id 2
        DialogaKomanda(*this, IDCANCEL);
        break;
      case SDL_KEYDOWN:
        switch (e.key.keysym.sym) {
          case SDLK_TAB: PartitFokusu((e.key.keysym.mod & KMOD_SHIFT) ? -1 : 1); break;
          case SDLK_SPACE: Nospiest(fokuss); break;
          case SDLK_RETURN:
          case SDLK_KP_ENTER: Nospiest(NoklusetaPoga()); break;
          case SDLK_ESCAPE: DialogaKomanda(*this, IDCANCEL); break;
          default: break;
        }
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) {
          turetaPoga = VadiklaPie(e.button.x, e.button.y);
          turetaVirs = turetaPoga >= 0;
          if (turetaPoga >= 0) fokuss = turetaPoga;
        }
        break;
      case SDL_MOUSEMOTION:
        if (turetaPoga >= 0) turetaVirs = VadiklaPie(e.motion.x, e.motion.y) == turetaPoga;
        break;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT && turetaPoga >= 0) {
          int i = turetaPoga;
          turetaPoga = -1;
          // Released elsewhere: no click, as with any button.
          if (VadiklaPie(e.button.x, e.button.y) == i) Nospiest(i);
        }
        break;
      default: break;
    }
  }

  // ---- drawing ----

  Uint32 Krasa(Uint32 rgb) const {
    return SDL_MapRGB(ekrans->format, (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }

  void Aizpildit(int x, int y, int w, int h, Uint32 rgb) {
    if (w <= 0 || h <= 0) return;
    SDL_Rect r = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
    SDL_FillRect(ekrans, &r, Krasa(rgb));
  }

  void Ramis(int x, int y, int w, int h, int biezums, Uint32 rgb) {
    Aizpildit(x, y, w, biezums, rgb);
    Aizpildit(x, y + h - biezums, w, biezums, rgb);
    Aizpildit(x, y, biezums, h, rgb);
    Aizpildit(x + w - biezums, y, biezums, h, rgb);
  }

  // Pixel writes clipped to the screen; only for the few dots of the focus mark and tick.
  void PikselisDrosi(int x, int y, Uint32 c) {
    if (x < 0 || y < 0 || x >= ekrans->w || y >= ekrans->h) return;
    ((Uint32*)ekrans->pixels)[y * (ekrans->pitch / 4) + x] = c;
  }

  void PunktuRamis(const Taisnsturis& t, Uint32 c) {
    for (int x = t.x; x < t.x + t.w; x += 2) {
      PikselisDrosi(x, t.y, c);
      PikselisDrosi(x, t.y + t.h - 1, c);
    }
    for (int y = t.y; y < t.y + t.h; y += 2) {
      PikselisDrosi(t.x, y, c);
      PikselisDrosi(t.x + t.w - 1, y, c);
    }
  }

  void Kekss(int bx, int by, Uint32 c) {
    // Two strokes, two pixels thick: down-right from the left, then up to the top right.
    for (int i = 0; i <= 3; i++)
      for (int d = 0; d < 2; d++) PikselisDrosi(bx + 3 + i, by + 6 + i + d, c);
    for (int i = 0; i <= 5; i++)
      for (int d = 0; d < 2; d++) PikselisDrosi(bx + 6 + i, by + 8 - i + d, c);
  }

  // Draws `teksts` with its left edge at x (or centred in w when w > 0), centred on y.
  // Returns the text's rectangle.
  Taisnsturis Teksts(const char* teksts, int x, int w, int yVidus) {
    Taisnsturis t = {x, yVidus, 0, 0};
    if (!fonts || !*teksts) return t;
    SDL_Color c = {(Uint8)(TEKSTS >> 16), (Uint8)(TEKSTS >> 8), (Uint8)TEKSTS, 0};
    SDL_Surface* s = TTF_RenderUTF8_Blended(fonts, teksts, c);
    if (!s) return t;
    t.w = s->w;
    t.h = s->h;
    t.x = w > 0 ? x + (w - s->w) / 2 : x;
    t.y = yVidus - s->h / 2;
    SDL_Rect r = {(Sint16)t.x, (Sint16)t.y, 0, 0};
    SDL_BlitSurface(s, nullptr, ekrans, &r);
    SDL_FreeSurface(s);
    return t;
  }

  void Zimet() {
    if (!ekrans) return;
    Aizpildit(0, 0, ekrans->w, ekrans->h, PANELIS);
    Ramis(0, 0, ekrans->w, ekrans->h, 1, MISINS);
    Ramis(1, 1, ekrans->w - 2, ekrans->h - 2, 1, TUMSS_MISINS);

    Taisnsturis fokusaMala = {0, 0, 0, 0};
    Taisnsturis tikss = {-100, -100, 0, 0};
    int noklusetaPoga = NoklusetaPoga();
    for (int i = 0; i < VADIKLU_SKAITS; i++) {
      const Vadikla& v = DIALOGA_VADIKLAS[i];
      Taisnsturis t = VadiklasTaisnsturis(v);
      if (v.tips == ATTELS) {
        Ramis(t.x - 1, t.y - 1, t.w + 2, t.h + 2, 1, TUMSS_MISINS);
        SDL_Rect no = {0, 0, (Uint16)t.w, (Uint16)t.h};  // the picture, cut to its place
        SDL_Rect uz = {(Sint16)t.x, (Sint16)t.y, 0, 0};
        SDL_BlitSurface(attels, &no, ekrans, &uz);
      } else if (v.tips == IZVELES_RUTINA) {
        int bx = t.x + 2, by = t.y + (t.h - RUTINAS_MALA) / 2;
        bool spiez = turetaPoga == i && turetaVirs;
        Aizpildit(bx, by, RUTINAS_MALA, RUTINAS_MALA, spiez ? POGAS_VIRSMA : RUTINAS_VIRSMA);
        Ramis(bx, by, RUTINAS_MALA, RUTINAS_MALA, 1, MISINS);
        if (atzimeta) tikss = {bx, by, 0, 0};
        Taisnsturis tt = Teksts(v.teksts, bx + RUTINAS_MALA + 6, 0, t.y + t.h / 2);
        if (i == fokuss) {
          if (tt.w > 0) fokusaMala = {tt.x - 2, tt.y, tt.w + 4, tt.h};
          else fokusaMala = {bx - 2, by - 2, RUTINAS_MALA + 4, RUTINAS_MALA + 4};
        }
      } else {
        bool spiez = turetaPoga == i && turetaVirs;
        Aizpildit(t.x, t.y, t.w, t.h, spiez ? NOSPIESTA_VIRSMA : POGAS_VIRSMA);
        Ramis(t.x, t.y, t.w, t.h, i == noklusetaPoga ? 2 : 1, MISINS);
        Teksts(v.teksts, t.x + (spiez ? 1 : 0), t.w, t.y + t.h / 2 + (spiez ? 1 : 0));
        if (i == fokuss) fokusaMala = {t.x + 4, t.y + 4, t.w - 8, t.h - 8};
      }
    }

    if (ekrans->format->BytesPerPixel == 4 && (!SDL_MUSTLOCK(ekrans) || SDL_LockSurface(ekrans) == 0)) {
      if (tikss.x >= 0) Kekss(tikss.x, tikss.y, Krasa(TEKSTS));
      if (fokusaMala.w > 0) PunktuRamis(fokusaMala, Krasa(TEKSTS));
      if (SDL_MUSTLOCK(ekrans)) SDL_UnlockSurface(ekrans);
    }
    SDL_UpdateRect(ekrans, 0, 0, 0, 0);
  }
};

std::vector<std::string> Vardi(const std::string& rinda) {
  std::vector<std::string> v;
  size_t i = 0;
  while (i < rinda.size()) {
    while (i < rinda.size() && rinda[i] == ' ') i++;
    size_t s = i;
    while (i < rinda.size() && rinda[i] != ' ') i++;
    if (i > s) v.push_back(rinda.substr(s, i - s));
  }
  return v;
}

bool Eksiste(const std::string& cels) { return access(cels.c_str(), F_OK) == 0; }

// The command line names the Windows program; here the same file lacks the ending.
std::string AtrastProgrammu(const std::string& vards) {
  const std::string EXE = ".exe";
  if (Eksiste(vards)) return vards;
  if (vards.size() > EXE.size() && vards.compare(vards.size() - EXE.size(), EXE.size(), EXE) == 0) {
    std::string bez = vards.substr(0, vards.size() - EXE.size());
    if (Eksiste(bez)) return bez;
  }
  return "";
}

}  // namespace

void SDLDialogs::SaktProcesu(const std::string& rinda, const std::string& mape) {
  std::vector<std::string> vardi = Vardi(rinda);
  if (vardi.empty()) return;
  std::string programma = AtrastProgrammu(vardi[0]);
  if (programma.empty()) return;  // no game in this folder: end as usual, quietly
  // The path is the launcher's, the child's folder is another: fix it before moving.
  if (programma[0] != '/') {
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) return;
    programma = std::string(cwd) + "/" + programma;
  }
  std::vector<char*> argv;
  argv.push_back((char*)programma.c_str());
  for (size_t i = 1; i < vardi.size(); i++) argv.push_back((char*)vardi[i].c_str());
  argv.push_back(nullptr);

  // Two forks: the middle one ends at once and is reaped here, so the game is nobody's
  // child of ours and the launcher neither waits for it nor leaves a zombie.
  pid_t starpnieks = fork();
  if (starpnieks < 0) return;
  if (starpnieks == 0) {
    pid_t spele = fork();
    if (spele == 0) {
      long lidz = sysconf(_SC_OPEN_MAX);
      if (lidz < 0 || lidz > 65536) lidz = 65536;
      for (int fd = 3; fd < lidz; fd++) close(fd);  // handles are not inherited
      if (chdir(mape.c_str()) != 0) _exit(127);
      execv(programma.c_str(), argv.data());
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(starpnieks, &status, 0);
}

Platforma* JaunaPlatforma(void*) { return new SDLDialogs(); }

void UzSavuMapi() {
  // A bin folder alone proves little (the root folder has one); the picture is ours.
  struct stat st;
  if (stat("bin", &st) == 0 && S_ISDIR(st.st_mode) && access(ATTELA_FAILS, F_OK) == 0) return;
  char cels[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", cels, sizeof cels - 1);
  if (n <= 0) return;
  cels[n] = 0;
  char* slipsvitra = strrchr(cels, '/');
  if (!slipsvitra) return;
  *slipsvitra = 0;
  if (chdir(cels[0] ? cels : "/") != 0) return;
}
