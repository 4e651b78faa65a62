#!/usr/bin/env bash
# The installed launcher in a real window (Xvfb): Enter starts the installed game, which opens
# its 800 x 600 window with the miner's icon and draws the installed pictures; closing the
# window ends it.
# Usage: bash window.sh BUILD_DIR
set -u
fail() { echo "FAIL: $*"; exit 1; }
build=$(cd "${1:?usage: window.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=""; launcher_pid=""
game_pids() {  # the staged game's processes: started by our launcher, so not our children
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/exe" 2>/dev/null)" = "$game" ] && echo "${p#/proc/}"
  done
}
cleanup() {
  [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null
  [ -n "${game:-}" ] && for p in $(game_pids); do kill "$p" 2>/dev/null; done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "$0")/../support/poll.sh"

root="$work/stage/usr/local"
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr/local >"$work/install.log" 2>&1 \
  || fail "cmake --install: $(tail -n 5 "$work/install.log")"
game="$root/games/delvorn"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
poll 100 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

# The launcher through its starter in games/, from another folder; the game inherits its
# standard streams.
cd "$work"
SDL_VIDEODRIVER=x11 "$root/games/delvorn-launcher" >"$work/out" 2>"$work/err" </dev/null &
launcher_pid=$!
window_of() {  # WIDTH HEIGHT: the Delvorn window of that size, into $window
  window=""
  local w
  for w in $(xdotool search --name '^Delvorn$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)"
    [ "${WIDTH:-}" = "$1" ] && [ "${HEIGHT:-}" = "$2" ] && window=$w && return 0
  done
  return 1
}
dialog_up() { xdotool search --name '^Delvorn$' >/dev/null 2>&1; }
poll 100 dialog_up || fail "no launcher dialog; stderr: $(cat "$work/err")"
sleep 0.3
xdotool key --window "$(xdotool search --name '^Delvorn$' | head -n 1)" Return
poll 50 eval '! kill -0 $launcher_pid 2>/dev/null' || fail "the launcher did not end on Enter"
wait "$launcher_pid"; status=$?; launcher_pid=""
[ "$status" = 0 ] || fail "the launcher ended with status $status: $(cat "$work/err")"

poll 100 window_of 800 600 || fail "no 800 x 600 game window; stderr: $(cat "$work/err")"
[ -n "$(game_pids)" ] || fail "the installed game is not running"
grep -q '^saakt$' "$work/out" || fail "no saakt line: $(cat "$work/out")"
grep -qx 2 "$work/out" || fail "the launcher passed no argument: $(cat "$work/out")"

# The icon, handed over before the window was made: classic SDL 1.2 as a bitmap and mask in
# the window manager hints, sdl12-compat as _NET_WM_ICON.
icon=$(xprop -id "$window" WM_HINTS _NET_WM_ICON 2>/dev/null)
echo "$icon" | grep -q -e 'bitmap id # to use for icon' -e 'Icon (32 x 32)' \
  || fail "the game window has no icon: $icon"

# The game draws the installed pictures: Escape skips the intro to the main menu, whose
# background is the installed ui/menu/main.jpg (at points no button or cursor covers).
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove "$((X + 400))" "$((Y + 100))"
sleep 0.3
xdotool key --window "$window" Escape
sleep 0.8
import -window root "$work/shot.png" || fail "no screenshot"
/usr/bin/python3 - "$work/shot.png" "$X" "$Y" "$root/share/games/delvorn/ui/menu/main.jpg" <<'PY' \
  || fail "the main menu's installed background is not on screen"
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
x0, y0 = int(sys.argv[2]), int(sys.argv[3])
pic = Image.open(sys.argv[4]).convert("RGB")
pts = [(40, 40), (400, 60), (760, 300), (300, 420), (50, 580), (780, 580), (250, 560), (610, 520)]
bad = [(x, y) for x, y in pts
       if max(abs(a - b) for a, b in zip(shot.getpixel((x0 + x, y0 + y)), pic.getpixel((x, y)))) > 12]
print("menu background points that differ:", bad)
sys.exit(1 if bad else 0)
PY

/usr/bin/python3 "$here/../window/close_window.py" "$window" || fail "could not close the window"
poll 100 eval '[ -z "$(game_pids)" ]' || fail "the game did not end when its window was closed"
echo "PASS: the installed launcher started the installed game with its icon and its data"
