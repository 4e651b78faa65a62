#!/usr/bin/env bash
# Sets up, builds and runs every test (unit, headless scenario and the real-window tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j2 --timeout 300
# The same suite under the sanitizers (memory errors, undefined behaviour, leaks).
cd - >/dev/null
bash scripts/sanitize.sh
