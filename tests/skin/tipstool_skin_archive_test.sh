#!/bin/sh
# tipstool skin pack, then unpack: the files come back byte for byte (names lowered), and bad input fails.
set -eu
tipstool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in"
printf '[Colours]\r\nMenu=204 204 204\r\n' >"$work/in/Skin.INI"
head -c 20000 /dev/urandom >"$work/in/frame-top.bmp"
printf '' >"$work/in/empty.bmp"
"$tipstool" skin pack "$work/in" "$work/skin.skn" >/dev/null
"$tipstool" skin unpack "$work/skin.skn" "$work/out" >"$work/listing"
grep -q 'version 20000, 3 entries' "$work/listing"
cmp "$work/in/Skin.INI" "$work/out/skin.ini"
cmp "$work/in/frame-top.bmp" "$work/out/frame-top.bmp"
cmp "$work/in/empty.bmp" "$work/out/empty.bmp"
# A truncated skin file is refused, not unpacked.
head -c 100 "$work/skin.skn" >"$work/short.skn"
if "$tipstool" skin unpack "$work/short.skn" "$work/bad" 2>/dev/null; then exit 1; fi
# Wrong argument count is a usage error (exit 2).
set +e
"$tipstool" skin pack "$work/in" 2>/dev/null
[ $? -eq 2 ] || exit 1
echo "tipstool skin pack/unpack: ok"
