#!/usr/bin/env bash
# Drives the main window's skinned frame on the X display with xdotool, as a
# user would: drags the caption to move it, edges and corners to size it (the
# left and top ones too, which move the window while its right and bottom
# edges stay),
# presses maximize (twice), roll-up (twice) and close, and opens the system
# menu with Alt+Space. Under a window manager (second argument "openbox", which
# the script starts) it also chooses Minimize there and restores the window.
# Checks the window's geometry with xdotool and saves pictures of the screen.
# Exit 77 (skip) without a display.
#   frame_test.sh <veltrin> <make-demo-store> <screen-shot> [openbox]
set -eEuo pipefail

program=$(realpath "$1")
make_store=$(realpath "$2")
screen_shot=$(realpath "$3")
wm=${4:-}
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null || ! xdpyinfo >/dev/null 2>&1; then
  echo "SKIP: no X display (or no xdotool)"
  exit 77
fi
if [ -n "$wm" ] && ! command -v "$wm" >/dev/null; then
  echo "SKIP: no $wm"
  exit 77
fi

export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

tag=frame-e2e${wm:+-$wm}
snapshots=${VELTRIN_SNAPSHOT_DIR:-$(mktemp -d)}
mkdir -p "$snapshots"
rm -f "$snapshots/$tag"-*.png
work=$(mktemp -d)
"$make_store" "$work/Veltrin.mdb" >/dev/null

pid=
wm_pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'fail "line $LINENO: \"$BASH_COMMAND\" failed"' ERR

fail() {
  {
    echo "FAIL: $*"
    echo "--- program output ---"
    cat "$work/output" 2>/dev/null || true
  } >&2
  exit 1
}

snapshot() {
  "$screen_shot" "$snapshots/$tag-$1.png" || true
}

if [ "$wm" = openbox ]; then
  # A plain configuration: no key bindings of its own, so Alt+Space reaches the program.
  cat >"$work/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <keyboard></keyboard>
  <mouse></mouse>
</openbox_config>
XML
  openbox --config-file "$work/rc.xml" >"$work/wm-output" 2>&1 &
  wm_pid=$!
  sleep 1
fi

(cd "$work" && exec "$program") >"$work/output" 2>&1 &
pid=$!

window_id() {
  local id
  for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null || true)" = "Veltrin" ] && { echo "$id"; return 0; }
    done
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "no window named Veltrin"
}

# Sets X, Y, WIDTH, HEIGHT of the window.
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$id")"
}

# Waits up to 10 s until the window has the geometry "x y width height".
expect_geometry() {
  local want="$1"
  for _ in $(seq 100); do
    geometry
    [ "$X $Y $WIDTH $HEIGHT" = "$want" ] && return 0
    sleep 0.1
  done
  fail "window at $X $Y $WIDTH $HEIGHT, expected $want"
}

# The window's outer edges as the X server reports them: "left top right bottom".
edges() {
  xwininfo -id "$id" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } END { print x, y, x + w, y + h }'
}

# Waits up to 10 s until xwininfo reports the edges "left top right bottom".
expect_edges() {
  local want="$1" got
  for _ in $(seq 100); do
    got=$(edges)
    [ "$got" = "$want" ] && return 0
    sleep 0.1
  done
  fail "window edges $got, expected $want"
}

drag() { # from-x from-y to-x to-y
  xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.1 \
    mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )) sleep 0.1 \
    mousemove "$3" "$4" sleep 0.2 mouseup 1
  sleep 0.3
}

click() {
  xdotool mousemove "$1" "$2" sleep 0.2 click 1
  sleep 0.3
}

id=$(window_id)
sleep 1 # the fade-in
geometry
[ "$WIDTH $HEIGHT" = "746 535" ] || fail "the window is $WIDTH x $HEIGHT, expected 746 x 535"
snapshot 1-shown

# Move by the caption.
x0=$X y0=$Y
drag $(( X + 300 )) $(( Y + 15 )) $(( X + 360 )) $(( Y + 55 ))
expect_geometry "$(( x0 + 60 )) $(( y0 + 40 )) 746 535"

# Size by the bottom-right corner, then by the right edge.
drag $(( X + 744 )) $(( Y + 533 )) $(( X + 774 )) $(( Y + 553 ))
expect_geometry "$X $Y 776 555"
drag $(( X + 774 )) $(( Y + 300 )) $(( X + 794 )) $(( Y + 300 ))
expect_geometry "$X $Y 796 555"
snapshot 2-moved-and-sized

# Size by the left edge, the top edge and the top-left corner: the window
# grows towards the pointer while its right and bottom edges stay put.
read -r left top right bottom < <(edges)
drag $(( X + 1 )) $(( Y + 300 )) $(( X - 39 )) $(( Y + 300 ))
expect_edges "$(( left - 40 )) $top $right $bottom"
geometry
drag $(( X + 300 )) $(( Y + 1 )) $(( X + 300 )) $(( Y - 29 ))
expect_edges "$(( left - 40 )) $(( top - 30 )) $right $bottom"
geometry
drag $(( X + 1 )) $(( Y + 1 )) $(( X + 21 )) $(( Y + 11 ))
expect_edges "$(( left - 20 )) $(( top - 20 )) $right $bottom"
expect_geometry "$(( left - 20 )) $(( top - 20 )) $(( right - left + 20 )) $(( bottom - top + 20 ))"
snapshot 2b-sized-from-left-and-top
normal="$X $Y $WIDTH $HEIGHT"

# Maximize: the whole screen of the one monitor, a pixel free on every side.
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
click $(( X + WIDTH - 28 )) $(( Y + 12 ))
expect_geometry "1 1 $(( screen_w - 2 )) $(( screen_h - 2 ))"
snapshot 3-maximized
click $(( X + WIDTH - 28 )) $(( Y + 12 ))
expect_geometry "$normal"

# Roll up to the frame alone, and down again.
click $(( X + WIDTH - 72 )) $(( Y + 12 ))
expect_geometry "$X $Y $WIDTH 30"
snapshot 4-rolled-up
click $(( X + WIDTH - 72 )) $(( Y + 12 ))
expect_geometry "$normal"

# The system menu from the keyboard.
xdotool mousemove $(( X + 300 )) $(( Y + 200 )) sleep 0.2 click 1
xdotool key alt+space
sleep 0.5
snapshot 5-system-menu
if [ "$wm" = openbox ]; then
  xdotool key n
  for _ in $(seq 50); do
    [ -z "$(xdotool search --onlyvisible --name '^Veltrin$' 2>/dev/null || true)" ] && break
    sleep 0.1
  done
  [ -z "$(xdotool search --onlyvisible --name '^Veltrin$' 2>/dev/null || true)" ] || fail "the window did not minimize"
  snapshot 6-minimized
  xdotool windowactivate "$id" 2>/dev/null || xdotool windowmap "$id"
  expect_geometry "$normal"
  snapshot 7-restored
else
  xdotool key Escape
  sleep 0.3
fi

# Close by the close button: the program ends.
geometry
click $(( X + WIDTH - 9 )) $(( Y + 12 ))
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after the close button"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "PASS"
