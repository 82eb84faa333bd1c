#!/usr/bin/env bash
# Prints a note from the preview of the notes program, on the X display and a
# private CUPS server (private_cups.sh): 打印 on a note, Yes, then in the
# preview Export PDF (the file read back with pdftotext), Save (a .frp file,
# then opened again with Open), and Print with the print dialog, whose
# printer combo is opened and the queue chosen in it; the queue must receive
# the job with the note's text; then the virtual printer, chosen in the
# combo, writes a PDF file the save dialog names. Pictures of the print dialog with the combo
# open and of the printer options dialog are kept. Exit 77 (skip) without a
# display or where cupsd cannot run.
#   preview_print_test.sh <veltrin program> <make-demo-store program>
set -eEuo pipefail

program=$(realpath "$1")
make_store=$(realpath "$2")
# shellcheck source=driving.sh
source "$(dirname "$0")/driving.sh"
# shellcheck source=private_cups.sh
source "$(dirname "$0")/private_cups.sh"
require_private_cups
begin_run preview-print-
trap 'stop_private_cups; end_run' EXIT
fail_details() { private_cups_errors; }
cp "$(dirname "$0")/../../assets/PAGE.frf" "$work/"
start_private_cups

# Answers the file dialog titled $1 with the file name $2 and waits until the
# dialog is gone and the file $3 has been written.
answer_file_dialog() {
  window_id "$1" >/dev/null
  key ctrl+a
  type_text "$2"
  key Return
  expect_closed "$1"
  for _ in $(seq 50); do [ -s "$3" ] && return 0; sleep 0.1; done
  fail "$1 wrote no file $3"
}

# The preview opens where the settings say, not maximized, so that its tool
# bar is found: frame 3, caption 19, then the buttons Zoom, Open, Save, Print,
# Find (64 wide) and Export PDF (84), 2 apart from x = 4.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/veltrin"
cat > "$XDG_CONFIG_HOME/veltrin/settings.ini" <<'INI'
[Software\Lumvexa\Form\TfrPreviewForm]
XPosition=40
YPosition=40
Width=900
Height=700
Maximized=0
INI

start_program
open_first_note
title=$(sql "select 标题 from 笔记 where 类别 = '工作' order by rowid limit 1")

click $(( MX + 290 )) $(( MY + 12 ))
window_id Confirm >/dev/null
key Return
expect_closed Confirm
preview=$(window_id Preview)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$preview")"
PX=$(( X + 3 ))
PY=$(( Y + 3 + 19 ))
button_y=$(( PY + 15 ))
snapshot preview

# Export PDF: the save dialog takes a name without an extension; ".pdf" is added.
click $(( PX + 334 + 42 )) "$button_y"
answer_file_dialog "Export PDF" "$work/note" "$work/note.pdf"
grep -qF "$title" <(pdftotext "$work/note.pdf" -) || fail "the exported PDF does not hold \"$title\""

# Save: ".frp" is added; Open reads it back into the preview.
key ctrl+s
answer_file_dialog "Save As" "$work/note" "$work/note.frp"
key ctrl+o
window_id Open >/dev/null
key ctrl+a
type_text "$work/note.frp"
key Return
expect_closed Open
[ -z "$(find_window Error)" ] || fail "the saved prepared report was refused"

# Print: the dialog's printer combo opens under the pointer and takes the queue.
key ctrl+p
dialog=$(window_id Print)
sleep 0.5
client_origin "$dialog" 400 248
click $(( CX + 180 )) $(( CY + 20 ))
sleep 0.5
snapshot print-dialog-combo-open
key Home
key Return
snapshot print-dialog
click $(( CX + 350 )) $(( CY + 20 ))
options=$(window_id "Printer options - veltrin")
snapshot printer-options
key Escape
expect_closed "Printer options - veltrin"
click $(( CX + 232 + 37 )) $(( CY + 212 + 12 ))
expect_closed Print
wait_for_jobs 1
job=$(find "$work/out" -name 'job-*.data' | head -1)
grep -qF "$title" <(pdftotext "${job}" -) || fail "the printed job does not hold \"$title\""

# The virtual printer prints into a PDF file the save dialog asks for.
key ctrl+p
dialog=$(window_id Print)
sleep 0.5
click $(( CX + 180 )) $(( CY + 20 ))
key End
key Return
key Return
expect_closed Print
answer_file_dialog "Print to PDF file" "$work/virtual" "$work/virtual.pdf"
grep -qF "$title" <(pdftotext "$work/virtual.pdf" -) || fail "the virtual printer's PDF does not hold \"$title\""
[ "$(find "$work/out" -name 'job-*.data' | wc -l)" -eq 1 ] || fail "the virtual printer sent a job to the queue"

key Escape
expect_closed Preview
kill -0 "$pid" 2>/dev/null || fail "the program ended after printing"
echo "preview print: export, save, open and print checked"
