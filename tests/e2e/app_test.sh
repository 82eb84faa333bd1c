#!/usr/bin/env bash
# Drives the notes program on the X display with xdotool, as a user would:
# starts it without a store, then on a prepared one opens a note from the
# category tree and modifies its title, adds a category, searches and modifies
# the note found, and answers the exit question. Checks the
# note store with sqlite3 and saves pictures of the screen. Exit 77 (skip)
# without a display.
#   app_test.sh <veltrin program> <make-demo-store program>
set -eEuo pipefail

program=$(realpath "$1")
make_store=$(realpath "$2")
# shellcheck source=driving.sh
source "$(dirname "$0")/driving.sh"
begin_run app-e2e-
# The print button reads the report template from the program's folder.
cp "$(dirname "$0")/../../assets/PAGE.frf" "$work/"

# Without a store the program says why in an error box, under its title,
# and ends with a failure once the box is closed; no main window shows.
mkdir "$work/empty"
(cd "$work/empty" && exec "$program") >"$work/output" 2>&1 &
pid=$!
window_id veltrin >/dev/null
snapshot no-store
[ -z "$(find_window Veltrin)" ] || fail "the main window showed without a store"
key Return
expect_ended
[ "$STATUS" != 0 ] || fail "the program reported success without a store"

# A display that cannot be opened ends the program with a message that says
# so, instead of leaving it running unseen with its store open.
status=0
(cd "$work" && DISPLAY=:0.987 timeout 60 "$program") >"$work/output" 2>&1 || status=$?
[ "$status" = 1 ] || fail "without a display the program ended with status $status, expected 1"
grep -q "the display :0.987 cannot be opened" "$work/output" || fail "without a display the program did not say why"

start_program
snapshot start

# The first category (工作) opened, and its first note shown.
open_first_note
first_title=$(sql "select 标题 from 笔记 where 类别 = '工作' order by rowid limit 1")
snapshot viewing

# Edit the title: into the title memo, select all, type a new one, modify.
title_x=$(( MX + 159 + 150 ))
title_y=$(( MY + 25 + 56 + 40 ))
click "$title_x" "$title_y"
key ctrl+a
type_text "Edited 'e2e' \"title\" 改过"
click $(( MX + 159 + 16 + 24 )) $(( MY + 25 + 9 + 19 ))
expect_sql "select count(*) from 笔记 where 标题 = 'Edited ''e2e'' \"title\" 改过' and 类别 = '工作'" "1"
expect_sql "select count(*) from 笔记 where 标题 = '$first_title'" "0"
snapshot modified

# Tool bar buttons, centred on their client positions.
manage_x=$(( MX + 215 )); search_box_x=$(( MX + 450 )); search_x=$(( MX + 577 )); tools_y=$(( MY + 12 ))

# The title memo's right-click menu (Undo, -, Cut, Copy, Paste, Delete, -,
# Select All; 20-pixel entries and 15-pixel separators inside a 3-pixel
# frame, opening at the pointer): Select All by mouse, then Copy by keys. The
# note was only opened, so Undo is disabled and the menu opens on Cut.
# The title pasted into the search box finds the note: opening the one result
# shows it again after another note was shown meanwhile.
# Saving folded the tree and emptied the editors: open the note again.
open_first_note
xdotool mousemove "$title_x" "$title_y" sleep 0.1 click 3
sleep 0.6
snapshot title-menu
click $(( title_x + 40 )) $(( title_y + 3 + 5 * 20 + 2 * 15 + 10 ))
xdotool mousemove "$title_x" "$title_y" sleep 0.1 click 3
sleep 0.6
key Down
snapshot title-menu-copy
key Return
second_title=$(sql "select 标题 from 笔记 where 类别 = '工作' order by rowid limit 1 offset 1")
click $(( tree_x + 20 )) $(( row0_y + 2 * row_h ))
snapshot other-note
click "$search_box_x" "$tools_y"
key ctrl+a ctrl+v
snapshot pasted-title
click "$search_x" "$tools_y"
results=$(window_id 查询结果)
client_origin "$results" 298 330
snapshot title-found
xdotool mousemove $(( CX + 41 )) $(( CY + 17 )) sleep 0.1 click --repeat 2 --delay 80 1
sleep 0.6
click $(( CX + 244 )) $(( CY + 312 ))
expect_closed 查询结果
# The note shown now is the found one: a change to its title lands on it.
click "$title_x" "$title_y"
key ctrl+End
type_text " found"
click $(( MX + 159 + 16 + 24 )) $(( MY + 25 + 9 + 19 ))
expect_sql "select count(*) from 笔记 where 标题 = 'Edited ''e2e'' \"title\" 改过 found'" "1"
expect_sql "select count(*) from 笔记 where 标题 = '$second_title'" "1"
snapshot title-found-modified

