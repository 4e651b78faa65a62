#!/bin/bash
# The launcher in a real X window (Xvfb): ticking "Pilnekrans" with the mouse and pressing
# "Palaist" starts the game program with argument 1 in bin, the keyboard's Tab and Space
# start it with 0, and the launcher itself is gone each time. The run folder is a copy of
# the built one whose bin/delvorn is a recording stand-in, so the check does not hang on the
# game's own state. Every process the script starts (Xvfb, the launcher, each stand-in) is
# ended on the way out, whatever happens. Usage: bash launcher.sh DIST_DIR
set -u

fail() { echo "launcher.sh: $*" >&2; exit 1; }
[ $# -eq 1 ] || fail "usage: launcher.sh DIST_DIR"
DIST=$(cd "$1" 2>/dev/null && pwd) || fail "no run folder $1"
for f in Game Game.bmp bin/dustismo_bold.ttf; do
  [ -e "$DIST/$f" ] || fail "the run folder lacks $f"
done
CONVERT=/usr/bin/convert

WORK=$(mktemp -d /tmp/delvorn-launcher-XXXXXX)
XVFB_PID=""
LAUNCHER_PID=""
GAME_PIDS=""
# A stand-in records its pid first thing, so one that started is known even when a check
# failed before it was noted; anything still running in the private run folder is ours too.
stand_in_pids() {
  [ -r "$WORK/run/rec.txt" ] && sed -n 1p "$WORK/run/rec.txt"
  for d in /proc/[0-9]*; do
    [ "$(readlink "$d/cwd" 2>/dev/null)" = "$WORK/run/bin" ] && echo "${d#/proc/}"
  done
}
cleanup() {
  for p in $LAUNCHER_PID $GAME_PIDS $(stand_in_pids); do kill "$p" 2>/dev/null; done
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

. "$(dirname "$0")/../support/poll.sh"

# ---- the run folder: the launcher, its picture and font, and the stand-in game ----
RUN="$WORK/run"
mkdir -p "$RUN/bin"
cp "$DIST/Game" "$DIST/Game.bmp" "$RUN/"
cp "$DIST/bin/dustismo_bold.ttf" "$RUN/bin/"
cat > "$RUN/bin/delvorn" <<'EOF'
#!/bin/sh
{ echo "$$"; pwd; echo "$*"; echo "${SDL_VIDEODRIVER-unset} ${SDL_VIDEO_CENTERED-unset}"; } > ../rec.tmp
mv ../rec.tmp ../rec.txt
# Waits until killed, and takes its sleep along when it is.
trap 'kill $! 2>/dev/null; exit 0' TERM INT HUP
while :; do sleep 1 & wait $!; done
EOF
chmod +x "$RUN/bin/delvorn"

# ---- a display of our own: Xvfb picks a free number and writes it once it is ready ----
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
poll 100 test -s "$WORK/display" || { kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""; }
[ -n "$XVFB_PID" ] && export DISPLAY=":$(head -n 1 "$WORK/display")"
[ -n "$XVFB_PID" ] || fail "no Xvfb display could be started"

# ---- failures of the real program: one line on stderr and a non-zero status ----
check_failure() {  # name, then the command
  local name=$1
  shift
  "$@" >"$WORK/out" 2>"$WORK/err" </dev/null
  local status=$?
  [ $status -ne 0 ] || fail "$name: the launcher ended with status 0"
  [ "$(wc -l <"$WORK/err")" -eq 1 ] || fail "$name: not one line on stderr: $(cat "$WORK/err")"
}
check_failure "no display" env -u DISPLAY -u SDL_VIDEODRIVER "$RUN/Game"
mv "$RUN/Game.bmp" "$RUN/Game.hidden"
check_failure "no picture" env SDL_VIDEODRIVER=x11 "$RUN/Game"
grep -q Game.bmp "$WORK/err" || fail "no picture: the line does not name Game.bmp"
mv "$RUN/Game.hidden" "$RUN/Game.bmp"

# ---- helpers for one round ----
WID=""
WX=0
WY=0
start_launcher() {  # extra environment settings for the launcher
  rm -f "$RUN/rec.txt"
  # From elsewhere: the launcher must find its run folder by itself.
  (cd / && exec env "$@" "$RUN/Game" >"$WORK/launcher.out" 2>&1) &
  LAUNCHER_PID=$!
  poll 100 eval 'WID=$(xdotool search --name "^Delvorn$" 2>/dev/null | head -1); [ -n "$WID" ]' \
    || fail "the launcher's window did not appear: $(cat "$WORK/launcher.out")"
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  WX=$X
  WY=$Y
  [ "$WIDTH" = 182 ] && [ "$HEIGHT" = 384 ] || fail "window is ${WIDTH}x$HEIGHT, not 182x384"
}

# Mean brightness (0..1) of a w x h patch of the dialog, from a fresh screenshot.
brightness() {  # x y w h
  import -window root "$WORK/shot.png" 2>/dev/null || fail "screenshot failed"
  $CONVERT "$WORK/shot.png" -crop "$3x$4+$((WX + $1))+$((WY + $2))" +repage -colorspace gray \
    -format '%[fx:mean]' info:
}

pixel() {  # file x y
  $CONVERT "$1" -crop "1x1+$2+$3" +repage -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

# The launcher has ended by itself, and the stand-in runs with the expected argument in bin.
check_started() {  # expected argument, expected "SDL_VIDEODRIVER SDL_VIDEO_CENTERED"
  poll 100 test -e "$RUN/rec.txt" || fail "the game program was not started"
  local gpid
  gpid=$(sed -n 1p "$RUN/rec.txt")
  GAME_PIDS="$GAME_PIDS $gpid"  # noted before any check can fail
  poll 100 eval '! kill -0 $LAUNCHER_PID 2>/dev/null || grep -q "^State:.*Z" /proc/$LAUNCHER_PID/status 2>/dev/null' \
    || fail "the launcher is still running after Palaist"
  wait "$LAUNCHER_PID"
  local status=$?
  LAUNCHER_PID=""
  [ $status -eq 0 ] || fail "the launcher ended with status $status"
  [ -r "/proc/$gpid/cmdline" ] || fail "the game program is not running"
  local arg
  arg=$(tr '\0' '\n' <"/proc/$gpid/cmdline" | tail -1)
  [ "$arg" = "$1" ] || fail "the game got argument '$arg', not '$1'"
  [ "$(readlink "/proc/$gpid/cwd")" = "$RUN/bin" ] || fail "the game does not run in bin"
  [ "$(sed -n 4p "$RUN/rec.txt")" = "$2" ] \
    || fail "the game's video settings are '$(sed -n 4p "$RUN/rec.txt")', not '$2'"
  kill "$gpid"
}

# ---- round 1: the mouse ticks the box and presses "Palaist" ----
start_launcher SDL_VIDEODRIVER=x11
pixel "$RUN/Game.bmp" 0 0 >"$WORK/want"
import -window root "$WORK/shot.png"
[ "$(pixel "$WORK/shot.png" $((WX + 6)) $((WY + 6)))" = "$(cat "$WORK/want")" ] \
  || fail "the picture's corner is not at 6, 6"
before=$(brightness 7 331 11 11)
xdotool mousemove $((WX + 79)) $((WY + 337)) click 1
poll 50 eval 'after=$(brightness 7 331 11 11); awk "BEGIN{exit !($after > $before + 0.05)}"' \
  || fail "the check box shows no tick after the click"
xdotool mousemove $((WX + 137)) $((WY + 365)) click 1
check_started 1 "x11 unset"

# ---- round 2: the keyboard, Tab to "Palaist" and Space, box unticked; only DISPLAY set,
# and the dialog's own video settings stay out of the game's environment ----
start_launcher -u SDL_VIDEODRIVER
xdotool mousemove $((WX + 90)) $((WY + 150))  # the pointer over the window gives it the keys
xdotool key Tab
xdotool key space
check_started 0 "unset unset"

echo "launcher.sh: all checks passed"
exit 0
