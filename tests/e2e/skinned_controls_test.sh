#!/usr/bin/env bash
# Drives the skinned controls of the notes program on the X display: a tool
# button's hint shows after the pointer rests on it; the search box's
# right-click menu selects all and copies; the note body's right-click menu
# pastes, and modifying the note stores the pasted text. Exit 77 (skip)
# without a display.
#   skinned_controls_test.sh <veltrin program> <make-demo-store program>
set -eEuo pipefail

program=$(realpath "$1")
make_store=$(realpath "$2")
# shellcheck source=driving.sh
source "$(dirname "$0")/driving.sh"
begin_run skinned-e2e-

start_program
tools_y=$(( MY + 12 ))
manage_x=$(( MX + 215 ))
search_box_x=$(( MX + 450 ))

# Resting on a tool button shows its caption as a hint in a window of its own.
xdotool mousemove "$manage_x" "$tools_y"
window_id 分类管理 >/dev/null
snapshot hint
xdotool mousemove $(( MX + 300 )) $(( MY + 300 ))
expect_closed 分类管理

# The search box's menu. A click first leaves the caret in the box with
# nothing selected: Up from the first enabled entry (Paste, or Select All when
# the clipboard holds no text) then wraps to Select All, the last one. With
# everything selected, Cut comes first and Down moves to Copy.
click "$search_box_x" "$tools_y"
xdotool mousemove "$search_box_x" "$tools_y" sleep 0.1 click 3
sleep 0.8
snapshot search-menu
key Up Return
xdotool mousemove "$search_box_x" "$tools_y" sleep 0.1 click 3
sleep 0.8
key Down
snapshot search-menu-copy
key Return

# Open the first note of the first category, paste into its body through the
# body's menu (nothing selected, nothing to undo: Paste comes first), modify.
open_first_note
first=$(sql "select rowid from 笔记 where 类别 = '工作' order by rowid limit 1")
[ -n "$first" ] || fail "the prepared store has no note under 工作"
xdotool mousemove $(( MX + 429 )) $(( MY + 381 )) sleep 0.1 click 3
sleep 0.8
snapshot body-menu
key Return
snapshot pasted
click $(( MX + 159 + 16 + 24 )) $(( MY + 25 + 9 + 19 ))
expect_sql "select count(*) from 笔记 where rowid = $first and 内容 like '%请输入关键字%'" "1"
echo "skinned controls: all checks passed"
