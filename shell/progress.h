// The player's progress: the levels won, the best time of each and the window settings, kept in
// one small configuration file in the player's data folder.
#ifndef DELVORN_SHELL_PROGRESS_H
#define DELVORN_SHELL_PROGRESS_H

#include <string>
#include <vector>

struct LevelProgress {
  std::string level;  // the level file's path, such as "map/intro.cfg"
  bool won = false;
  unsigned best_ms = 0;  // 0: no time yet
};

class Progress {
 public:
  std::vector<LevelProgress> levels;
  int scale = 1;  // 1..4
  bool fullscreen = false;

  // The level's entry, or null.
  LevelProgress* Find(const std::string& level);
  // Marks the level won, adding it when new, and keeps the shorter time; 0 is no time.
  void RecordWin(const std::string& level, unsigned ms);
};

// $XDG_DATA_HOME/delvorn (when absolute), else $HOME/.local/share/delvorn; %APPDATA%\delvorn on
// Windows. Empty when none of them is set.
std::string ProgressFolder();
// The progress file in ProgressFolder(); empty when the folder is.
std::string ProgressFile();

// Where the progress file is kept, as the help tells it (the rule, not this run's path).
const char* ProgressFileRule();

// Reads `path` into `p`, which starts fresh in every case but a good file. A missing file is
// fresh progress. A file that does not parse or holds wrong values is renamed to path.broken
// and `message` says so in one line. False only when the file is there but can neither be read
// nor set aside (a folder, no permission); `message` says why.
bool LoadProgress(const std::string& path, Progress& p, std::string& message);
// Writes `p` to `path` through a temporary file renamed over it, creating the folders; on
// failure the old file stays as it was and `message` gives the file and the reason in one line.
bool SaveProgress(const std::string& path, const Progress& p, std::string& message);

#endif
