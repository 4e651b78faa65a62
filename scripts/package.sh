#!/usr/bin/env bash
# Sets up and builds, then packs the game into BUILD_DIR/delvorn_VERSION_ARCH.deb for
# Debian 12 (install it with: apt-get install ./build/delvorn_*.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd "${BUILD_DIR:-build}"
rm -f delvorn_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
ls "$PWD"/delvorn_*.deb
