// The game program's entry; SDL's start-up wrapper renames it on the platforms that need it.
#include <SDL.h>

#include "shell/platforma.h"
#include "shell/spele.h"

int main(int argc, char* argv[]) {
  UzSavuMapi(argc > 0 ? argv[0] : "");
  return Spele(argc, argv);
}
