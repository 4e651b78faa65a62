#!/usr/bin/env bash
# The Windows programs: cross-builds their libraries with Debian's MinGW-w64 from the archives in
# third_party/ into build-win/deps (SDL as SDL.dll, the others static), then delvorn.exe,
# delvorn-cfg.exe and Game.exe with the project's CMake in build-win/, and packs
# build-win/delvorn-VERSION-win64.zip. Each library has a stamp: a second run rebuilds only what
# changed. The checks under Wine: cd build-win && ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

packages=(gcc-mingw-w64-x86-64 g++-mingw-w64-x86-64 mingw-w64-tools binutils-mingw-w64-x86-64
  cmake make pkg-config nasm xz-utils fonts-dustin python3 python3-pil python3-numpy
  wine wine64 xvfb xdotool imagemagick x11-utils unzip procps)
. scripts/apt-missing.sh
install_missing "${packages[@]}"

host=x86_64-w64-mingw32
out=$root/build-win
deps=$out/deps
src=$out/src
logs=$out/logs
stamps=$deps/stamps
jobs=$(nproc)
mkdir -p "$deps/include" "$deps/lib/pkgconfig" "$deps/bin" "$src" "$logs" "$stamps" "$out/tools"

# The posix-threads flavour: std::thread in the game needs it with Debian's MinGW; the C libraries
# use the same one so that only one libgcc/libwinpthread is ever linked.
export CC=$host-gcc-posix CXX=$host-g++-posix
export AR=$host-ar RANLIB=$host-ranlib STRIP=$host-strip WINDRES=$host-windres RC=$host-windres
export CFLAGS="-O2" CXXFLAGS="-O2"
export CPPFLAGS="-I$deps/include" LDFLAGS="-L$deps/lib"

# pkg-config that sees only our prefix, and always static, as everything is linked statically.
cat > "$out/tools/pkg-config" <<EOF
#!/bin/sh
PKG_CONFIG_LIBDIR='$deps/lib/pkgconfig' PKG_CONFIG_PATH= exec pkg-config --static "\$@"
EOF
chmod +x "$out/tools/pkg-config"
export PKG_CONFIG=$out/tools/pkg-config

# CMake: the project's MinGW toolchain, with our prefix searched first.
cat > "$out/toolchain.cmake" <<EOF
include($root/cmake/mingw-w64.cmake)
set(CMAKE_FIND_ROOT_PATH $deps /usr/$host)
set(PKG_CONFIG_EXECUTABLE $out/tools/pkg-config CACHE FILEPATH "")
EOF
cmake_common=(-G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$out/toolchain.cmake"
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" -DCMAKE_PREFIX_PATH="$deps"
  -DBUILD_SHARED_LIBS=OFF)
autotools_common=(--host=$host --prefix="$deps" --disable-shared --enable-static)

# unpack ARCHIVE: a fresh copy of the sources under build-win/src; prints the folder.
unpack() {
  local dir
  dir=$(tar tJf "$root/third_party/$1" | awk -F/ 'NR == 1 { print $1 }')
  rm -rf "${src:?}/$dir"
  tar xJf "$root/third_party/$1" -C "$src"
  echo "$src/$dir"
}

build_zlib() {
  local s; s=$(unpack zlib-1.3.1.tar.xz)
  # zlib's CMake names the static library zlibstatic on Windows; its MinGW makefile gives libz.a.
  make -C "$s" -f win32/Makefile.gcc -j"$jobs" PREFIX=$host- CC="$CC" CFLAGS="-O2 -Wall" libz.a
  make -C "$s" -f win32/Makefile.gcc PREFIX=$host- CC="$CC" SHARED_MODE=0 \
    INCLUDE_PATH="$deps/include" LIBRARY_PATH="$deps/lib" BINARY_PATH="$deps/bin" install
  # The makefile writes zlib.pc with an empty prefix.
  sed -i "s|^prefix=.*|prefix=$deps|" "$deps/lib/pkgconfig/zlib.pc"
}

build_libpng() {
  local s; s=$(unpack libpng-1.6.58.tar.xz)
  cmake -S "$s" -B "$s/build" "${cmake_common[@]}" -DPNG_SHARED=OFF -DPNG_STATIC=ON \
    -DPNG_TESTS=OFF -DPNG_TOOLS=OFF -DPNG_FRAMEWORK=OFF -DZLIB_ROOT="$deps"
  cmake --build "$s/build" -j"$jobs"
  cmake --install "$s/build"
}

build_libjpeg() {
  local s; s=$(unpack libjpeg-turbo-3.2.0.tar.xz)
  cmake -S "$s" -B "$s/build" "${cmake_common[@]}" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=nasm
  cmake --build "$s/build" -j"$jobs"
  cmake --install "$s/build"
}

build_freetype() {
  local s; s=$(unpack freetype-2.14.3.tar.xz)
  # TrueType outlines only: no colour-emoji PNGs, HarfBuzz, Brotli or bzip2 to carry.
  cmake -S "$s" -B "$s/build" "${cmake_common[@]}" -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON \
    -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_REQUIRE_ZLIB=ON
  cmake --build "$s/build" -j"$jobs"
  cmake --install "$s/build"
}

