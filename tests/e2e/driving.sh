# Helpers for the scripts that drive the notes program on the X display with
# xdotool and look at its store with sqlite3. begin_run sets, or the sourcing
# script sets itself:
#   work   a temporary folder whose file "output" holds the program's output
#   store  the note store the program uses
#   pid    the running program
#   snapshots  the folder for pictures of the screen, snapshot_prefix their name prefix
# The sourcing script may replace fail_details to say more when a check fails.

# Under the sanitizers, leaks of the display's own libraries are not ours.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

fail_details() { :; }

# The common start of a run of the notes program ($make_store is the demo
# store maker): skips (exit 77) without a display, xdotool or sqlite3; clears
# the pictures named $1*.png; makes a demo store in a fresh work folder, which
# is removed, with the program stopped, when the script ends; and names the
# line of a step that fails without a check of its own.
begin_run() {
  if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null || ! command -v sqlite3 >/dev/null \
    || ! xdpyinfo >/dev/null 2>&1; then
    echo "SKIP: no X display (or no xdotool or sqlite3)"
    exit 77
  fi
  snapshot_prefix=$1
  snapshots=${VELTRIN_SNAPSHOT_DIR:-$(mktemp -d)}
  mkdir -p "$snapshots"
  rm -f "$snapshots/$snapshot_prefix"*.png
  work=$(mktemp -d)
  "$make_store" "$work/Veltrin.mdb" >/dev/null
  store=$work/Veltrin.mdb
  pid=
  trap end_run EXIT
  trap 'fail "line $LINENO: \"$BASH_COMMAND\" failed"' ERR
}

# Starts $program in the work folder and waits for its main window: sets pid,
# main (the window) and MX, MY (the screen position of its client area).
start_program() {
  (cd "$work" && exec "$program") >"$work/output" 2>&1 &
  pid=$!
  main=$(window_id Veltrin)
  sleep 1
  client_origin "$main" 738 505
  MX=$CX
  MY=$CY
}

# The category tree of the main window: tool bar 25 high, then the group
# box's caption; the rows of the tree start 23 pixels into the group box.
tree_x=
row0_y=
row_h=${VELTRIN_E2E_ROW_HEIGHT:-19}

# Opens the first note of the first category: select the category, open it
# with the Right key, then click its first note one row below.
open_first_note() {
  tree_x=$(( MX + 40 ))
  row0_y=$(( MY + 25 + 23 + 10 ))
  click "$tree_x" "$row0_y"
  key Right
  click $(( tree_x + 20 )) $(( row0_y + row_h ))
}

end_run() {
  kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}

# Reports on standard error, so that a failure inside $(...) is seen too.
fail() {
  {
    echo "FAIL: $*"
    fail_details
    echo "--- program output ---"
    cat "$work/output"
  } >&2
  exit 1
}

sql() {
  sqlite3 -cmd ".timeout 5000" "$store" "$1"
}

# Waits up to 10 s for a query on the store to give the expected answer.
expect_sql() {
  local got=""
  for _ in $(seq 100); do
    got=$(sql "$1")
    [ "$got" = "$2" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    sleep 0.1
  done
  fail "'$1' gave '$got', expected '$2'"
}

snapshot() {
  if command -v import >/dev/null; then
    import -window root "$snapshots/${snapshot_prefix:-e2e-}$1.png" 2>/dev/null || true
  fi
}

# The visible window whose title is exactly $1, or nothing. The titles are
# compared as text: xdotool's own name search does not match Chinese titles.
find_window() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null || true)" = "$1" ] && { echo "$id"; return 0; }
  done
  return 0
}

# The visible window whose title is exactly $1, waited for up to 60 s while
# the program runs: built with the sanitizers it starts in seconds when idle,
# but much slower when the end-to-end runs beside it (a print through a CUPS
# server, the builds of others) keep every core busy.
window_id() {
  local id until=$(( SECONDS + 60 ))
  while (( SECONDS < until )); do
    id=$(find_window "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$pid" 2>/dev/null || fail "the program ended before a window named $1 showed"
    sleep 0.1
  done
  fail "no window named $1"
}

# Waits up to 10 s until no visible window has the title $1.
expect_closed() {
  for _ in $(seq 100); do
    [ -z "$(find_window "$1")" ] && return 0
    sleep 0.1
  done
  fail "the window $1 is still open"
}

# Waits up to 10 s for the program to end and sets STATUS to its exit status.
expect_ended() {
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program is still running"
  STATUS=0
  wait "$pid" || STATUS=$?
}

# Sets CX, CY to the screen position of the client area of a window whose
# client area is W x H: the frame is as wide at the left, right and bottom.
client_origin() {
  local id=$1 client_w=$2 client_h=$3
  eval "$(xdotool getwindowgeometry --shell "$id")"
  local border=$(( (WIDTH - client_w) / 2 ))
  CX=$(( X + border ))
  CY=$(( Y + HEIGHT - client_h - border ))
}

click() {
  xdotool mousemove "$1" "$2" sleep 0.1 click 1
  sleep 0.4
}

key() {
  xdotool key --delay 60 "$@"
  sleep 0.3
}

type_text() {
  xdotool type --delay 40 "$1"
  sleep 0.3
}
