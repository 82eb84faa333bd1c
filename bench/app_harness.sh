#!/usr/bin/env bash
# Measures the real program as a user meets it, on stores of 1,000, 10,000 and
# 100,000 notes (200 categories; bodies of about 500 characters of mixed
# Chinese and Latin text; one note in a hundred holds the word "zebrakey").
# For each size it prints, as the median of several runs and with the
# machine's load average beside it:
#   start      start of the program to the main window (tree drawn) mapped,
#              and the CPU time the program had used when it was seen
#   search     click on 搜索 for "zebrakey" to the results window mapped
#   refresh    CPU time the program spends on one click of 刷新 (less the
#              time it spends as long without the click: the clock)
#   about      click on 帮助 to the About box mapped
#   peak RSS   the program's peak resident memory after all of the above
# Windows and clicks are timed by the server's reports (x_map_times.py), so a
# click figure runs from the press to the window mapped; beside it stands the
# time xdotool took to start and press, which is left out.
#
#   bench/app_harness.sh <build dir> [display] [runs] [sizes...]
# The build dir holds app/veltrin and tools/make-demo-store (a release build:
# cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRIN_TESTS=OFF). The display
# defaults to :23; an Xvfb is started on it unless one runs there already.
set -euo pipefail

build=$(realpath "${1:?build dir}")
display=${2:-:23}
runs=${3:-5}
shift $(( $# < 3 ? $# : 3 ))
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 100000)

program=$build/app/veltrin
make_store=$build/tools/make-demo-store
for tool in xdotool sqlite3 xdpyinfo python3; do
  command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
pid=
watcher_pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$watcher_pid" ] && kill "$watcher_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY=$display
if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

now_us() { echo "${EPOCHREALTIME/./}"; }
load() { cut -d' ' -f1 /proc/loadavg; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# CPU time of all the program's threads, in milliseconds (the scheduler's
# nanosecond account rather than the clock ticks of /proc/PID/stat).
cpu_ms() { cat /proc/"$pid"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.1f\n", ns / 1e6 }'; }

# The store: the program's own schema and indexes (made by make-demo-store),
# then 200 categories and N notes written by sqlite3 in one transaction.
make_store_of() {
  local n=$1 file=$2
  "$make_store" "$file" >/dev/null
  sqlite3 "$file" <<SQL
begin;
delete from 笔记;
delete from 类别;
with recursive c(i) as (select 1 union all select i + 1 from c where i < 200)
insert into 类别 select '类别' || i from c;
with recursive c(i) as (select 1 union all select i + 1 from c where i < $n)
insert into 笔记 select '类别' || (i % 200 + 1), '2024-03-04 09:12:30', '笔记标题 ' || i,
  (case when i % 100 = 0 then 'zebrakey ' else '' end)
  || replace(printf('%.25c', 'x'), 'x', '今天的会议讨论了 release plan 与测试进度。')
from c;
commit;
SQL
}

# find_window and client_origin: the same as the end-to-end tests use.
# shellcheck source=../tests/e2e/driving.sh
source "$(dirname "$0")/../tests/e2e/driving.sh"
wait_window() {
  local id
  for _ in $(seq 3000); do
    id=$(find_window "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.005
  done
  echo "no window $1" >&2
  exit 1
}
wait_closed() {
  for _ in $(seq 1000); do
    [ -z "$(find_window "$1")" ] && return 0
    sleep 0.01
  done
}


# Every window the server maps, with the moment it did (x_map_times.py): the
# times below are taken from the server's reports, not from polling for the
# window, which costs more than what is measured.
maps=$work/maps
python3 "$(dirname "$0")/x_map_times.py" >"$maps" &
watcher_pid=$!
for _ in $(seq 100); do grep -q ready "$maps" 2>/dev/null && break; sleep 0.05; done

# Milliseconds from $2 (microseconds) until the window $1 was mapped.
mapped_after() {
  awk -v id="$1" -v t0="$2" '$2 == id && $1 >= t0 { printf "%.1f\n", ($1 - t0) / 1000; exit }' "$maps"
}

# Clicks at $1,$2 and prints the milliseconds from the press (as the server
# reported it) until the window $3 was mapped, then, after a slash, from the
# start of xdotool to the press: the part that is neither the program's nor
# the server's.
click_until() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  local t0 id press
  t0=$(now_us)
  xdotool click 1
  id=$(wait_window "$3")
  press=$(awk -v t0="$t0" '$2 == "press" && $1 >= t0 { print $1; exit }' "$maps")
  echo "$(mapped_after "$id" "$press")/$(( (press - t0) / 1000 ))"
}

run_once() {
  local store_dir=$1 out=$2
  local t0
  t0=$(now_us)
  (cd "$store_dir" && exec "$program") >/dev/null 2>&1 &
  pid=$!
  local main
  main=$(wait_window Veltrin)
  local start start_cpu
  start_cpu=$(cpu_ms)
  start=$(mapped_after "$main" "$t0")
  sleep 1
  client_origin "$main" 738 505
  MX=$CX
  MY=$CY
  local tools_y=$(( MY + 12 ))

  # 刷新: the CPU the program uses from the click until it is idle again,
  # less what it uses in as long a time without the click (the status bar's
  # clock, redrawn every second).
  xdotool mousemove $(( MX + 137 )) "$tools_y"
  sleep 0.3
  local c0 idle
  c0=$(cpu_ms)
  sleep 1.5
  idle=$(awk -v a="$c0" -v b="$(cpu_ms)" 'BEGIN { print b - a }')
  c0=$(cpu_ms)
  xdotool click 1
  sleep 1.5
  local refresh
  refresh=$(awk -v a="$c0" -v b="$(cpu_ms)" -v idle="$idle" 'BEGIN { print b - a - idle }')

  # 帮助, then OK by Enter.
  local about
  about=$(click_until $(( MX + 650 )) "$tools_y" About)
  xdotool key Return
  wait_closed About

  # Type the keyword into the search box and search.
  xdotool mousemove $(( MX + 450 )) "$tools_y" click 1
  sleep 0.2
  xdotool key ctrl+a
  xdotool type --delay 20 zebrakey
  local search
  search=$(click_until $(( MX + 577 )) "$tools_y" 查询结果)
  sleep 0.5

  local rss
  rss=$(awk '/VmHWM/ { print int($2 / 1024) }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
  echo "$start $start_cpu ${search%/*} ${search#*/} $refresh ${about%/*} ${about#*/} $rss $idle" >>"$out"
}

printf '%-8s %9s %9s %10s %10s %11s %9s %9s %10s %8s   %s\n' notes "start ms" "(cpu ms)" "search ms" "(xdotool)" \
  "refresh ms" "(clock)" "about ms" "(xdotool)" "peak MB" "load (start/end)"
for n in "${sizes[@]}"; do
  dir=$work/store-$n
  mkdir -p "$dir"
  make_store_of "$n" "$dir/Veltrin.mdb"
  out=$work/runs-$n
  : >"$out"
  load_before=$(load)
  for _ in $(seq "$runs"); do run_once "$dir" "$out"; done
  col() { awk -v c="$1" '{ print $c }' "$out" | median; }
  printf '%-8s %9s %9s %10s %10s %11s %9s %9s %10s %8s   %s / %s\n' "$n" "$(col 1)" "$(col 2)" "$(col 3)" "$(col 4)" \
    "$(col 5)" "$(col 9)" "$(col 6)" "$(col 7)" "$(col 8)" "$load_before" "$(load)"
done
