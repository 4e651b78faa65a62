// delvorn-bench [NAME...]: runs the registered benchmarks (all, or those named) headless.
#include <stdio.h>
#include <string.h>

#include "bench/bench.h"

// A console program with its own entry, not SDL's windowed start-up.
#undef main

int main(int argc, char** argv) {
  int ran = 0;
  for (const BenchEntry& e : BenchRegistry()) {
    bool wanted = argc < 2;
    for (int i = 1; i < argc; i++) wanted = wanted || e.name == argv[i];
    if (!wanted) continue;
    printf("== %s\n", e.name.c_str());
    e.run();
    ran++;
  }
  if (ran == 0) {
    fprintf(stderr, "no benchmark of that name; known:");
    for (const BenchEntry& e : BenchRegistry()) fprintf(stderr, " %s", e.name.c_str());
    fprintf(stderr, "\n");
    return 2;
  }
  return 0;
}
