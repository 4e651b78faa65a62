// Benchmarks: each file registers named runs; delvorn-bench prints their medians.
#ifndef DELVORN_BENCH_BENCH_H
#define DELVORN_BENCH_BENCH_H

#include <functional>
#include <string>
#include <vector>

struct BenchEntry {
  std::string name;
  std::function<void()> run;  // prints its own figures with BenchReport
};

std::vector<BenchEntry>& BenchRegistry();

struct BenchRegister {
  BenchRegister(const std::string& name, std::function<void()> run) {
    BenchRegistry().push_back(BenchEntry{name, run});
  }
};

// Median wall time of `runs` calls of f, in milliseconds.
double BenchMedianMs(int runs, const std::function<void()>& f);
// One printed line: name, median in ms, and an optional note.
void BenchReport(const std::string& name, double ms, const std::string& note = "");
// Sets the dummy video driver and an 800 x 600 x 32 screen in the run folder.
void BenchScreen();

// The benchmarks' clock: it moves only when the game sleeps, so a frame measures its work.
extern unsigned benchNow;
struct SpelesCikls;
// Starts the game as it runs (its lines dropped), the intro played through on a clock that
// jumps 100 ms per reading, then puts the benchmarks' clock in the seam and shows `ekrans`.
void BenchStartGame(SpelesCikls& c, unsigned ekrans);

#endif
