// libFuzzer harness for the configuration reader and writer (not built by CMake).
//
//   clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -I. \
//       tests/fuzz/config_fuzz.cpp config/*.cpp -o /tmp/config_fuzz && /tmp/config_fuzz
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
