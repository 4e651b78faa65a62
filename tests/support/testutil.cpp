// Shared test helpers.
#include "tests/support/testutil.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "digger/racejs.h"
#include "field/zeme.h"
#include "shell/globali.h"
#include "shell/ierices.h"
#include "shell/spele.h"

SDL_Surface* OpenTestScreen() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  if (!SDL_WasInit(SDL_INIT_VIDEO)) SDL_Init(SDL_INIT_VIDEO);
  if (!SDL_GetVideoSurface()) SDL_SetVideoMode(800, 600, 32, 0);
  screen = SDL_GetVideoSurface();
  return screen;
}

SDL_Surface* NewSurface(int w, int h, Uint32 fill) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00,
                                        0x000000FF, 0);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) PixelAt(s, x, y) = fill;
  return s;
}

std::string MakeTempDir() {
  char tmpl[] = "/tmp/delvorn-test-XXXXXX";
  char* d = mkdtemp(tmpl);
  return d ? std::string(d) : std::string("/tmp");
}

std::string SaveBmp(SDL_Surface* s, const std::string& path) {
  SDL_SaveBMP(s, path.c_str());
  return path;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream f(path, std::ios::binary);
  f << text;
}

void CopyFile(const std::string& from, const std::string& to) {
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary);
  out << in.rdbuf();
}

namespace {
std::string ReadAll(int fd) {
  std::string all;
  char buf[4096];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0) all.append(buf, (size_t)n);
  return all;
}
}  // namespace

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::vector<std::string>& env, const std::string& cwd) {
  RunResult r = {-1, "", ""};
  std::string outPath = MakeTempDir() + "/out", errPath = outPath + ".err";
  pid_t pid = fork();
  if (pid == 0) {
    int o = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int e = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int nul = open("/dev/null", O_RDONLY);
    dup2(o, 1);
    dup2(e, 2);
    dup2(nul, 0);
    for (const std::string& kv : env) {
      size_t eq = kv.find('=');
      std::string name = kv.substr(0, eq), value = kv.substr(eq + 1);
      if (value.empty()) unsetenv(name.c_str());
      else setenv(name.c_str(), value.c_str(), 1);
    }
    if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
    std::vector<char*> argv;
    argv.push_back((char*)program.c_str());
    for (const std::string& a : args) argv.push_back((char*)a.c_str());
    argv.push_back(NULL);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  int o = open(outPath.c_str(), O_RDONLY), e = open(errPath.c_str(), O_RDONLY);
  r.out = ReadAll(o);
  r.err = ReadAll(e);
  close(o);
  close(e);
  return r;
}

namespace {
Uint32 introNow = 0;
Uint32 IntroNow() { return introNow += 100; }
}  // namespace

int EndGame(SpelesCikls& c) {
  const int status = Beigt(c);
  delete L1;
  L1 = NULL;
  delete pirmais;
  pirmais = NULL;
  TTF_Font** fonts[] = {&font, &font2, &hfont, &pfont};
  for (TTF_Font** f : fonts) {
    if (*f) TTF_CloseFont(*f);
    *f = NULL;
  }
  return status;
}

std::string StartPastIntro(SpelesCikls& c, int argc, char** argv) {
  Uint32 (*own)() = ierices.Tagad;
  ierices.Tagad = IntroNow;
  testing::internal::CaptureStdout();
  Sakt(c, argc, argv);
  std::string out = testing::internal::GetCapturedStdout();
  ierices.Tagad = own;
  return out;
}

void PushEvent(Uint8 type, int key, Uint8 button) {
  SDL_Event e = {};
  e.type = type;
  if (type == SDL_KEYDOWN || type == SDL_KEYUP) e.key.keysym.sym = (SDLKey)key;
  if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) e.button.button = button;
  SDL_PushEvent(&e);
}

FakeSeam fakeSeam;

// Every test process, run by ctest or by hand, plays silently and keeps its progress file in
// the build tree, never the user's own.
const bool kTestEnvironment = [] {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("XDG_DATA_HOME", DELVORN_TEST_HOME, 1);
  return true;
}();

namespace {
Uint32 FakeNow() { return fakeSeam.now; }
void FakeSleep(Uint32 ms) { fakeSeam.now += ms; }
Uint8 FakeMouse(int* x, int* y) {
  fakeSeam.now += fakeSeam.mouseCost;
  *x = fakeSeam.mouseX;
  *y = fakeSeam.mouseY;
  return fakeSeam.buttons;
}
}  // namespace

void InstallFakeSeam(Uint32 mouseCost) {
  fakeSeam.mouseCost = mouseCost;
  ierices.Tagad = FakeNow;
  ierices.Gulet = FakeSleep;
  ierices.Pele = FakeMouse;
}

void NewFieldPictures(Laukums* l, int w, int h, Uint32 mask, Uint32 earth, Uint32 wall) {
  SDL_Surface* veci[] = {l->Siets, l->Zeme, l->Pamats};
  for (SDL_Surface* s : veci)
    if (s) SDL_FreeSurface(s);
  l->Siets = NewSurface(w, h, mask);
  l->Zeme = NewSurface(w, h, earth);
  l->Pamats = NewSurface(w, h, wall);
}

std::vector<std::string> ShippedLevels() {
  std::vector<std::string> names;
  std::error_code e;
  for (const auto& f : std::filesystem::directory_iterator(DELVORN_SOURCE_DIR "/data/map", e))
    if (f.path().extension() == ".cfg") names.push_back(f.path().stem().string());
  std::sort(names.begin(), names.end());
  if (names.empty()) names.push_back("none");
  return names;
}