build_sdl() {
  local s; s=$(unpack SDL-1.2-1af5102.tar.xz)
  # SDL's own Windows start-up keeps its default: the game's standard streams go to stdout.txt and
  # stderr.txt beside the program (SDL_STDIO_REDIRECT=0 in the environment turns that off).
  # SDL itself becomes SDL.dll beside the programs, so that a player may swap it as its licence
  # (LGPL 2.1) allows; every other library is linked in statically.
  (cd "$s" && ./configure --host=$host --prefix="$deps" --enable-shared --disable-static)
  make -C "$s" -j"$jobs"
  rm -f "$deps/lib/libSDL.a"  # a static SDL from an older cache would be linked instead
  make -C "$s" install
}

build_sdl_ttf() {
  local s; s=$(unpack SDL_ttf-1.2-3c42337.tar.xz)
  (cd "$s" && ./configure "${autotools_common[@]}" --with-sdl-prefix="$deps" --without-x)
  make -C "$s" -j"$jobs"
  make -C "$s" install
}

build_sdl_image() {
  local s; s=$(unpack SDL_image-1.2-2ffb2e3.tar.xz)
  # Decoders linked in rather than loaded from DLLs at run time; formats needing more libraries off.
  (cd "$s" && ./configure "${autotools_common[@]}" --with-sdl-prefix="$deps" \
    --enable-bmp --enable-png --disable-png-shared --enable-jpg --disable-jpg-shared \
    --disable-tif --disable-webp)
  make -C "$s" -j"$jobs"
  make -C "$s" install
}

build_sdl_mixer() {
  local s; s=$(unpack SDL_mixer-1.2-5051774.tar.xz)
  # WAV only: the game's sounds are WAV, and the music formats need more libraries.
  (cd "$s" && ./configure "${autotools_common[@]}" --with-sdl-prefix="$deps" \
    --enable-music-wave --disable-music-cmd --disable-music-mod --disable-music-mod-modplug \
    --disable-music-midi --disable-music-ogg --disable-music-flac --disable-music-mp3 \
    --disable-music-mp3-mad-gpl)
  make -C "$s" -j"$jobs"
  make -C "$s" install
}

# step NAME: runs build_NAME unless its stamp matches the function's text and the toolchain,
# logging to build-win/logs/NAME.log and the time taken to build-win/times.txt.
step() {
  local name=$1 key stamp=$stamps/$1 start
  key=$( (declare -f "build_$name"; echo "$CC $CFLAGS"; "$CC" --version | head -1) | sha1sum | cut -d' ' -f1)
  if [ "$rebuilt" = 0 ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
    echo "$name: up to date"
    return
  fi
  echo "$name: building (log in build-win/logs/$name.log)"
  start=$SECONDS
  if ! "build_$name" >"$logs/$name.log" 2>&1; then
    echo "$name: FAILED; the end of build-win/logs/$name.log:" >&2
    tail -n 30 "$logs/$name.log" >&2
    exit 1
  fi
  echo "$key" >"$stamp"
  rebuilt=1
  echo "$name: done in $((SECONDS - start)) s"
  echo "$(date -u +%FT%TZ) $name $((SECONDS - start)) s" >>"$out/times.txt"
}

# Each library builds on those before it, so once one is rebuilt all that follow are too.
rebuilt=0
order=(zlib libpng libjpeg freetype sdl sdl_ttf sdl_image sdl_mixer)
for name in "${order[@]}"; do step "$name"; done

# The licences that travel with the programs, from the archives as they are.
licences=$deps/licences
rm -rf "$licences"
mkdir -p "$licences"
while read -r archive file; do
  tar xJf "third_party/$archive" -C "$licences" "$file"
done <<'EOF'
SDL-1.2-1af5102.tar.xz SDL-1.2/COPYING
SDL_ttf-1.2-3c42337.tar.xz SDL_ttf-1.2/COPYING
SDL_image-1.2-2ffb2e3.tar.xz SDL_image-1.2/COPYING
SDL_mixer-1.2-5051774.tar.xz SDL_mixer-1.2/COPYING
freetype-2.14.3.tar.xz freetype-2.14.3/LICENSE.TXT
freetype-2.14.3.tar.xz freetype-2.14.3/docs/FTL.TXT
libpng-1.6.58.tar.xz libpng-1.6.58/LICENSE
libjpeg-turbo-3.2.0.tar.xz libjpeg-turbo-3.2.0/LICENSE.md
libjpeg-turbo-3.2.0.tar.xz libjpeg-turbo-3.2.0/README.ijg
zlib-1.3.1.tar.xz zlib-1.3.1/LICENSE
EOF
echo "Windows libraries ready in build-win/deps"

# The programs and the zip, with the project's CMake; build-win is their build folder.
cmake -S . -B "$out" -DCMAKE_TOOLCHAIN_FILE="$out/toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DBENCH_GLOBS="bench/bench.cpp;bench/main.cpp;bench/field_bench.cpp" >"$logs/game-cmake.log"
cmake --build "$out" -j"$jobs" --target zip
