// Fuzz target for the configuration reader and writer. tests/fuzz/CMakeLists.txt builds it
// with libFuzzer under clang (-DDELVORN_FUZZ=ON), otherwise as a program that replays its seeds.
//
// Every input is parsed; a tree that parsed is written back and read again. Standard output is
// closed first, since the reader prints "scope err" for half of all inputs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "config/CFGDocument.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::freopen("/dev/null", "w", stdout);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CFGDocument doc;
  if (doc.Parse(text)) {
    std::string written;
    doc.Generate(written);
    CFGDocument again;
    again.Parse(written);
    doc.RecursiveDebugOutput(0);
  }
  return 0;
}
