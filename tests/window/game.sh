#!/usr/bin/env bash
# The built game in a real window under Xvfb, started from another folder: the intro shows,
# Escape skips it to the main menu, a hovered button lights up, "Iziet" ends the game with
# status 0; a second start is closed during the intro and also ends with status 0.
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
start_game() {
  SDL_VIDEODRIVER=x11 "$dist/bin/delvorn" >"$work/out" 2>"$work/err" &
  game_pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Delvorn$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window named Delvorn; stderr: $(cat "$work/err")"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}"
}
wait_end() {
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end: $1"
  wait "$game_pid"; status=$?; game_pid=""
  [ "$status" = 0 ] || fail "exit status $status after $1; stderr: $(cat "$work/err")"
}
shot() { import -window root "$work/$1.png" || fail "no screenshot $1"; }
# compare.py SHOT PICTURE X0 Y0 ox oy POINTS...: the screen shows the picture at these points.
compare() {
  /usr/bin/python3 - "$@" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
pic = Image.open(sys.argv[2]).convert("RGB")
ox, oy, px, py = (int(v) for v in sys.argv[3:7])
pts = [tuple(int(v) for v in p.split(",")) for p in sys.argv[7:]]
bad = []
for x, y in pts:
    a, b = shot.getpixel((ox + x, oy + y)), pic.getpixel((x - px, y - py))
    if max(abs(a[i] - b[i]) for i in range(3)) > 12:
        bad.append((x, y, a, b))
if bad:
    print("mismatch (x, y, screen, picture):", bad)
    sys.exit(1)
PY
}

# 1. The intro: its first slide, then Escape to the menu.
start_game
sleep 0.6
shot intro
compare "$work/intro.png" "$dist/bin/ui/menu/solid.jpg" "$X" "$Y" 0 0 \
  100,100 400,300 700,500 || fail "the intro's first slide is not on screen"
xdotool mousemove "$((X + 400))" "$((Y + 100))"
xdotool key Escape
sleep 0.8
shot menu
menu_pts="40,40 400,60 760,300 300,420 50,580 780,580 250,560 610,520"
compare "$work/menu.png" "$dist/bin/ui/menu/main.jpg" "$X" "$Y" 0 0 $menu_pts \
  || fail "the main menu's background is not on screen after Escape"
compare "$work/menu.png" "$dist/bin/ui/menu/bt_newgame.png" "$X" "$Y" 111 518 \
  130,530 230,565 || fail "the new game button is not drawn normal"

# 2. Hovering lights the button up.
xdotool mousemove "$((X + 178))" "$((Y + 546))"
sleep 0.5
shot hover
compare "$work/hover.png" "$dist/bin/ui/menu/bts_newgame.png" "$X" "$Y" 111 518 \
  114,521 130,530 230,565 240,570 || fail "the hovered new game button is not drawn"
/usr/bin/python3 - "$work/menu.png" "$work/hover.png" "$X" "$Y" <<'PY' || fail "hovering changed nothing"
import sys
from PIL import Image
a = Image.open(sys.argv[1]).convert("RGB")
b = Image.open(sys.argv[2]).convert("RGB")
ox, oy = int(sys.argv[3]), int(sys.argv[4])
changed = sum(1 for y in range(518, 575) for x in range(111, 246)
              if not (150 < x < 210 and 520 < y < 575)
              and a.getpixel((ox + x, oy + y)) != b.getpixel((ox + x, oy + y)))
print("button pixels changed by the hover:", changed)
sys.exit(0 if changed > 500 else 1)
PY

# 3. "Iziet" ends the game with status 0.
xdotool mousemove "$((X + 658))" "$((Y + 546))"
sleep 0.3
xdotool click 1
wait_end "a click on Iziet"
grep -q '^saakt$' "$work/out" || fail "no saakt line"

# 4. Closing the window during the intro ends the game too.
start_game
sleep 0.8
/usr/bin/python3 "$here/close_window.py" "$window" || fail "could not ask the window to close"
wait_end "the window was closed during the intro"
echo "PASS: intro, Escape to the menu, hover, Iziet and a close during the intro"
