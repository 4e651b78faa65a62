// The game program's entry; SDL's start-up wrapper renames it on the platforms that need it.
#include <SDL.h>
#include <stdlib.h>
#include <string.h>

#include <filesystem>
#include <string>

#include "shell/platforma.h"
#include "shell/spele.h"

namespace {

// A run file named relative to where the player started the game stays found after the
// game moves to its own folder.
void AbsolutsCels(const char* mainigais) {
  const char* v = getenv(mainigais);
  if (!v || !*v) return;
  std::error_code kluda;
  const std::filesystem::path cels = std::filesystem::absolute(v, kluda);
  if (kluda) return;
  // putenv keeps the string itself, so it lives to the end of the process.
  putenv(strdup((std::string(mainigais) + "=" + cels.string()).c_str()));
}

}  // namespace

int main(int argc, char* argv[]) {
  AbsolutsCels("DELVORN_REPLAY");
  AbsolutsCels("DELVORN_RECORD");
  UzSavuMapi(argc > 0 ? argv[0] : "");
  return Spele(argc, argv);
}
