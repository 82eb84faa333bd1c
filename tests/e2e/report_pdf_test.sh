#!/usr/bin/env bash
# Prints the demo store with the default template through report-pdf and
# reads the PDF back with pdftotext: every note's title, category, date and
# body appear, notes in store order down the pages, each title above its
# category and date line, the page footer counting the pages; printing one
# title gives that note alone; a megabyte note of hostile text prints whole.
# Exit 77 (skip) without pdftotext or sqlite3.
#   report_pdf_test.sh <report-pdf> <make-demo-store> <make-page-template>
set -eEuo pipefail
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

report_pdf=$(realpath "$1")
make_store=$(realpath "$2")
make_template=$(realpath "$3")
if ! command -v pdftotext >/dev/null || ! command -v sqlite3 >/dev/null; then
  echo "SKIP: pdftotext or sqlite3 is missing"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$make_store" "$work/Veltrin.mdb" >/dev/null
"$make_template" "$work/PAGE.frf"
"$report_pdf" "$work/PAGE.frf" "$work/Veltrin.mdb" "$work/all.pdf" >/dev/null

# One line per word: page, top, left, text.
words() {
  pdftotext -bbox "$1" - | awk '
    /<page / { page++ }
    /<word / {
      line = $0
      sub(/.*xMin="/, "", line); x = line; sub(/".*/, "", x)
      sub(/.*yMin="/, "", line); y = line; sub(/".*/, "", y)
      text = $0; sub(/.*">/, "", text); sub(/<\/word>.*/, "", text)
      printf "%d %.1f %.1f %s\n", page, y, x, text
    }'
}
words "$work/all.pdf" > "$work/all.words"
pages=$(pdftotext "$work/all.pdf" - | grep -c $'\f' || true)
[ "$pages" -ge 2 ] || fail "the demo store should fill several pages, got $pages"

# Where a word is: "page top" of its first appearance after page/top $2 $3.
place_after() {
  awk -v want="$1" -v p="$2" -v y="$3" \
    '$4 == want && ($1 > p || ($1 == p && $2 > y)) { print $1, $2; exit }' "$work/all.words"
}

# Titles of one line without blanks are one word each; they come in store
# order, each below the one before, with its category and date below it.
last_page=0
last_top=0
count=0
while IFS='|' read -r title category date; do
  case "$title" in *" "* | *$'\r'*) continue ;; esac
  at=$(place_after "$title" "$last_page" "$last_top")
  [ -n "$at" ] || fail "title $title is missing or out of order"
  read -r page top <<<"$at"
  details=$(awk -v p="$page" -v y="$top" -v d="日期：${date:0:10}" \
    '$4 == d && ($1 > p || ($1 == p && $2 > y)) { print $1, $2; exit }' "$work/all.words")
  [ -n "$details" ] || fail "the date of $title does not follow it"
  read -r details_page details_top <<<"$details"
  if [ "$details_page" -eq "$page" ]; then
    gap=$(awk -v a="$top" -v b="$details_top" 'BEGIN { print (b - a >= 10 && b - a < 40) ? "ok" : "no" }')
    [ "$gap" = ok ] || fail "the date line of $title is not just below it ($top, $details_top)"
  fi
  grep -q " 类别：$category\$" "$work/all.words" || fail "category $category is missing"
  last_page=$page
  last_top=$top
  count=$((count + 1))
done < <(sqlite3 -separator '|' "$work/Veltrin.mdb" 'select 标题, 类别, 日期 from 笔记 order by rowid')
[ "$count" -ge 20 ] || fail "only $count titles were checked"

# Bodies: lines of bodies are words of their own.
for body_line in "慢慢来，比较快。" "牛奶" "persistent" "代码仓库已归档。"; do
  grep -q " $body_line\$" "$work/all.words" || fail "body text $body_line is missing"
done
# The footer of every page counts the pages.
footers=$(grep -c " 页，共$" "$work/all.words" || true)
[ "$footers" -eq "$pages" ] || fail "$footers page footers on $pages pages"
last=$(awk -v p="$pages" '$1 == p { text = text " " $4 } END { print text }' "$work/all.words")
case "$last" in *"第 $pages 页，共 $pages 页") ;; *) fail "the last page ends with: $last" ;; esac

# One title: that note alone.
"$report_pdf" "$work/PAGE.frf" "$work/Veltrin.mdb" "$work/one.pdf" "随想" >/dev/null
words "$work/one.pdf" > "$work/one.words"
grep -q " 随想\$" "$work/one.words" || fail "the single note's title is missing"
grep -q " 慢慢来，比较快。\$" "$work/one.words" || fail "the single note's body is missing"
if grep -q " 周一例会纪要\$" "$work/one.words"; then fail "another note was printed"; fi

# A note another program wrote with hostile text: ten thousand lines (about
# a megabyte) of right-to-left and combining characters, NUL bytes and
# damaged UTF-8 print whole, from the first word of the body to the last and
# every numbered line in order.
sqlite3 "$work/Veltrin.mdb" "insert into 笔记 (类别, 日期, 标题, 内容) select '工作', '2021-03-01 10:20:30', 'hostile',
  'BodyStartsHere ' || group_concat('line ' || n || ' שלום مرحبا e' || char(769) || 'a' || char(776) || ' '
    || cast(x'C0AF80' as text) || char(0) || ' ' || hex(randomblob(32)), char(13, 10)) || ' BodyEndsHere'
  from (with recursive k(n) as (select 0 union all select n + 1 from k where n < 9999) select n from k)"
[ "$(sqlite3 "$work/Veltrin.mdb" "select length(cast(内容 as blob)) > 1000000 from 笔记 where 标题 = 'hostile'")" = 1 ] \
  || fail "the hostile note was not written"
"$report_pdf" "$work/PAGE.frf" "$work/Veltrin.mdb" "$work/hostile.pdf" hostile >/dev/null
pdftotext "$work/hostile.pdf" - | tr -s ' \n\f' '\n\n\n' > "$work/hostile.words"
[ "$(head -c 2000 "$work/hostile.words" | grep -c '^BodyStartsHere$')" = 1 ] || fail "the hostile body's first word is missing"
grep -q '^BodyEndsHere$' "$work/hostile.words" || fail "the hostile body's last word is missing"
lines=$(awk 'previous == "line" && $0 == next_line { next_line++ } { previous = $0 } END { print next_line }' \
  next_line=0 "$work/hostile.words")
[ "$lines" = 10000 ] || fail "the hostile body's line $lines is missing from the PDF"

# A template that does not exist is an error, not an empty PDF.
if "$report_pdf" "$work/none.frf" "$work/Veltrin.mdb" "$work/none.pdf" 2>/dev/null; then
  fail "a missing template was accepted"
fi
[ ! -e "$work/none.pdf" ] || fail "a PDF was written for a missing template"
echo "report-pdf: $count notes checked on $pages pages"
