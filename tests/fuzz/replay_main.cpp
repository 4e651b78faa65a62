// Replays a fuzz target's inputs without libFuzzer (gcc has none): every file named, and every
// file in every folder named, in name order, goes once through LLVMFuzzerTestOneInput. The test
// command runs the targets this way on their seed corpora; a crash or sanitizer report fails it.
#include <dirent.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Savakt(const std::string& cels, std::vector<std::string>& faili) {
  struct stat st;
  if (stat(cels.c_str(), &st) != 0) return;
  if (!S_ISDIR(st.st_mode)) {
    faili.push_back(cels);
    return;
  }
  DIR* d = opendir(cels.c_str());
  if (!d) return;
  std::vector<std::string> vardi;
  while (dirent* e = readdir(d))
    if (e->d_name[0] != '.') vardi.push_back(e->d_name);
  closedir(d);
  std::sort(vardi.begin(), vardi.end());
  for (const std::string& v : vardi) {
    const std::string pilns = cels + "/" + v;
    if (stat(pilns.c_str(), &st) == 0 && S_ISREG(st.st_mode)) faili.push_back(pilns);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> faili;
  for (int i = 1; i < argc; i++) Savakt(argv[i], faili);
  LLVMFuzzerInitialize(&argc, &argv);
  for (const std::string& f : faili) {
    std::ifstream in(f, std::ios::binary);
    const std::string dati((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(dati.data()), dati.size());
  }
  fprintf(stderr, "replayed %zu inputs\n", faili.size());
  // No inputs at all means the corpus went missing: that must not pass as a clean run.
  return faili.empty() ? 1 : 0;
}
