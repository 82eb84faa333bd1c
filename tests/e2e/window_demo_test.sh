#!/usr/bin/env bash
# Drives window-demo on the X display with xdotool, as a user would with the
# mouse: moves the plain-framed window by its caption, sizes it by an edge,
# maximizes, restores and minimizes it with its caption buttons, moves and
# sizes the window whose frame a replaced window procedure draws, and closes
# both with their close buttons. Checks the effects on the display (window
# geometry) and in the demo's state report, and that the demo wrote pictures
# of its windows. Exit 77 (skip) without a display.
set -euo pipefail

demo=$1
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null || ! xdpyinfo >/dev/null 2>&1; then
  echo "SKIP: no X display (or no xdotool)"
  exit 77
fi

# Under the sanitizers, leaks of the display's own libraries are not ours.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

snapshots=${VELTRIN_SNAPSHOT_DIR:-$(mktemp -d)}
mkdir -p "$snapshots"
rm -f "$snapshots"/window-demo-*.png
out=$(mktemp)
VELTRIN_SNAPSHOT_DIR=$snapshots "$demo" >"$out" 2>&1 &
pid=$!
cleanup() {
  kill "$pid" 2>/dev/null || true
  rm -f "$out"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  echo "--- demo output ---"
  cat "$out"
  exit 1
}

# Waits up to 10 s for a line of the demo's output matching a pattern.
expect_line() {
  for _ in $(seq 100); do
    grep -qE "$1" "$out" && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "no line matching '$1'"
}

# "X Y W H" of the display's window with this title.
geometry() {
  local id
  id=$(xdotool search --name "^$1\$" | head -1)
  [ -n "$id" ] || fail "no window named $1"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $Y $WIDTH $HEIGHT"
}

expect_geometry() {
  local got
  for _ in $(seq 50); do
    got=$(geometry "$1")
    [ "$got" = "$2" ] && return 0
    sleep 0.1
  done
  fail "$1 is at '$got', expected '$2'"
}

drag() {
  xdotool mousemove "$1" "$2" mousedown 1 sleep 0.1 \
    mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) sleep 0.1 \
    mousemove "$3" "$4" sleep 0.2 mouseup 1
  sleep 0.3
}

click() {
  xdotool mousemove "$1" "$2" sleep 0.1 click 1
  sleep 0.3
}

expect_line '^READY'
expect_geometry "Plain frame" "100 100 400 300"
expect_geometry "Custom frame" "600 100 360 260"

# Plain frame: move by the caption.
drag 200 110 300 150
expect_line '^STATE plain x=200 y=140 w=400 h=300 state=normal'
expect_geometry "Plain frame" "200 140 400 300"

# Size by the right edge (the last column of the window).
drag 599 290 679 290
expect_line '^STATE plain x=200 y=140 w=480 h=300 state=normal'
expect_geometry "Plain frame" "200 140 480 300"

# Maximize with the maximize button, restore with it again.
screen_w=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
screen_h=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')
click 647 150
expect_line '^STATE plain x=0 y=0 .* state=maximized'
expect_geometry "Plain frame" "0 0 $screen_w $screen_h"
click $(( screen_w - 3 - 2 - 17 - 2 - 8 )) 10
expect_line '^STATE plain x=200 y=140 w=480 h=300 state=normal.*'
expect_geometry "Plain frame" "200 140 480 300"

# Minimize; a click into the other window's client area restores it.
click 630 150
expect_line '^STATE plain .* state=minimized'
click 850 250
expect_line '^STATE plain x=200 y=140 w=480 h=300 state=normal(.|\n)*'

# Custom frame: its caption and edges come from the replaced procedure's hit test.
drag 800 110 850 210
expect_line '^STATE custom x=650 y=200 w=360 h=260 state=normal'
expect_geometry "Custom frame" "650 200 360 260"
drag 900 459 900 519
expect_line '^STATE custom x=650 y=200 w=360 h=320 state=normal'
expect_geometry "Custom frame" "650 200 360 320"

# Close both with their close buttons; the demo ends when both are gone.
click $(( 650 + 360 - 4 - 22 + 9 )) $(( 200 + 4 + 3 + 9 ))
expect_line '^CLOSED custom'
click 666 150
expect_line '^CLOSED plain'
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then fail "the demo did not end after both windows closed"; fi
wait "$pid" || fail "the demo exited with an error"

for picture in plain-start custom-start plain-moved plain-maximized custom-moved; do
  [ -s "$snapshots/window-demo-$picture.png" ] || fail "no picture $picture"
done
echo "window demo: all checks passed"
