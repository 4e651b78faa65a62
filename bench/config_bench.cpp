// Reading level-like configuration files of 1 MB and 4 MB with CFGDocument::ReadFile.
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "bench/bench.h"
#include "config/CFGDocument.h"

namespace {

// Sections, animation sequences and objects as a level file holds them, repeated to `bytes`.
std::string LevelText(size_t bytes) {
  std::string t;
  t.reserve(bytes + 4096);
  t += "// generated level for the reader benchmark\r\n";
  t += "level = {\n\tground = \"map/ground.png\";\n\tmask = map/mask.png;\n"
       "\tnextlevel = map/next.cfg; /* the one after */\n}\n";
  t += "player = { posx = 120; posy = 80; health = 100; battery = 300000; }\n";
  unsigned int n = 0;
  while (t.size() < bytes) {
    const std::string id = std::to_string(n);
    if (n % 8 == 0) {
      t += "/* sequence " + id + " of the objects below\n   frames left to right */\n";
      t += "images = {\n\tname = seq" + id + ";\n\tfile = \"map/objects " + id + ".png\";\n";
      t += "\tframes = 6; delay = 4;\n\t{ x = 0; y = 0; w = 25; h = 25; }\n"
           "\t{ x = 25; y = 0; w = 25; h = 25; }\n}\n";
    }
    t += "object = {\n";
    t += "\tclass = " + std::to_string(n % 12) + ";   // what a touch does\n";
    t += "\tsequence = seq" + std::to_string(n - n % 8) + ";\n";
    t += "\tposx = " + std::to_string((n * 37) % 4000) + "; posy = " +
         std::to_string((n * 91) % 3000) + ";\n";
    t += "\ttext = \"Kontrolpunkts " + id + ": \\\"uzmanies\\\" no bedres\";\n";
    t += "}\n";
    ++n;
  }
  return t;
}

std::string WriteTemp(const std::string& dir, const std::string& name, size_t bytes) {
  const std::string path = dir + "/" + name;
  const std::string text = LevelText(bytes);
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) {
    perror(path.c_str());
    return path;
  }
  fwrite(text.data(), 1, text.size(), f);
  fclose(f);
  return path;
}

void Run() {
  char tmpl[] = "/tmp/delvorn_config_bench_XXXXXX";
  if (mkdtemp(tmpl) == nullptr) {
    perror("mkdtemp");
    return;
  }
  const std::string dir = tmpl;
  const struct {
    const char* label;
    const char* file;
    size_t bytes;
  } sizes[] = {
      {"config ReadFile 1 MB level file", "level1mb.cfg", size_t(1) << 20},
      {"config ReadFile 4 MB level file", "level4mb.cfg", size_t(4) << 20},
  };
  for (const auto& s : sizes) {
    const std::string path = WriteTemp(dir, s.file, s.bytes);
    size_t nodes = 0;
    bool ok = true;
    // Each run reads into a fresh document and frees it again, as a level load does.
    const double ms = BenchMedianMs(15, [&] {
      CFGDocument doc;
      ok = doc.ReadFile(path) && ok;
      nodes = 0;
      for (CFGNode* c = doc.GetFirstChild(); c != nullptr; c = c->GetNextNode()) ++nodes;
    });
    BenchReport(s.label, ms,
                std::to_string(nodes) + " top-level nodes" + (ok ? "" : ", READ FAILED"));
    remove(path.c_str());
  }
  rmdir(dir.c_str());
}

BenchRegister r("config", [] { Run(); });

}  // namespace
