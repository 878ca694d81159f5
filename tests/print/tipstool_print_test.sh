#!/usr/bin/env bash
# tipstool print: the layout of small texts on the fallback A4 page and on a given sheet, page
# breaks, and the usage errors.
set -euo pipefail
tipstool=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

expect_exit() {   # expect_exit CODE command...
  local want=$1; shift
  set +e; "$@" >"$work/out" 2>"$work/err"; local got=$?; set -e
  [ "$got" = "$want" ] || fail "exit $got, expected $want: $* ($(cat "$work/err"))"
}

# A4 at 300 dpi with cells of 20 x 40: rows of 100 cells. A tab stays one character (the window
# sets the text as it is); a long line wraps after its last blank within a row; a line whose only
# blanks are in its first row is cut into full rows; text comes back as UTF-8.
expect_exit 0 "$tipstool" print "$data/wrap.bas" --cell 20x40
python3 - "$work/out" <<'PY' || fail "wrap.bas on A4"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
assert list(d.keys()) == ["Paper", "DevLeft", "DevTop", "DevRight", "DevBottom", "RowHeight", "RowChars",
                          "PageCount", "Pages"], list(d.keys())
assert d["Paper"]["PaperWidth"] == 2481 and d["Paper"]["UsableHeight"] == 3407, d["Paper"]
assert (d["DevLeft"], d["DevTop"], d["DevRight"], d["DevBottom"]) == (230, 245, 2239, 3162), d
assert (d["RowHeight"], d["RowChars"], d["PageCount"]) == (40, 100, 1), d
rows = [(r["Line"], r["Column"], r["Text"]) for r in d["Pages"][0]["Rows"]]
long3 = '    MsgBox "hola, mundo" & s & " y algo más largo que una fila" \' y un comentario que sigue hasta '
assert len(long3) == 98
expected = [
    (1, 1, "Private Sub Form_Load()"),
    (2, 1, "\tDim s As String ' una nota"),
    (3, 1, long3),
    (3, 99, "pasar el margen derecho"),
    (4, 1, "    s = " + "x" * 92),
    (4, 101, "x" * 38),
    (5, 1, ""),
    (6, 1, "End Sub"),
]
assert rows == expected, rows
assert d["Pages"][0]["Page"] == 1
PY

# Without --cell the recording canvas's own rule: Arial 10 points at 300 dpi is 21 x 42.
expect_exit 0 "$tipstool" print "$data/wrap.bas"
python3 - "$work/out" <<'PY' || fail "wrap.bas, own rule"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
assert (d["RowHeight"], d["RowChars"]) == (42, 95), d   # 95 * 21 = 1995 < 2009
PY

# Letter at 300 dpi with a quarter-inch border all round, as a print queue reports it.
expect_exit 0 "$tipstool" print "$data/wrap.bas" --page 2550x3300 --dpi 300 --offset 75,75 --cell 20x40
python3 - "$work/out" <<'PY' || fail "Letter"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
p = d["Paper"]
assert (p["PaperWidth"], p["PaperHeight"], p["UsableWidth"], p["UsableHeight"]) == (2550, 3300, 2400, 3150), p
assert (p["LeftUnprintable"], p["TopUnprintable"], p["DotsPerInchY"]) == (75, 75, 300), p
assert (d["DevLeft"], d["DevTop"], d["DevRight"], d["DevBottom"]) == (220, 220, 2298, 2930), d
assert d["RowChars"] == 103, d   # 2078 wide: 103 * 20 = 2060
PY

# 600 dpi doubles the device margins' scale (fonts grow with it under the canvas's own rule).
expect_exit 0 "$tipstool" print "$data/wrap.bas" --page 5100x6600 --dpi 600 --offset 150,150
python3 - "$work/out" <<'PY' || fail "600 dpi"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
assert (d["DevLeft"], d["DevTop"]) == (441, 441), d   # round(25 * 600 / 25.4 - 150)
assert d["RowHeight"] == 83, d                        # 10 points at 600 dpi
PY

# 72 rows fit between the margins: 72 lines are one page, 73 are two, the second starting at line 73.
for count in 72 73 145; do
  python3 -c "import sys; sys.stdout.buffer.write(b'x = 1\r\n' * $count)" >"$work/lines.bas"
  expect_exit 0 "$tipstool" print "$work/lines.bas" --cell 20x40
  python3 - "$work/out" "$count" <<'PY' || fail "$count lines"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
count = int(sys.argv[2])
want = {72: [1], 73: [1, 73], 145: [1, 73, 145]}[count]
assert d["PageCount"] == len(want), d["PageCount"]
assert [p["Rows"][0]["Line"] for p in d["Pages"]] == want
assert sum(len(p["Rows"]) for p in d["Pages"]) == count
PY
done

# A row taller than the text area: each line on a page of its own, and no empty page first.
printf 'a\r\nb\r\nc\r\n' >"$work/tall.bas"
expect_exit 0 "$tipstool" print "$work/tall.bas" --cell 20x3000
python3 - "$work/out" <<'PY' || fail "tall rows"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
assert [[r["Text"] for r in p["Rows"]] for p in d["Pages"]] == [["a"], ["b"], ["c"]], d["Pages"]
PY

# An empty file: one page without rows.
: >"$work/empty.bas"
expect_exit 0 "$tipstool" print "$work/empty.bas"
python3 - "$work/out" <<'PY' || fail "empty file"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
assert d["PageCount"] == 1 and d["Pages"] == [{"Page": 1, "Rows": []}], d
PY

# Usage errors exit 2; a file that cannot be read exits 1.
expect_exit 2 "$tipstool" print
expect_exit 2 "$tipstool" print "$data/wrap.bas" --cell 20x
expect_exit 2 "$tipstool" print "$data/wrap.bas" --cell 0x40
expect_exit 2 "$tipstool" print "$data/wrap.bas" --dpi 300
expect_exit 2 "$tipstool" print "$data/wrap.bas" --page 2550x3300 --offset 1275,0
expect_exit 2 "$tipstool" print "$data/wrap.bas" --page 2550x3300 --dpi 0
expect_exit 2 "$tipstool" print "$data/wrap.bas" extra.bas
expect_exit 2 "$tipstool" print "$data/wrap.bas" --cell
expect_exit 1 "$tipstool" print "$work/missing.bas"
grep -q "cannot open" "$work/err" || fail "missing file message: $(cat "$work/err")"
echo ok
