#!/usr/bin/env bash
# cpack -G DEB: the package's name, control fields, Depends and file list.
# Usage: bash deb.sh BUILD_DIR
set -u
fail() { echo "FAIL: $*"; exit 1; }
build=$(cd "${1:?usage: deb.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || fail "cpack: $(tail -n 20 "$work/cpack.log")"
arch=$(dpkg --print-architecture)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no version in CPackConfig.cmake"
deb="$work/out/delvorn_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = delvorn ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
depends=$(field Depends)
# Each runtime library the programs link, and the fonts they open by path.
for want in libsdl1.2debian libsdl-ttf2.0-0 libsdl-image1.2 libsdl-mixer1.2 libc6 libstdc++6 fonts-dustin; do
  echo "$depends" | tr ',' '\n' | sed 's/^ *//' | grep -q "^$want\b" || fail "Depends lacks $want: $depends"
done
echo "$depends" | grep -q -- '-dev\b' && fail "Depends names a development package: $depends"

dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }' | sort >"$work/list"
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print }' | grep -q . && fail "files not owned by root"
has() { grep -qxF -- "$1" "$work/list" || fail "the package lacks $1"; }
has ./usr/games/delvorn
has ./usr/games/delvorn-cfg
has "./usr/games/delvorn-launcher -> ../lib/games/delvorn/Game"
has ./usr/lib/games/delvorn/Game
has "./usr/lib/games/delvorn/bin/delvorn -> ../../../../games/delvorn"
has "./usr/lib/games/delvorn/Game.bmp -> ../../../share/games/delvorn/Game.bmp"
has "./usr/lib/games/delvorn/bin/dustismo_bold.ttf -> ../../../../share/fonts/truetype/dustin/dustismo_bold.ttf"
has "./usr/share/games/delvorn/dustismo_bold.ttf -> ../../fonts/truetype/dustin/dustismo_bold.ttf"
has "./usr/share/games/delvorn/dustismo_bold.TTF -> ../../fonts/truetype/dustin/dustismo_bold.ttf"
has "./usr/share/games/delvorn/hlth.ttf -> ../../fonts/truetype/dustin/Dustismo_Roman_Bold.ttf"
has ./usr/share/games/delvorn/Game.bmp
has ./usr/share/games/delvorn/map/pamats1.bmp
has ./usr/share/games/delvorn/ui/ikona.png
has ./usr/share/games/delvorn/sound/solis.wav
has ./usr/share/applications/delvorn.desktop
for n in 32 48 64 128 256; do has "./usr/share/icons/hicolor/${n}x${n}/apps/delvorn.png"; done
has ./usr/share/man/man6/delvorn.6.gz
has ./usr/share/man/man6/delvorn-cfg.6.gz
has "./usr/share/man/man6/delvorn-launcher.6.gz -> delvorn.6.gz"
grep -q '^\./usr/share/metainfo/.*\.metainfo\.xml$' "$work/list" || fail "no AppStream metadata"
# Only /usr, and no fonts of its own: fonts-dustin owns them.
grep -v '^\./$' "$work/list" | grep -v '^\./usr/' && fail "files outside /usr"
grep -v ' -> ' "$work/list" | grep -E '\.(ttf|TTF)$' && fail "the package carries a font file"
# Every level file of the run folder is in it.
for level in "$build"/dist/bin/map/*.cfg; do
  [ -e "$level" ] || continue
  has "./usr/share/games/delvorn/map/$(basename "$level")"
done

# The unpacked programs are stripped and the entry starts the packaged game.
dpkg-deb -x "$deb" "$work/x"
for p in usr/games/delvorn usr/games/delvorn-cfg usr/lib/games/delvorn/Game; do
  file "$work/x/$p" | grep -q ', stripped' || fail "$p is not stripped: $(file "$work/x/$p")"
done
grep -qx 'Exec=/usr/games/delvorn' "$work/x/usr/share/applications/delvorn.desktop" \
  || fail "the desktop entry does not start /usr/games/delvorn"
echo "PASS: $(basename "$deb"): Depends: $depends"
