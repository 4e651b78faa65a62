#!/usr/bin/env bash
# cmake --install with DESTDIR into a temporary folder: the Debian games layout, data that
# matches the run folder, links to fonts-dustin instead of copies, valid desktop entry,
# AppStream metadata and man pages, and the installed game run headless from elsewhere.
# Usage: bash layout.sh BUILD_DIR
set -u
fail() { echo "FAIL: $*"; exit 1; }
build=$(cd "${1:?usage: layout.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix=/usr/local
stage="$work/stage"
DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
  || fail "cmake --install: $(tail -n 5 "$work/install.log")"
root="$stage$prefix"
data="$root/share/games/delvorn"

# 1. Programs, the launcher's folder and the links that tie them together.
for f in games/delvorn games/delvorn-cfg lib/games/delvorn/Game; do
  [ -f "$root/$f" ] && [ ! -L "$root/$f" ] && [ -x "$root/$f" ] || fail "$f is not a program"
done
link_is() {  # LINK TARGET: LINK is a symbolic link whose text is TARGET, and it resolves
  [ -L "$root/$1" ] || fail "$1 is not a link"
  [ "$(readlink "$root/$1")" = "$2" ] || fail "$1 points to $(readlink "$root/$1"), not $2"
  [ -e "$root/$1" ] || fail "$1 leads nowhere"
}
link_is games/delvorn-launcher ../lib/games/delvorn/Game
link_is lib/games/delvorn/bin/delvorn ../../../../games/delvorn
link_is lib/games/delvorn/Game.bmp ../../../share/games/delvorn/Game.bmp
link_is lib/games/delvorn/bin/dustismo_bold.ttf /usr/share/fonts/truetype/dustin/dustismo_bold.ttf
link_is share/games/delvorn/dustismo_bold.ttf /usr/share/fonts/truetype/dustin/dustismo_bold.ttf
link_is share/games/delvorn/dustismo_bold.TTF /usr/share/fonts/truetype/dustin/dustismo_bold.ttf
link_is share/games/delvorn/hlth.ttf /usr/share/fonts/truetype/dustin/Dustismo_Roman_Bold.ttf
link_is share/man/man6/delvorn-launcher.6.gz delvorn.6.gz

# 2. The data is the run folder without its programs and fonts, every picture and level, and
#    the launcher's picture.
(cd "$build/dist/bin" && find . -type f ! -name '*.ttf' ! -name '*.TTF' ! -perm -u+x
 echo ./Game.bmp) | sort >"$work/run"
(cd "$data" && find . -type f | sort) >"$work/installed"
diff "$work/run" "$work/installed" >"$work/diff" || fail "data differs from the run folder: $(head "$work/diff")"
[ "$(wc -l <"$work/installed")" -gt 20 ] || fail "only $(wc -l <"$work/installed") data files"
grep -qx './ui/ikona.png' "$work/installed" || fail "no window icon in the data"
grep -qx './sound/semtex.wav' "$work/installed" || fail "no sounds in the data"
[ -z "$(find "$root/share" -type f -perm -u+x)" ] || fail "programs under share/"
[ -z "$(find "$stage" -type f \( -name '*.ttf' -o -name '*.TTF' \))" ] || fail "a font was copied"

# 3. Icons at every size, each of its own size.
for n in 32 48 64 128 256; do
  icon="$root/share/icons/hicolor/${n}x${n}/apps/delvorn.png"
  size=$(/usr/bin/python3 -c 'import sys; from PIL import Image; print("%dx%d %s" % (Image.open(sys.argv[1]).size + (Image.open(sys.argv[1]).mode,)))' "$icon") \
    || fail "no icon $icon"
  [ "$size" = "${n}x${n} RGBA" ] || fail "icon ${n}x${n} is $size"
done

# 4. Desktop entry, AppStream metadata and man pages pass their validators.
entry="$root/share/applications/delvorn.desktop"
desktop-file-validate "$entry" >"$work/dfv" 2>&1 || fail "desktop-file-validate: $(cat "$work/dfv")"
[ ! -s "$work/dfv" ] || fail "desktop-file-validate says: $(cat "$work/dfv")"
grep -qx "Exec=$prefix/games/delvorn" "$entry" || fail "Exec is not $prefix/games/delvorn"
grep -qx "Icon=delvorn" "$entry" || fail "the entry names no icon"
meta=$(ls "$root"/share/metainfo/*.metainfo.xml) || fail "no AppStream metadata"
appstreamcli validate --no-net "$meta" >"$work/asv" 2>&1 || fail "appstreamcli: $(cat "$work/asv")"
grep -q '<launchable type="desktop-id">delvorn.desktop</launchable>' "$meta" || fail "metadata launches nothing"
grep -q '<caption>' "$meta" || fail "no screenshot caption"
for page in delvorn delvorn-cfg delvorn-launcher; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man6/$page.6.gz" >"$work/man" 2>"$work/manerr" \
    || fail "man $page: $(cat "$work/manerr")"
  [ ! -s "$work/manerr" ] || fail "man $page warns: $(cat "$work/manerr")"
  grep -q '^NAME' "$work/man" || fail "man $page renders no NAME section"
done

# 5. The installed game, started from another folder: --help without a display, then a
#    headless run that ends through its quit event with status 0 (SDL turns SIGTERM into one).
elsewhere="$work/elsewhere"
mkdir -p "$elsewhere"
cd "$elsewhere"
env -u DISPLAY -u SDL_VIDEODRIVER "$root/games/delvorn" --help >"$work/help" 2>&1 || fail "--help failed"
grep -q "the data folder is $data\.\$" "$work/help" || fail "--help does not name $data: $(grep 'data folder' "$work/help")"
run_game() {  # NAME, then the program and its arguments
  local name=$1
  shift
  SDL_VIDEODRIVER=dummy timeout --preserve-status -s TERM 2 "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ $status -eq 0 ] || fail "$name: status $status; stderr: $(cat "$work/err")"
  grep -q '^|                  Delvorn' "$work/out" || fail "$name: no title box: $(cat "$work/out")"
  grep -q '^saakt$' "$work/out" || fail "$name: no saakt line"
  [ ! -s "$work/err" ] || fail "$name: stderr: $(cat "$work/err")"
}
run_game "started from another folder" "$root/games/delvorn"
# The launcher starts the game through bin/delvorn, in its bin/ folder, with "0" or "1".
cd "$root/lib/games/delvorn/bin"
run_game "started as the launcher does" ./delvorn 0
grep -qx 2 "$work/out" || fail "the launcher's argument was not counted"
"$root/games/delvorn-cfg" --help >/dev/null || fail "delvorn-cfg --help failed"
echo "PASS: installed layout, validators, man pages and the installed game run from elsewhere"
