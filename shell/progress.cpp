// Reading and writing the progress file.
#include "shell/progress.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include "config/CFGDocument.h"
#include "config/CFGIemesls.h"

#ifdef _WIN32
#ifndef NOMINMAX  // libstdc++ for MinGW defines it already
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
const char kSeparators[] = "/\\";
int OpenForWriting(const std::string& p) {
  return _open(p.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long WriteSome(int fd, const char* d, size_t n) { return _write(fd, d, (unsigned)n); }
int SyncFile(int fd) { return _commit(fd); }
int CloseFile(int fd) { return _close(fd); }
int MakeFolder(const std::string& p) { return _mkdir(p.c_str()); }
void SyncFolder(const std::string&) {}
// rename() on Windows refuses to replace an existing file.
bool MoveOver(const std::string& from, const std::string& to, std::string& why) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  why = "Windows error " + std::to_string(GetLastError());
  return false;
}
#else
const char kSeparators[] = "/";
int OpenForWriting(const std::string& p) {
  return open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}
long WriteSome(int fd, const char* d, size_t n) { return write(fd, d, n); }
int SyncFile(int fd) { return fsync(fd); }
int CloseFile(int fd) { return close(fd); }
int MakeFolder(const std::string& p) { return mkdir(p.c_str(), 0700); }
// The rename lives in the folder: without this a power cut may bring back the old file. Not
// every file system can sync a folder, and the new file is whole either way, so errors pass.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}
bool MoveOver(const std::string& from, const std::string& to, std::string& why) {
  if (rename(from.c_str(), to.c_str()) == 0) return true;
  why = std::strerror(errno);
  return false;
}
#endif

// A progress file is a few lines per level; anything far larger is not ours.
const off_t kLargest = off_t(1) << 20;

const char kHex[] = "0123456789ABCDEF";

// Bytes the reader would drop or cut at (white space, quotes, the structure, comment openers)
// are written as %XX; UTF-8 passes as it is, so that any level path comes back as it was.
std::string Escape(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    const bool slashes = c == '/' && !out.empty() && out.back() == '/';
    if (c <= ' ' || c == 0x7f || std::strchr("%;{}=\"\\*", c) != nullptr || slashes) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int HexDigit(char c) {
  const char* at = c != '\0' ? std::strchr(kHex, c) : nullptr;
  return at != nullptr ? static_cast<int>(at - kHex) : -1;
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    const int hi = s[i] == '%' && i + 2 < s.size() ? HexDigit(s[i + 1]) : -1;
    const int lo = hi >= 0 ? HexDigit(s[i + 2]) : -1;
    if (lo >= 0) {
      out += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

// The block's `key` as a whole number within 0..top (negative counts as 0, larger as top); false
// when it is there but not a number. A missing key leaves `value` alone.
bool ReadNumber(CFGNode* block, const char* key, unsigned long long top, unsigned long long& value,
                std::string& why) {
  CFGNode* n = block->GetFirstChild(key);
  if (n == nullptr) return true;
  const std::string text = n->GetValue();
  size_t i = text.size() > 0 && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size()) {
    why = std::string(key) + " is not a number";
    return false;
  }
  unsigned long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') {
      why = std::string(key) + " is not a number";
      return false;
    }
    v = v > top / 10 ? top : v * 10 + static_cast<unsigned>(text[i] - '0');
    if (v > top) v = top;
  }
  value = text[0] == '-' ? 0 : v;
  return true;
}

void KeepBest(LevelProgress& l, unsigned ms) {
  if (ms != 0 && (l.best_ms == 0 || ms < l.best_ms)) l.best_ms = ms;
}

bool Decode(CFGDocument& doc, Progress& p, std::string& why) {
  bool known = false;
  std::map<std::string, size_t> index;  // a long file would be slow to merge by Find
  for (CFGNode* n = doc.GetFirstChild(); n != nullptr; n = n->GetNextNode()) {
    const std::string name = n->GetName();
    if (name != "settings" && name != "level") continue;
    known = true;
    if (n->GetFirstChild() == nullptr) {
      why = name + " is not a { } block";
      return false;
    }
    if (name == "settings") {
      unsigned long long scale = 1, fullscreen = 0;
      if (!ReadNumber(n, "scale", 4, scale, why) ||
          !ReadNumber(n, "fullscreen", 1, fullscreen, why))
        return false;
      p.scale = scale < 1 ? 1 : static_cast<int>(scale);
      p.fullscreen = fullscreen != 0;
      continue;
    }
    CFGNode* path = n->GetFirstChild("path");
    const std::string level = path != nullptr ? Unescape(path->GetValue()) : std::string();
    if (level.empty()) {
      why = "a level has no path";
      return false;
    }
    unsigned long long won = 0, best = 0;
    if (!ReadNumber(n, "won", 1, won, why) || !ReadNumber(n, "best", UINT_MAX, best, why))
      return false;
    // A level written twice keeps what either entry says.
    auto at = index.emplace(level, p.levels.size());
    if (at.second) p.levels.push_back(LevelProgress{level});
    LevelProgress& l = p.levels[at.first->second];
    l.won = l.won || won != 0;
    KeepBest(l, static_cast<unsigned>(best));
  }
  if (!known) why = "it holds neither settings nor levels";
  return known;
}

std::string FolderOf(const std::string& path) {
  const size_t cut = path.find_last_of(kSeparators);
  if (cut == std::string::npos) return ".";
  return cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
}

std::string NameOf(const std::string& path) {
  const size_t cut = path.find_last_of(kSeparators);
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Creates `folder` and the folders above it that are missing. It climbs only as far as
// needed, so a drive or a share at the top is never made or looked at.
bool MakeFolders(const std::string& folder, std::string& why) {
  struct stat st;
  if (stat(folder.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return true;
    why = folder + " is not a folder";
    return false;
  }
  const size_t cut = folder.find_last_of(kSeparators);
  if (errno == ENOENT && cut != std::string::npos && cut > 0 &&
      !MakeFolders(folder.substr(0, cut), why))
    return false;
  if (MakeFolder(folder) == 0) return true;
  why = folder + " cannot be made: " + std::strerror(errno);
  return false;
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const long n = WriteSome(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string ProgressText(const Progress& p) {
  CFGDocument doc;
  CFGNode* s = doc.CreateChildNode("settings");
  const int scale = p.scale < 1 ? 1 : p.scale > 4 ? 4 : p.scale;
  s->CreateChildNode("scale", std::to_string(scale));
  s->CreateChildNode("fullscreen", p.fullscreen ? "1" : "0");
  for (const LevelProgress& l : p.levels) {
    if (l.level.empty()) continue;  // the reader would refuse the whole file for it
    CFGNode* n = doc.CreateChildNode("level");
    n->CreateChildNode("path", Escape(l.level));
    n->CreateChildNode("won", l.won ? "1" : "0");
    n->CreateChildNode("best", std::to_string(l.best_ms));
  }
  std::string text = "// Delvorn's progress, rewritten by the game at every save.\n";
  doc.Generate(text);
  return text;
}

}  // namespace

LevelProgress* Progress::Find(const std::string& level) {
  for (LevelProgress& l : levels) {
    if (l.level == level) return &l;
  }
  return nullptr;
}

void Progress::RecordWin(const std::string& level, unsigned ms) {
  LevelProgress* l = Find(level);
  if (l == nullptr) {
    levels.push_back(LevelProgress{level});
    l = &levels.back();
  }
  l->won = true;
  KeepBest(*l, ms);
}

std::string ProgressFolder() {
#ifdef _WIN32
  const char* appdata = std::getenv("APPDATA");
  if (appdata != nullptr && appdata[0] != '\0') return std::string(appdata) + "\\delvorn";
#else
  // A relative XDG_DATA_HOME is invalid by its own rules and is ignored.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/delvorn";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/share/delvorn";
#endif
  return std::string();
}

std::string ProgressFile() {
  const std::string folder = ProgressFolder();
  if (folder.empty()) return folder;
#ifdef _WIN32
  return folder + "\\progress.cfg";
#else
  return folder + "/progress.cfg";
#endif
}

const char* ProgressFileRule() {
#ifdef _WIN32
  return "%APPDATA%\\delvorn\\progress.cfg";
#else
  return "$XDG_DATA_HOME/delvorn/progress.cfg (else ~/.local/share/delvorn/progress.cfg)";
#endif
}

bool LoadProgress(const std::string& path, Progress& p, std::string& message) {
  p = Progress();
  message.clear();
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    // A file where a folder should be is the save's concern; there is nothing to read.
    if (errno == ENOENT || errno == ENOTDIR) return true;
    message =
        "delvorn: " + path + " cannot be read: " + std::strerror(errno) + "; play starts afresh";
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    message = "delvorn: " + path + " is not a plain file; play starts afresh";
    return false;
  }
  // A file we may not read is not broken, and not ours to move.
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    message =
        "delvorn: " + path + " cannot be read: " + std::strerror(errno) + "; play starts afresh";
    return false;
  }
  std::fclose(f);

  std::string why;
  if (st.st_size > kLargest) {
    why = "it is larger than 1 MiB";
  } else {
    CFGDocument doc;
    Progress read;
    if (CFGLasitKlusi(doc, path, why) && Decode(doc, read, why)) {
      p = read;
      return true;
    }
  }
  const std::string head = "delvorn: " + path + " could not be read (" + why + ")";
  std::string failure;
  if (!MoveOver(path, path + ".broken", failure)) {
    message = head + " nor set aside (" + failure + "); play starts afresh";
    return false;
  }
  message = head + "; it is set aside as " + NameOf(path) + ".broken and play starts afresh";
  return true;
}

bool SaveProgress(const std::string& path, const Progress& p, std::string& message) {
  message.clear();
  const std::string head = "delvorn: progress is not saved: ";
  if (path.empty()) {
    message = head + "no folder for it is known (HOME is not set)";
    return false;
  }
  const std::string folder = FolderOf(path);
  std::string why;
  if (!MakeFolders(folder, why)) {
    message = head + why;
    return false;
  }

  const std::string temp = path + ".tmp";
  const std::string text = ProgressText(p);
  const int fd = OpenForWriting(temp);
  if (fd < 0) {
    message = head + temp + " cannot be written: " + std::strerror(errno);
    return false;
  }
  bool written = WriteAll(fd, text) && SyncFile(fd) == 0;
  int error = errno;
  // A failed close can be the first word of a failed write on a network file system.
  if (CloseFile(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (!written) {
    std::remove(temp.c_str());
    message = head + temp + " cannot be written: " + std::strerror(error);
    return false;
  }
  if (!MoveOver(temp, path, why)) {
    std::remove(temp.c_str());
    message = head + temp + " cannot replace " + path + ": " + why;
    return false;
  }
  SyncFolder(folder);
  return true;
}