# Add a category with a Chinese name and a quote: 分类管理, 新增, type the name
# into the name box, 保存; then close the manager.
click "$manage_x" "$tools_y"
box=$(window_id 管理)
client_origin "$box" 353 234
BX=$CX
BY=$CY
click $(( BX + 165 )) $(( BY + 212 ))
click $(( BX + 8 + 152 + 76 )) $(( BY + 8 + 48 + 17 ))
type_text "新类 It's"
snapshot manager
click $(( BX + 267 )) $(( BY + 212 ))
expect_sql "select count(*) from 类别 where 类别 = '新类 It''s'" "1"
click $(( BX + 319 )) $(( BY + 212 ))
expect_closed 管理

# Search for a keyword typed in Chinese, open the one result with a double
# click, close the results, append to the note's body and modify.
hangzhou=$(sql "select rowid from 笔记 where 标题 = '杭州一日游'")
[ -n "$hangzhou" ] || fail "the prepared store has no note 杭州一日游"
click "$search_box_x" "$tools_y"
key ctrl+a
type_text "西湖"
click "$search_x" "$tools_y"
results=$(window_id 查询结果)
client_origin "$results" 298 330
RX=$CX
RY=$CY
snapshot results
xdotool mousemove $(( RX + 41 )) $(( RY + 17 )) sleep 0.1 click --repeat 2 --delay 80 1
sleep 0.6
snapshot search-viewing
click $(( RX + 244 )) $(( RY + 312 ))
expect_closed 查询结果
click $(( MX + 429 )) $(( MY + 381 ))
key ctrl+End
type_text " 追加'x'"
click $(( MX + 159 + 16 + 24 )) $(( MY + 25 + 9 + 19 ))
expect_sql "select count(*) from 笔记 where rowid = $hangzhou and 内容 like '%晚上：河坊街逛夜市。 追加''x'''" "1"
snapshot search-modified

# Print a note: open the first of 工作 (modifying emptied the editors), then
# 打印 asks Yes (this note) or All; Enter takes the default Yes and the
# preview shows the note laid out by PAGE.frf. Page Down scrolls, Esc closes
# the preview and the program goes on.
open_first_note
click $(( MX + 290 )) "$tools_y"
window_id Confirm >/dev/null
snapshot print-question
key Return
expect_closed Confirm
window_id Preview >/dev/null
sleep 1
snapshot print-preview
key Next
snapshot print-preview-scrolled
key Escape
expect_closed Preview
kill -0 "$pid" 2>/dev/null || fail "the program ended after the preview"

# The exit button asks first: Esc answers No and the program goes on; Enter
# takes the default Yes and the program ends. The question's caption is the
# program file's name.
exit_x=$(( MX + 706 ))
click "$exit_x" "$tools_y"
window_id veltrin >/dev/null
snapshot exit-question
key Escape
expect_closed veltrin
kill -0 "$pid" 2>/dev/null || fail "the program ended after No"
click "$exit_x" "$tools_y"
window_id veltrin >/dev/null
key Return
expect_ended
[ "$STATUS" = 0 ] || fail "the program ended with status $STATUS"
echo "app: all checks passed"
