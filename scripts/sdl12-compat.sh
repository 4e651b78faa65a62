#!/usr/bin/env bash
# Prints the folder holding Debian's sdl12-compat library (SDL 1.2 over SDL 2, package
# libsdl1.2-compat) unpacked into BUILD_DIR/sdl12-compat, fetching it the first time.
# It is never installed: the classic SDL 1.2 stays the system's, and a run picks the
# compatibility library with LD_LIBRARY_PATH. Usage: sdl12-compat.sh [BUILD_DIR]
set -euo pipefail
build_dir=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
dest="$build_dir/sdl12-compat"
find_lib() { { find "$dest/root" -name libSDL-1.2.so.0 2>/dev/null || true; } | head -n 1; }
lib=$(find_lib)
if [ -z "$lib" ]; then
  rm -rf "$dest"
  mkdir -p "$dest/deb"
  # Its own dependency, SDL 2, is a plain runtime library that set-up installs.
  if ! (cd "$dest/deb" && apt-get download libsdl1.2-compat) >"$dest/download.log" 2>&1; then
    apt-get update -qq >/dev/null 2>&1 || true
    (cd "$dest/deb" && apt-get download libsdl1.2-compat) >"$dest/download.log" 2>&1 \
      || { cat "$dest/download.log" >&2; exit 1; }
  fi
  dpkg-deb -x "$dest"/deb/libsdl1.2-compat_*.deb "$dest/root"
  lib=$(find_lib)
  [ -n "$lib" ] || { echo "sdl12-compat.sh: no libSDL-1.2.so.0 in the package" >&2; exit 1; }
fi
dirname "$lib"
