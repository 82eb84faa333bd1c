#!/usr/bin/env bash
# Runs every built fuzz target for a bounded time. Each target's seed corpus is
# fuzz/corpus/<target>/ (committed seeds) plus what the target's seeder writes.
# Usage: fuzz/run.sh <folder of fuzz binaries> <seconds per target>
set -euo pipefail
bin_dir=$1
seconds=$2
source_dir=$(cd "$(dirname "$0")" && pwd)
status=0
for target in "$bin_dir"/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  [ -d "$source_dir/corpus/$name" ] && cp -r "$source_dir/corpus/$name/." "$work/"
  echo "== fuzzing $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/" "$work" >"$work.log" 2>&1; then
    tail -n 40 "$work.log"
    echo "fuzz target $name failed; the crashing input is in $work"
    status=1
  else
    grep -E "^#[0-9]+.*DONE" "$work.log" | tail -n 1 || true
  fi
done
exit $status
