// Shared test helpers: the headless screen, surfaces in memory, temporary folders,
// capturing a program's output.
#ifndef DELVORN_TESTS_SUPPORT_TESTUTIL_H
#define DELVORN_TESTS_SUPPORT_TESTUTIL_H

#include <SDL.h>

#include <string>
#include <vector>

// Opens the 800 x 600 x 32 screen on SDL's dummy driver (once) and stores it in `screen`.
SDL_Surface* OpenTestScreen();

// A 32-bit surface in the field mask's layout (red 0xFF0000, green 0xFF00, blue 0xFF).
SDL_Surface* NewSurface(int w, int h, Uint32 fill = 0);
inline Uint32& PixelAt(SDL_Surface* s, int x, int y) {
  return ((Uint32*)s->pixels)[y * (s->pitch / 4) + x];
}

// Replaces a field's three pictures (freeing those it had) with in-memory ones of w x h:
// a uniform mask value and two uniform looks.
class Laukums;
void NewFieldPictures(Laukums* l, int w, int h, Uint32 mask, Uint32 earth, Uint32 wall);

// A fresh empty folder under the system's temporary folder.
std::string MakeTempDir();
// Writes a surface as a BMP file; returns the path.
std::string SaveBmp(SDL_Surface* s, const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
void CopyFile(const std::string& from, const std::string& to);

// Runs a program with arguments and extra environment settings ("NAME=value", or "NAME="
// to remove one) in a working directory; collects its outputs and exit status.
struct RunResult {
  int status;  // exit status, or 128 + signal
  std::string out;
  std::string err;
};
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& env, const std::string& cwd);

// A fake clock and mouse for the time-and-mouse seam: the clock moves when the game sleeps,
// and by `mouseCost` milliseconds at every mouse reading (standing for a frame's work).
struct FakeSeam {
  Uint32 now = 0;
  int mouseX = 0, mouseY = 0;
  Uint8 buttons = 0;
  Uint32 mouseCost = 0;
};
extern FakeSeam fakeSeam;
// Puts the fake clock and mouse in the seam.
void InstallFakeSeam(Uint32 mouseCost);

// Pushes a key (SDLK_...) or mouse button event the way SDL delivers one.
void PushEvent(Uint8 type, int key, Uint8 button);

// The level files the game ships, by name ("intro" for map/intro.cfg), sorted; {"none"}
// when there are none.
std::vector<std::string> ShippedLevels();

struct SpelesCikls;
// Start-up as the game runs it, but with a clock that moves 100 ms at every reading while
// the intro plays, so that the slides run through at once; then the test's own clock is
// put back. Returns what start-up wrote on standard output.
std::string StartPastIntro(SpelesCikls& c, int argc, char** argv);
// Shutdown as the game runs it (Beigt, whose status it returns), then frees what the game
// leaves to the end of the process: the field, the digger and the fonts. Safe to call after
// Beigt, and on a zero-initialised loop that never started.
int EndGame(SpelesCikls& c);

#endif

