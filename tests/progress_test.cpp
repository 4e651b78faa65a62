// The progress file: loading, saving, setting aside a broken file, failed saves.
#include "shell/progress.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "tests/support/testutil.h"

namespace {

std::string Read(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return f ? s.str() : "(none)";
}

// "x<scale>" and then "path:won:best" per level, in file order.
std::string Dump(const Progress& p) {
  std::string s = "x" + std::to_string(p.scale);
  for (auto& l : p.levels)
    s += " " + l.level + ":" + std::to_string(l.won) + ":" + std::to_string(l.best_ms);
  return s;
}

const char kIntro[] = "level = { path = map/intro.cfg; won = 1; best = 83400; }\n";
const char kOdd[] = "my maps//x;{y}=\"%*.cfg";
using Spoil = std::function<void(const std::string& file)>;
const Spoil kStaleTemp = [](const std::string& f) { WriteFile(f + ".tmp", "level = {"); };
const Spoil kTempIsFolder = [](const std::string& f) { mkdir((f + ".tmp").c_str(), 0700); };
const Spoil kReadOnly = [](const std::string& f) {
  const std::string dir = f.substr(0, f.rfind('/'));
  mkdir(dir.substr(0, dir.rfind('/')).c_str(), 0700);
  // Root writes anyway: for it the folder is a file, which fails for everyone.
  geteuid() == 0 ? WriteFile(dir, "") : (void)mkdir(dir.c_str(), 0500);
};

TEST(Progress, LoadAndSave) {
  using Wins = std::vector<std::pair<std::string, unsigned>>;  // recorded, then saved
  const Wins none, b5 = {{"b", 5}}, slower = {{"map/intro.cfg", 90000}, {"map/intro.cfg", 0}},
                   faster = {{"map/intro.cfg", 90000}, {"map/intro.cfg", 83400}, {kOdd, 7}};
  struct Row {
    const char* what;
    std::string before;  // the file's text first; empty: no file
    Spoil spoil;
    Wins wins;
    bool saved;
    std::string after;  // Dump() of the file read back at the end
  } rows[] = {
      {"fresh", "", nullptr, faster, true, "x1 map/intro.cfg:1:83400 my maps//x;{y}=\"%*.cfg:1:7"},
      {"slower win", kIntro, nullptr, slower, true, "x1 map/intro.cfg:1:83400"},
      {"odd numbers",
       "settings = { scale = 99; hue = 3; } level = { path = a; won = 1; best = -5; }"
       "level = { path = b; best = 99999999999999999999; }",
       nullptr, none, true, "x4 a:1:0 b:0:4294967295"},
      {"broken", "level = { path = map/intro.cfg; won = 1;", nullptr, none, true, "x1"},
      {"stale temp", kIntro, kStaleTemp, b5, true, "x1 map/intro.cfg:1:83400 b:1:5"},
      {"temp cannot open", kIntro, kTempIsFolder, b5, false, "x1 map/intro.cfg:1:83400"},
      {"read-only folder", "", kReadOnly, b5, false, "x1"},
  };
  for (Row& r : rows) {
    SCOPED_TRACE(r.what);
    const std::string top = MakeTempDir(), dir = top + "/a/b", file = dir + "/progress.cfg";
    if (!r.before.empty()) {
      mkdir((top + "/a").c_str(), 0700);
      mkdir(dir.c_str(), 0700);
      WriteFile(file, r.before);
    }
    if (r.spoil) r.spoil(file);
    const std::string old = Read(file);
    Progress p;
    std::string message;
    EXPECT_TRUE(LoadProgress(file, p, message));
    const bool broken = std::string(r.what) == "broken";
    EXPECT_EQ(broken, message.find(file + " could not be read") != std::string::npos) << message;
    if (broken) {
      EXPECT_EQ(Read(file + ".broken"), r.before);
      EXPECT_EQ(Dump(p), "x1");
    }
    for (auto& w : r.wins) p.RecordWin(w.first, w.second);
    if (!r.wins.empty()) {
      EXPECT_EQ(SaveProgress(file, p, message), r.saved);
    }
    if (!r.saved) {
      EXPECT_NE(message.find("progress is not saved: " + top), std::string::npos) << message;
      EXPECT_EQ(Read(file), old);
    }
    chmod(dir.c_str(), 0700);
    Progress q;
    LoadProgress(file, q, message);
    EXPECT_EQ(Dump(q), r.after);
  }
}

TEST(Progress, Folder) {
  const char* was[] = {getenv("XDG_DATA_HOME"), getenv("HOME")};
  const std::string keep[] = {was[0] ? was[0] : "", was[1] ? was[1] : ""};
  struct {
    const char* xdg;
    const char* home;
    const char* folder;
  } rows[] = {
      {"/x/data", "/h", "/x/data/delvorn"},
      {"x/data", "/h", "/h/.local/share/delvorn"},  // relative: not to be used
      {nullptr, "/h", "/h/.local/share/delvorn"},
      {nullptr, nullptr, ""},
  };
  for (auto& r : rows) {
    r.xdg ? setenv("XDG_DATA_HOME", r.xdg, 1) : unsetenv("XDG_DATA_HOME");
    r.home ? setenv("HOME", r.home, 1) : unsetenv("HOME");
    EXPECT_EQ(ProgressFolder(), r.folder) << (r.xdg ? r.xdg : "-");
  }
  was[0] ? setenv("XDG_DATA_HOME", keep[0].c_str(), 1) : unsetenv("XDG_DATA_HOME");
  was[1] ? setenv("HOME", keep[1].c_str(), 1) : unsetenv("HOME");
}

}  // namespace
