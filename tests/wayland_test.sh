#!/usr/bin/env bash
# Runs Telmira in a real Wayland window: weston with its X11 back end inside
# Xvfb, keys sent to weston's window through XTest. The window must show the
# whole page as a headless run draws it for the same keys, and the program
# must end at its end entry with status 0, printing nothing.
#   wayland_test.sh BUILD_DIR [SCALE]
set -u
bin=$1
scale=${2:-1}
for tool in Xvfb weston xdotool; do command -v $tool >/dev/null || { echo "$tool is missing"; exit 1; }; done
work=$(mktemp -d)
numfile=$work/display
cleanup() {
  [ -n "${program:-}" ] && kill $program 2>/dev/null
  [ -n "${weston:-}" ] && kill $weston 2>/dev/null
  [ -n "${xvfb:-}" ] && kill $xvfb 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "$*"; [ -s "$work/program.out" ] && { echo "--- the program printed:"; cat "$work/program.out"; }; exit 1; }

# Keys never repeat, in X or in weston: on a busy machine a key sent through
# XTest can be held long enough to repeat, and a figure one step further on
# is another picture.
. "$(dirname "$0")/xvfb.sh"
start_xvfb "$numfile" 1440x900 -r || fail "Xvfb did not start"

# weston's output fills the X screen; at scale 2 it has half as many points.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No idle lock screen on a slow run, and no key repeat.
printf '[core]\nidle-time=0\n[keyboard]\nrepeat-rate=0\n' >"$work/weston.ini"
weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman --socket=lessons --scale="$scale" \
  --width=$((1440 / scale)) --height=$((900 / scale)) >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/lessons" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/lessons" ] || { cat "$work/weston.log"; fail "weston did not start"; }

# What the window must show, drawn headless.
"$bin/telmira" --headless --shot "$work/menu.png" || fail "headless run failed"
"$bin/telmira" --headless --keys '1\r6\r\x1c\x1c\x1e' --shot "$work/figure.png" || fail "headless run failed"

# Waits up to 20 s for the screen to show the page of picture $1.
shows() {
  for _ in $(seq 40); do
    "$bin/page_on_screen" "$1" "$work/screen.png" >"$work/match" && { cat "$work/match"; return 0; }
    sleep 0.5
  done
  cat "$work/match"
  cp "$work/screen.png" "${TMPDIR:-/tmp}/wayland_test_screen_$scale.png" && echo "screen kept in ${TMPDIR:-/tmp}/wayland_test_screen_$scale.png"
  return 1
}

# Only Wayland: without DISPLAY the program cannot fall back to X.
env -u DISPLAY WAYLAND_DISPLAY=lessons "$bin/telmira" >"$work/program.out" 2>&1 &
program=$!
# Keys reach weston through the X window under the pointer; weston draws
# the pointer itself, so it waits in the corner, off the page.
xdotool mousemove 1439 899
shows "$work/menu.png" || fail "scale $scale: the menu is not shown whole"
xdotool key --delay 150 1 Return 6 Return Right Right Up
shows "$work/figure.png" || fail "scale $scale: the figure after the keys is not shown whole"
xdotool key --delay 150 Return 1 0 Return 9 Return
for _ in $(seq 100); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
kill -0 $program 2>/dev/null && fail "scale $scale: still running after its end entry"
wait $program
rc=$?
program=
[ $rc -eq 0 ] || fail "scale $scale: exit status $rc"
[ -s "$work/program.out" ] && fail "scale $scale: the program printed something"
# A window that cannot be drawn in (here the user forbids SDL's copy through
# a texture, the only one Wayland has) ends with a reason, never an empty one.
message=$(env -u DISPLAY WAYLAND_DISPLAY=lessons SDL_FRAMEBUFFER_ACCELERATION=0 "$bin/telmira" 2>&1)
rc=$?
[ $rc -eq 1 ] && [[ "$message" =~ ^"Telmira: cannot draw in the window: ".+ ]] ||
  fail "scale $scale: a window that cannot be drawn in gave status $rc and: $message"
echo "scale $scale: the window showed the pages whole; exit status 0, nothing printed"
