#!/usr/bin/env bash
# Sets up, builds and runs every test (unit, headless scenario and the real-window tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j2 --timeout 300

# The headless tests once more against Debian's sdl12-compat, unpacked beside the build and
# picked with the library path (the classic SDL 1.2 stays installed): a regression on
# either library shows.
compat=$(bash "$OLDPWD/scripts/sdl12-compat.sh" "$PWD")
version=$(LD_LIBRARY_PATH="$compat" ./dist/bin/delvorn --version)
grep -q '^SDL 1\.2\.[5-9][0-9],' <<<"$version" \
  || { echo "sdl12-compat was not picked up from $compat: $version"; exit 1; }
echo "Headless tests on sdl12-compat ($compat):"
LD_LIBRARY_PATH="$compat" ctest --output-on-failure -j2 --timeout 300 -E '^(window_|install_)'

# The same suite under the sanitizers (memory errors, undefined behaviour, leaks).
cd - >/dev/null
bash scripts/sanitize.sh

# The winning runs once more from a clang build at -O3: a run replays the same whatever
# compiler and optimisation built the game.
clang_dir=${BUILD_DIR:-build}-clang
CC=clang CXX=clang++ cmake -S . -B "$clang_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$clang_dir" --target level_runs_test -j"$(nproc)"
echo "Winning runs in the clang build ($clang_dir):"
(cd "$clang_dir" && ctest --output-on-failure --timeout 300 -R WinningRun)

# The Windows programs: cross-built with MinGW-w64 into build-win/ (the libraries once, into
# its cache), packed as the players' zip, and run from that zip under Wine.
bash scripts/windows.sh
echo "Windows checks under Wine (build-win):"
(cd build-win && ctest --output-on-failure --timeout 600)
