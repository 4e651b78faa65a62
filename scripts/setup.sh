#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, playing and testing, then builds.
# Quick when everything is already there: apt is only called for missing packages.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config
  libsdl1.2-dev libsdl-ttf2.0-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  fonts-dustin python3 python3-pil python3-numpy
  googletest libgtest-dev
  xvfb xdotool imagemagick x11-utils
  libsdl2-2.0-0 dpkg-dev file desktop-file-utils appstream man-db clang)
# libFuzzer, only for a fuzzing build (DELVORN_FUZZ=1 bash scripts/setup.sh).
[ "${DELVORN_FUZZ:-0}" = 1 ] && packages+=(libclang-rt-14-dev)

. scripts/apt-missing.sh
install_missing "${packages[@]}"

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
