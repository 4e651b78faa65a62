#!/usr/bin/env bash
# Makes the README's screenshot, doc/screenshot.png, from the built game in a virtual X
# server: the first level a moment after the miner set off, or the main menu while the run
# folder has no first level. Usage: bash scripts/screenshot.sh [BUILD_DIR]
# Needs Xvfb, xdotool, ImageMagick's import and python3-pil (scripts/setup.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
dist=$(cd "${1:-${BUILD_DIR:-build}}/dist" && pwd)
out=doc/screenshot.png
work=$(mktemp -d)
xvfb_pid=""; game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

args=()
[ -f "$dist/bin/map/intro.cfg" ] && args=(0 map/intro.cfg)
(cd "$dist/bin" && SDL_VIDEODRIVER=x11 exec ./delvorn "${args[@]}") >"$work/out" 2>&1 &
game_pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Delvorn$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no game window: $(cat "$work/out")" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"

if [ ${#args[@]} -gt 0 ]; then
  # Walk to the right for a moment, the lamp lighting the way.
  sleep 1
  xdotool mousemove "$((X + 560))" "$((Y + 330))"
  sleep 0.3
  xdotool mousedown 1
  sleep 1.2
  xdotool mouseup 1
  sleep 0.4
else
  xdotool mousemove "$((X + 799))" "$((Y + 599))"  # the pointer all but off the picture
  sleep 0.3
  xdotool key Escape  # past the intro to the main menu
  sleep 1
fi
import -window root -crop "800x600+$X+$Y" +repage "$work/shot.png"

# Half size with a 256-colour palette: small enough to commit, sharp enough to read.
/usr/bin/python3 - "$work/shot.png" "$out" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB").resize((400, 300), Image.LANCZOS)
shot.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE).save(
    sys.argv[2], optimize=True)
PY
echo "$out: $(stat -c %s "$out") bytes"
