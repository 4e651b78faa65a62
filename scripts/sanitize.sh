#!/usr/bin/env bash
# The whole headless suite once more, built with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer (-DDELVORN_SANITIZE=ON): a memory error, undefined behaviour or
# a leak fails the test that meets it. The real-window tests ran in the plain build and are
# not repeated. Called by test.sh after the plain pass; it builds into BUILD_DIR-sanitize.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build_dir=${SANITIZE_BUILD_DIR:-${BUILD_DIR:-build}-sanitize}
# -O1 as the sanitizers' authors advise: quicker to build, and stack traces stay exact.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
  -DDELVORN_SANITIZE=ON >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build_dir"
ctest --output-on-failure -j2 --timeout 600 -E '^window_'
