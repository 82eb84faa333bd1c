# A private CUPS server for the printing tests: configuration, spool and a
# local socket under the script's $work folder, CUPS_SERVER pointing at it,
# and one queue "veltrin" (the default) with A4 and A5 sheets that hands every
# job to a backend keeping it in $work/out as job-<id>.data with its title,
# copies and options beside it. The sourcing script provides `fail`.

# Exits 77 (skip) when cupsd or the PDF tools are missing.
require_private_cups() {
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
}

cupsd_pid=
stop_private_cups() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null || true
  cupsd_pid=
}

# What the server logged of its errors, for a failure report.
private_cups_errors() {
  [ -f "$work/log/error_log" ] && grep -E '^E ' "$work/log/error_log" | tail -5 || true
}

start_private_cups() {
  chmod 755 "$work" # the backend runs as the spool user and writes below it
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
}

# Waits until the queue has kept `count` jobs.
wait_for_jobs() {
  for _ in $(seq 200); do
    [ "$(find "$work/out" -name 'job-*.data' | wc -l)" -ge "$1" ] && return 0
    sleep 0.1
  done
  fail "the queue kept $(find "$work/out" -name 'job-*.data' | wc -l) jobs, not $1"
}

