#!/usr/bin/env bash
# Prints a tip on a private print queue from the preview window under Wine and checks the PDF that
# comes out against what the print engine laid out: the page count, the rows as text in order, the
# keyword colour and the comment background, and that printing twice made two jobs.
#   print_queue_test.sh PRINT_QUEUE_TOOL QUEUE_DIR WINE_RUN WINE_STATE TEST_EXE
set -euo pipefail

queue_tool=$1
queue=$(realpath -m "$2")
wine_run=$3
wine_state=$4
exe=$5

fail() {
  echo "print_queue_test: $*" >&2
  exit 1
}

trap '"$queue_tool" stop "$queue" >/dev/null 2>&1 || true' EXIT
"$queue_tool" start "$queue" >/dev/null
export CUPS_SERVER="$queue/cups.sock"
export TIPS_PRINT_QUEUE="$queue"

# Wine reads the printers when the process starts: the scheduler is up by now.
timeout 120 "$wine_run" "$wine_state" "$exe" --gtest_filter='PrintQueue.*'
# Each job overwrites the queue's file: wait until no job is left rather than for the file.
"$queue_tool" wait "$queue" 60

expected="$queue/expected.txt"
pdf="$queue/out/tips.pdf"
[ -s "$expected" ] || fail "the test left no expected.txt"
[ -s "$pdf" ] || fail "no PDF came out of the queue"

completed=$(timeout 10 lpstat -W completed -o tips | wc -l)
[ "$completed" -eq 2 ] || fail "expected 2 completed jobs, the queue lists $completed"

want_pages=$(awk '/^pages /{print $2}' "$expected")
got_pages=$(pdfinfo "$pdf" | awk '/^Pages:/{print $2}')
[ "$got_pages" = "$want_pages" ] || fail "the PDF has $got_pages pages, the engine laid out $want_pages"

# The rows in order, page by page. Characters sit one cell apart, so the text comes out with blanks of
# its own: compare without any blanks.
for page in $(seq 1 "$want_pages"); do
  pdftotext -f "$page" -l "$page" -raw "$pdf" - | tr -d ' \t\r\f' | grep -v '^$' >"$queue/page-$page.txt" || true
  awk -v p="$page" '$1 == "page" { on = ($2 == p); next } on && $1 == "row" { sub(/^row /, ""); gsub(/[ \t]/, ""); if ($0 != "") print }' \
    "$expected" >"$queue/want-$page.txt"
  # Every expected row is found in the page's text, each after the one before.
  awk 'NR == FNR { text = text $0; next }
       { at = index(substr(text, pos + 1), $0); if (at == 0) { print "missing or out of order: " $0; bad = 1; exit }
         pos += at + length($0) - 1 }
       END { exit bad }' "$queue/page-$page.txt" "$queue/want-$page.txt" ||
    fail "page $page does not show the engine's rows in order"
done

# Colours, on the first page drawn without smoothing: keywords in the keyword colour (RGB 26, 57, 208)
# and comments on their pale-green background (RGB 226, 254, 218). The PDF keeps colours as fractions,
# so a channel may come back one off.
pdftoppm -f 1 -l 1 -r 100 -aa no -aaVector no -png "$pdf" "$queue/page"
picture=$(ls "$queue"/page-*1.png | head -n 1)
convert "$picture" -format %c histogram:info:- >"$queue/colours.txt"
has_colour() {
  awk -v r="$1" -v g="$2" -v b="$3" '
    function near(a, c) { return a - c <= 2 && c - a <= 2 }
    match($0, /\([0-9]+,[0-9]+,[0-9]+\)/) {
      split(substr($0, RSTART + 1, RLENGTH - 2), c, ",")
      if (near(c[1], r) && near(c[2], g) && near(c[3], b)) found = 1
    }
    END { exit !found }' "$queue/colours.txt"
}
has_colour 26 57 208 || fail "no keyword-coloured pixel on page 1"
has_colour 226 254 218 || fail "no comment background on page 1"

echo "print_queue_test: $got_pages pages, rows in order, colours found, 2 jobs completed"
