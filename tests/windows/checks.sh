#!/bin/bash
# The Windows programs under Wine in a virtual X server, run from their zip unpacked in a
# scratch folder, with one Wine prefix made for the whole run: the game draws a level, writes
# its start-up lines to stdout.txt and quits on a close with status 0; a missing font shows the
# error box and ends with status 1; Game.exe's dialog starts the game as its own process in
# bin with the check box's argument; delvorn-cfg.exe passes every shipped level; the winning
# runs replay to their wins. Usage: bash checks.sh BUILD_DIR (the folder holding the zip)
set -u

fail() { echo "checks.sh: $*" >&2; exit 1; }
[ $# -eq 1 ] || fail "usage: checks.sh BUILD_DIR"
ZIP=$(ls "$1"/delvorn-*-win64.zip 2>/dev/null | head -1)
[ -n "$ZIP" ] || fail "no delvorn-*-win64.zip in $1"
HERE=$(cd "$(dirname "$0")" && pwd)
PY=/usr/bin/python3

WORK=$(mktemp -d /tmp/delvorn-wine-XXXXXX)
XVFB_PID=""
cleanup() {
  WINEPREFIX=$WORK/prefix wineserver -k 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

. "$HERE/../support/poll.sh"
# The visible top-level window of that title, if there is one.
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
has_window() { [ -n "$(window "$1")" ]; }
# Pids of the Windows processes running PROGRAM.exe (Wine shows their own command lines).
game_pids() { pgrep -f "^[^ ]*$1\\.exe" || true; }

SCREEN=1280x1024
Xvfb -displayfd 3 -noreset -screen 0 ${SCREEN}x24 3>"$WORK/display" >/dev/null 2>&1 &
XVFB_PID=$!
poll 100 test -s "$WORK/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$WORK/display")" WINEPREFIX=$WORK/prefix WINEDEBUG=-all
# No Mono or Gecko installer at the prefix's first start; no sound device needed.
export WINEDLLOVERRIDES="mscoree,mshtml=" SDL_AUDIODRIVER=dummy
start=$SECONDS
wineboot --init >/dev/null 2>&1 || fail "the Wine prefix could not be made"
echo "Wine prefix made in $((SECONDS - start)) s"

unzip -q "$ZIP" -d "$WORK" || fail "$ZIP does not unpack"
ROOT=$(ls -d "$WORK"/delvorn-*-win64)
BIN=$ROOT/bin
cd "$BIN" || fail "the zip has no bin folder"

# ---- a level drawn, its lines in stdout.txt, a close ending it with status 0 ----
wine delvorn.exe 0 map/raktuve.cfg >/dev/null 2>&1 &
pid=$!
poll 600 has_window Delvorn || fail "delvorn.exe opened no window"
win=$(window Delvorn)
# The field's colours: most of the window is in the palette of the level's own pictures.
field_drawn() {
  import -window "$win" "$WORK/level.png" 2>/dev/null && "$PY" - "$WORK/level.png" <<'EOF'
import sys
from PIL import Image
def quantised(im):
    return [(r >> 4, g >> 4, b >> 4) for r, g, b in im.convert("RGB").getdata()]
palette = set()
for name in ("map/raktuve_pamats.png", "map/raktuve_zeme.png"):
    palette.update(quantised(Image.open(name)))
shot = quantised(Image.open(sys.argv[1]))
inside = sum(c in palette for c in shot) / len(shot)
print(f"level window: {inside:.0%} of its pixels in the field's colours, "
      f"{len(set(shot))} colours")
sys.exit(0 if inside > 0.6 and len(set(shot)) > 40 else 1)
EOF
}
poll 20 field_drawn || fail "the level's field is not on the screen (see the lines above)"
geometry=$(xdotool getwindowgeometry "$win" | grep -o '[0-9]*x[0-9]*$')
[ "$geometry" = 800x600 ] || fail "argument 0 gave a $geometry window, not 800x600"
"$PY" "$HERE/../window/close_window.py" "$win"
poll 300 test -z "$(game_pids delvorn)"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "closing the game's window ended it with status $status"
grep -q "^saakt" stdout.txt && grep -q "^limenis ieladets: map/raktuve.cfg" stdout.txt \
  || fail "stdout.txt lacks the start-up lines: $(cat stdout.txt 2>&1)"
echo "delvorn.exe: drew map/raktuve.cfg in 800x600, ended 0 on a close, wrote stdout.txt"

# ---- a font missing: the error box, closed here, then status 1 ----
mv hlth.ttf "$WORK/"
wine delvorn.exe 0 >/dev/null 2>&1 &
pid=$!
poll 300 has_window Error || fail "no message box for the missing font"
"$PY" "$HERE/../window/close_window.py" "$(window Error)"
wait "$pid"
status=$?
mv "$WORK/hlth.ttf" .
[ "$status" -eq 1 ] || fail "the missing font ended the game with status $status, not 1"
grep -q "Probleema ar hlth.ttf" stderr.txt || fail "stderr.txt: $(cat stderr.txt 2>&1)"
echo "delvorn.exe: a missing hlth.ttf showed the box \"Error\" and ended 1"

# ---- Game.exe, started from elsewhere: the box ticked by the keyboard, then "Palaist" ----
rm -f stdout.txt stderr.txt
(cd "$WORK" && wine "$ROOT/Game.exe" >/dev/null 2>&1) &
pid=$!
poll 300 has_window Delvorn || fail "Game.exe showed no dialog"
dialog=$(window Delvorn)
import -window "$dialog" "$WORK/dialog.png"
# DELVORN_SHOTS=FOLDER keeps the pictures of the level and the dialog.
[ -n "${DELVORN_SHOTS:-}" ] && cp "$WORK/level.png" "$WORK/dialog.png" "$DELVORN_SHOTS/"
xdotool windowfocus --sync "$dialog" key space sleep 0.3 key Return
wait "$pid" || fail "Game.exe ended with status $?"
poll 300 test -n "$(game_pids delvorn)" || fail "Game.exe started no delvorn.exe"
game=$(game_pids delvorn | head -1)
args=$(tr '\0' ' ' <"/proc/$game/cmdline" | sed 's/ *$//')
[ "$(readlink "/proc/$game/cwd")" = "$BIN" ] || fail "the game runs in $(readlink "/proc/$game/cwd")"
[[ "$args" == *"delvorn.exe 1" ]] || fail "the game got \"$args\", not the ticked box's 1"
poll 300 grep -qs "^saakt" stdout.txt || fail "the started game wrote no start-up lines"
# Full screen under Wine is a window the size of the screen; closed once it is that.
full_screen() { xdotool getwindowgeometry "$(window Delvorn)" 2>/dev/null | grep -q "$SCREEN"; }
poll 300 full_screen || fail "the ticked box's game is not full screen"
# A close that lands while the game is still changing its mode is lost: ask again, as a
# player would.
for ((n = 0; n < 10; n++)); do
  has_window Delvorn && "$PY" "$HERE/../window/close_window.py" "$(window Delvorn)"
  poll 30 test -z "$(game_pids delvorn)" && break
done
[ -z "$(game_pids delvorn)" ] || fail "the started game did not end on a close"
echo "  closes sent: $((n + 1))"
echo "Game.exe: its dialog started \"$args\" in bin as a process of its own"

# ---- the level authors' checker, and the winning runs ----
wine delvorn-cfg.exe --check map/*.cfg >"$WORK/check.txt" 2>&1 \
  || fail "delvorn-cfg.exe --check: $(cat "$WORK/check.txt")"
echo "delvorn-cfg.exe --check: all $(ls map/*.cfg | wc -l) levels pass"
for run in map/*.run; do
  rm -f stdout.txt
  SDL_VIDEODRIVER=dummy DELVORN_REPLAY=$run wine delvorn.exe >/dev/null 2>&1
  status=$?
  verdict=$(grep "^replay:" stdout.txt 2>/dev/null | tr -d '\r')
  [ "$status" -eq 0 ] || fail "$run ended $status in the Windows build: $verdict"
  echo "$run: $verdict"
done
