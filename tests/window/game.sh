#!/usr/bin/env bash
# The built game in a real window under Xvfb: it starts from another folder, its screen
# shows the placeholder field's pixels, and closing the window ends it with status 0.
set -u
dist=$(cd "${1:?usage: game.sh DIST_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=""; game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
xdpyinfo >/dev/null 2>&1 || fail "no X server at $DISPLAY"

cd "$work"
SDL_VIDEODRIVER=x11 "$dist/bin/delvorn" >"$work/out" 2>"$work/err" &
game_pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Delvorn$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window named Delvorn; stderr: $(cat "$work/err")"
sleep 1  # a few frames

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}"
import -window root "$work/shot.png" || fail "no screenshot"
/usr/bin/python3 - "$work/shot.png" "$dist/bin/map/pamats1.bmp" "$X" "$Y" <<'PY' || fail "the screen does not show the field"
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
field = Image.open(sys.argv[2]).convert("RGB")
ox, oy = int(sys.argv[3]), int(sys.argv[4])
# Points away from the status corners and the start pocket, where the screen is the field.
points = [(400, 60), (700, 300), (500, 550), (620, 120), (300, 250)]
bad = [(x, y, shot.getpixel((ox + x, oy + y)), field.getpixel((x, y)))
       for x, y in points
       if shot.getpixel((ox + x, oy + y)) != field.getpixel((x, y))
       and (field.getpixel((x, y))[0] != 5)]  # open chasm pixels are drawn black
if bad:
    print("mismatch (x, y, screen, field):", bad)
    sys.exit(1)
PY

/usr/bin/python3 "$here/close_window.py" "$window" || fail "could not ask the window to close"
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end when its window was closed"
wait "$game_pid"; status=$?; game_pid=""
[ "$status" = 0 ] || fail "exit status $status; stderr: $(cat "$work/err")"
grep -q '^saakt$' "$work/out" || fail "no saakt line"
echo "PASS: window shown, field on screen, closed with status 0"
