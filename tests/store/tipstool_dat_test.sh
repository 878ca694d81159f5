#!/usr/bin/env bash
# tipstool dat: build then dump round trip, the sort order, and the exit codes.
set -euo pipefail
tipstool=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

expect_exit() {   # expect_exit CODE command...
  local want=$1; shift
  set +e; "$@" >"$work/out" 2>"$work/err"; local got=$?; set -e
  [ "$got" = "$want" ] || fail "exit $got, expected $want: $*"
}

# Accents, a byte Windows-1252 leaves undefined (U+0081), a zero byte inside the code, nulls.
cat >"$work/in.json" <<'JSON'
{"records": [
  {"Categoria": "Edición", "Descripcion": "Año €", "Truco": "Print \"ñ\"\r\n\u0000\u0081end"},
  {"Categoria": null, "Descripcion": "b", "Truco": ""},
  {"Descripcion": "B"},
  {"Categoria": "x", "Descripcion": "a", "Truco": "z"}
]}
JSON
expect_exit 0 "$tipstool" dat build "$work/in.json" "$work/tips.dat"
expect_exit 0 "$tipstool" dat dump "$work/tips.dat"
python3 - "$work/in.json" "$work/out" <<'PY' || fail "dump differs from the built records"
import json, sys
built = json.load(open(sys.argv[1], encoding="utf-8"))["records"]
dump = json.load(open(sys.argv[2], encoding="utf-8"))
assert dump["complete"] is True and dump["error"] is None, dump
assert [c["name"] for c in dump["columns"]] == ["Categoria", "Descripcion", "Truco"]
assert [c["kind"] for c in dump["columns"]] == ["ftString", "ftString", "ftMemo"]
assert [c["size"] for c in dump["columns"]] == [21, 41, 0]
expected = [{"Categoria": r.get("Categoria"), "Descripcion": r.get("Descripcion"), "Truco": r.get("Truco") or ""} for r in built]
assert dump["records"] == expected, (dump["records"], expected)
assert list(dump.keys()) == ["complete", "error", "columns", "records"], list(dump.keys())
PY

# The dump builds the same file again, byte for byte.
cp "$work/out" "$work/dump.json"
expect_exit 0 "$tipstool" dat build "$work/dump.json" "$work/again.dat"
cmp -s "$work/tips.dat" "$work/again.dat" || fail "rebuilt file differs"

# Sorted by the locale's collation, not by bytes; --desc reverses; a null sorts as an empty line.
expect_exit 0 "$tipstool" dat sort "$work/tips.dat" Descripcion
[ "$(cat "$work/out")" = "$(printf 'a\nA\xc3\xb1o \xe2\x82\xac\nb\nB')" ] || fail "sort: $(cat "$work/out")"
expect_exit 0 "$tipstool" dat sort "$work/tips.dat" Categoria --desc
[ "$(head -c 1 "$work/out")" = "x" ] && [ "$(tail -n 2 "$work/out" | head -n 1)" = "" ] || fail "sort --desc: $(cat "$work/out")"

# An empty record list gives the 67-byte empty file.
echo '{"records": []}' >"$work/empty.json"
expect_exit 0 "$tipstool" dat build "$work/empty.json" "$work/empty.dat"
[ "$(stat -c %s "$work/empty.dat")" = 67 ] || fail "empty file size"

# A damaged file dumps what was read and exits 1; a missing one says why; usage errors exit 2.
expect_exit 1 "$tipstool" dat dump "$data/store/truncated_third_record.dat"
python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); assert d["complete"] is False and len(d["records"]) == 2' "$work/out" \
  || fail "truncated dump"
expect_exit 1 "$tipstool" dat dump "$work/missing.dat"
grep -q '"error": "Cannot open file ' "$work/out" || fail "missing file error"
expect_exit 1 "$tipstool" dat dump "$data/store/long_name.dat"
grep -q '"error": "The data is incorrect"' "$work/out" || fail "long name error"
expect_exit 2 "$tipstool" dat
expect_exit 2 "$tipstool" dat dump
expect_exit 2 "$tipstool" dat sort "$work/tips.dat" Truco
echo '{"records": [{"Categoria": "123456789012345678901"}]}' >"$work/long.json"
expect_exit 1 "$tipstool" dat build "$work/long.json" "$work/long.dat"
[ ! -e "$work/long.dat" ] || fail "a refused build wrote a file"
echo "tipstool dat: all checks passed"
