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
for tool in cupsd lpadmin lpstat pdftotext pdfinfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is missing (tools/install-deps.sh installs it)"
    exit 77
  fi
done
serverbin=$(cups-config --serverbin 2>/dev/null || echo /usr/lib/cups)
if [ ! -x "$serverbin/daemon/cups-exec" ]; then
  echo "SKIP: $serverbin/daemon/cups-exec is missing"
  exit 77
fi

work=$(mktemp -d)
chmod 755 "$work" # the backend runs as the spool user and writes below it
cupsd_pid=
cleanup() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/log/error_log" ] && grep -E '^E ' "$work/log/error_log" | tail -5 >&2
  exit 1
}

mkdir -p "$work"/{etc,spool,tmp,state,cache,log,bin/backend,bin/daemon,out}
chmod 777 "$work/out"
ln -s "$serverbin/daemon/cups-exec" "$work/bin/daemon/cups-exec"
cat > "$work/bin/backend/capture" <<'BACKEND'
#!/bin/sh
# capture:<folder> keeps each job as job-<id>.data with its title, copies and options beside it.
[ $# -eq 0 ] && { echo 'direct capture "Unknown" "Keeps jobs as files"'; exit 0; }
base="${DEVICE_URI#capture:}/job-$1"
printf '%s\n' "$3" > "$base.title"
printf '%s\n' "$4" > "$base.copies"
printf '%s\n' "$5" > "$base.options"
if [ -n "$6" ]; then cat "$6" > "$base.data.part"; else cat > "$base.data.part"; fi
chmod 644 "$base".*
mv "$base.data.part" "$base.data"
BACKEND
chmod 755 "$work/bin/backend/capture"

cat > "$work/etc/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
ServerBin $work/bin
RequestRoot $work/spool
TempDir $work/tmp
StateDir $work/state
CacheDir $work/cache
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
Printcap $work/state/printcap
CONF
# A printer that takes PDF as it is, with A4 (the default) and A5 sheets.
cat > "$work/capture.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "CAPTURE.PPD"
*Manufacturer: "Veltrin"
*Product: "(Capture)"
*ModelName: "Veltrin Capture"
*ShortNickName: "Veltrin Capture"
*NickName: "Veltrin Capture"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter: "application/pdf 0 -"
*DefaultResolution: 300dpi
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize A5/A5: "<</PageSize[420 595]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion A5/A5: "<</PageSize[420 595]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "12 12 583 830"
*ImageableArea A5/A5: "12 12 408 583"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension A5/A5: "420 595"
PPD

cupsd -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER="$work/cups.sock"
for _ in $(seq 100); do
  lpstat -r >/dev/null 2>&1 && break
  if ! kill -0 "$cupsd_pid" 2>/dev/null; then
    echo "SKIP: cupsd cannot run here: $(tail -3 "$work/log/cupsd.out" "$work/log/error_log" 2>/dev/null)"
    cupsd_pid=
    exit 77
  fi
  sleep 0.1
done
lpstat -r >/dev/null 2>&1 || fail "cupsd did not answer on $CUPS_SERVER"
lpadmin -p veltrin -E -v "capture:$work/out" -P "$work/capture.ppd" || fail "the queue could not be made"
lpadmin -d veltrin

# Waits until the queue has kept `count` jobs.
wait_for_jobs() {
  for _ in $(seq 200); do
    [ "$(find "$work/out" -name 'job-*.data' | wc -l)" -ge "$1" ] && return 0
    sleep 0.1
  done
  fail "the queue kept $(find "$work/out" -name 'job-*.data' | wc -l) jobs, not $1"
}

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
