// Screens and menus: picture buttons and backgrounds, the main screen with its pages and
// action codes, the intro slides, and the game's own two cursors.
//
// The main screen is the game's state machine: selected_screen (0 playing, 1 main menu,
// 3 message, 4 level won, 5 level lost, 6 level choice, 7 paused) and action (2 new game,
// 3 continue/close, 5 exit, 6 next level, 7 restart, 9 play the chosen level, 10 open the
// level choice). Buttons set action; the shell carries it out.
#ifndef DELVORN_MENU_MENU_H
#define DELVORN_MENU_MENU_H

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>
#include <vector>

// Loads a menu picture in the screen's format (alpha kept where the file has it); null when
// it does not load, and the widget holding it is then simply not drawn.
SDL_Surface* IeladetMenuBildi(const char* fails);

// A picture button: normal and hovered pictures, and a hit rectangle that the first drawing
// shrinks to the drawn picture.
class Button {
 public:
  struct images {
    SDL_Surface* normal = nullptr;
    SDL_Surface* selected = nullptr;
  };
  bool isVisible = false;
  SDL_Rect rect = {0, 0, 0, 0};
  bool isSelected = false;
  images img;

  virtual ~Button() {}
  // Hovered when (x, y) lies strictly inside rect; the border counts as outside.
  virtual void Update(int x, int y, int nelieto);
  // Draws the hovered or normal picture at rect's corner when visible and both pictures
  // exist; SDL writes the clipped destination back into rect.
  virtual void Blit(SDL_Surface* merkis);
  void SetRect(unsigned x, unsigned y, unsigned w, unsigned h);
};

// A picture at a position; can also be cross-faded over another one.
class BackgroundImage {
 public:
  struct images {
    SDL_Surface* normal = nullptr;
  };
  SDL_Rect rect = {0, 0, 0, 0};
  bool isVisible = false;
  images img;

  virtual ~BackgroundImage() {}
  virtual void Blit(SDL_Surface* merkis);
  void SetRect(unsigned x, unsigned y, unsigned w, unsigned h);
  // Draws `no` (faded from), then this picture over it with per-surface alpha = the low
  // 8 bits of necaurspidiba. Nothing when either picture is missing.
  void Interpolate(SDL_Surface* merkis, BackgroundImage* no, unsigned necaurspidiba);
};

// One line of the level choice.
struct LevelEntry {
  std::string name;
  std::string path;
  bool won = false;
  unsigned best_ms = 0;  // the best winning time; 0 when none
  bool open = false;     // won, or the first not won: it may be played
};

const unsigned SCREEN_LEVELS = 6, SCREEN_PAUSED = 7;
const unsigned ACTION_PLAY_CHOSEN = 9, ACTION_LEVELS = 10;

class MainScreen {
 public:
  std::string text;  // the message of screens 3, 4 and 5
  Button bt_newgame;
  Button bt_continue;
  Button bt_exit;
  Button bt_level;  // opens the level choice
  Button bt_continuegame[10];
  Button bt_close;
  Button bt_nextlevel;
  Button bt_restartlevel;
  unsigned selected_screen;
  unsigned action;
  BackgroundImage bgi_main;
  BackgroundImage bgi_game;  // never given a picture
  BackgroundImage bgi_target;
  BackgroundImage bgi_win;
  BackgroundImage bgi_lost;
  // The panels (screens 3 to 5) stand moved by this much from the window's middle, so that
  // they open away from the digger.
  int panela_dx = 0, panela_dy = 0;
  std::vector<LevelEntry> levels;  // the level choice's lines, filled when it opens
  int chosen_level = -1;           // the line clicked, for action 9
  unsigned paradits = 1;    // the screen drawn last
  Uint32 paradits_no = 0;  // when it was first drawn

  // Places and loads every widget; starts on the main menu with action 1.
  MainScreen();
  ~MainScreen();
  MainScreen(const MainScreen&) = delete;
  MainScreen& operator=(const MainScreen&) = delete;

  // Hovering for every event, and a left-button release over a button sets its action.
  // Does nothing while the game is played (screen 0).
  void ReceiveInput(SDL_Event& notikums);
  // Draws the shown screen; returns action. laiks (ms) marks when a screen is first shown.
  unsigned Update(unsigned laiks, SDL_Surface* merkis);
  // Moves the three panels and their buttons by (dx, dy) from their places in the middle.
  void NovietotPanelus(int dx, int dy);
  // A panel ignores clicks until it has been seen for a moment: a click meant for the
  // walk must not close it unread.
  bool PanelisGaida(Uint32 tagad) const;
  // Lines of the message 11 pixels apart, the first at y, each centred on x = 400.
  void PrintMessage(SDL_Surface* merkis, int x, int y, const std::string& zinja);
  // One line of UTF-8 text centred on x, top at y.
  void ZiimeeTekstuC(SDL_Surface* merkis, TTF_Font* f, unsigned x, unsigned y,
                     const char* teksts, unsigned r, unsigned g, unsigned b);
};

// The level choice's line under (x, y) among `skaits` lines, or -1.
int LimenjaRinda(int x, int y, size_t skaits);
// The level choice over the menu's picture, the line under (x, y) lit.
void ZimetLimenjus(const MainScreen& m, SDL_Surface* merkis, int x, int y);
// The small "Pauze" panel over the field.
void ZimetPauzi(SDL_Surface* merkis);

// Where a panel goes, as its move from the middle, so that it covers least of the digger
// standing at screen (x, y) and of the way ahead along his heading (degrees).
void PanelaNobide(int x, int y, int virziens, int* dx, int* dy);

// The opening slides: five holds, each cross-faded into the next.
class Intro {
 public:
  static const int SLAIDI = 6;
  int alpha;
  bool isVisible;
  Uint32 timer;      // start of the current fade
  Uint32 waittimer;  // start of the current hold
  unsigned selected_screen;
  Uint32 fadetime;
  Uint32 waittime;
  Button bt_exit;
  BackgroundImage bgi_screens[SLAIDI];

  Intro();
  virtual ~Intro();
  Intro(const Intro&) = delete;
  Intro& operator=(const Intro&) = delete;

  // A released Escape ends the show.
  void ReceiveInput(SDL_Event& notikums);
  // Draws one step of the show at time `tagad`; false once it is over.
  bool Update(Uint32 tagad, SDL_Surface* merkis);
};

// The game's own pointers: the heading strip beside the pointer in play, the arrow on menus.
class DumshKursors {
 public:
  static const int KADRI = 37;  // headings 0, 10, ... 360
  SDL_Surface* rotacijas;
  SDL_Surface* parasts;

  DumshKursors();
  ~DumshKursors();
  DumshKursors(const DumshKursors&) = delete;
  DumshKursors& operator=(const DumshKursors&) = delete;

  // The frame for the heading, centred 10 pixels right of and below the pointer; nothing
  // when hidden (the pointer is on the digger) or the strip is missing.
  void ZimetSpelei(SDL_Surface* merkis, int x, int y, int virziens, bool slept);
  // The arrow centred on the pointer.
  void ZimetMenuzim(SDL_Surface* merkis, int x, int y);
  // Source x of the heading's frame in a strip `platums` wide.
  static int KadraX(int platums, int virziens);
};

#endif
