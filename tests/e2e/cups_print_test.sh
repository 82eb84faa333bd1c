#!/usr/bin/env bash
# Prints the demo store's notes on a real CUPS queue through the program's
# printing code (report-pdf --print) and checks what the queue received: a
# PDF job titled "Untitled" with the copies asked for, the same pages as the
# PDF export, the notes' text on them, and a page list printing one page.
# The test runs a private cupsd of its own (configuration, spool and a local
# socket under a temporary folder, CUPS_SERVER pointing at it) whose queue
# hands every job to a small backend that keeps it as files. Exit 77 (skip)
# only when cupsd cannot run here at all.
#   cups_print_test.sh <report-pdf> <make-demo-store> <make-page-template>
set -eEuo pipefail
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

report_pdf=$(realpath "$1")
make_store=$(realpath "$2")
make_template=$(realpath "$3")
report_tests=$(realpath "$4")
# shellcheck source=private_cups.sh
source "$(dirname "$0")/private_cups.sh"
require_private_cups

work=$(mktemp -d)
cleanup() {
  stop_private_cups
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  private_cups_errors >&2
  exit 1
}
start_private_cups

# What the print service reads of a real queue: its papers and which is current.
VELTRIN_PRIVATE_CUPS=1 "$report_tests" --gtest_filter='CupsPrintServiceLive.*' >"$work/live.log" 2>&1 \
  || { cat "$work/live.log" >&2; fail "the print service misread the queue"; }
grep -q "PASSED.*1 test" "$work/live.log" || fail "the print service's test against the queue did not run"

"$make_store" "$work/Veltrin.mdb" >/dev/null
"$make_template" "$work/PAGE.frf"
"$report_pdf" "$work/PAGE.frf" "$work/Veltrin.mdb" "$work/export.pdf" >/dev/null
"$report_pdf" --print veltrin --copies 2 "$work/PAGE.frf" "$work/Veltrin.mdb" >/dev/null \
  || fail "printing on the queue failed"
wait_for_jobs 1
job=$(find "$work/out" -name 'job-*.data' | sort | head -1)
job=${job%.data}
[ "$(head -c 4 "$job.data")" = "%PDF" ] || fail "the job is not a PDF"
[ "$(cat "$job.title")" = "Untitled" ] || fail "the job is titled $(cat "$job.title")"
[ "$(cat "$job.copies")" = "2" ] || fail "the job asks for $(cat "$job.copies") copies"
grep -q "collate" "$job.options" || fail "collation did not reach the queue: $(cat "$job.options")"

pages() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }
exported=$(pages "$work/export.pdf")
printed=$(pages "$job.data")
[ "$printed" -eq "$exported" ] || fail "$printed pages printed, $exported exported"
[ "$printed" -ge 2 ] || fail "the demo store should fill several pages"
pdftotext "$job.data" "$work/printed.txt"
for text in "周一例会纪要" "慢慢来，比较快。" "第 1 页，共 $printed 页"; do
  grep -qF "$text" "$work/printed.txt" || fail "\"$text\" is not on the printed pages"
done
size=$(pdfinfo "$job.data" | awk '/^Page size:/ { print int($3 + 0.5) "x" int($5 + 0.5) }')
[ "$size" = "595x842" ] || fail "the sheets are $size points, not A4"
if [ -n "${VELTRIN_SNAPSHOT_DIR:-}" ] && command -v pdftoppm >/dev/null; then
  mkdir -p "$VELTRIN_SNAPSHOT_DIR"
  pdftoppm -png -r 60 -f 1 -l 1 "$job.data" "$VELTRIN_SNAPSHOT_DIR/cups-printed"
fi

# A page list: the second page alone, as its own job.
"$report_pdf" --print veltrin --pages 2 "$work/PAGE.frf" "$work/Veltrin.mdb" >/dev/null \
  || fail "printing page 2 failed"
wait_for_jobs 2
second=$(find "$work/out" -name 'job-*.data' | sort | tail -1)
[ "$(pages "$second")" -eq 1 ] || fail "the page list printed $(pages "$second") pages"
grep -qF "第 2 页" <(pdftotext "$second" -) || fail "the page list printed another page"
echo "cups print: $printed pages in one job, page list checked"
