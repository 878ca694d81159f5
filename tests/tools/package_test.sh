#!/usr/bin/env bash
# The release as a user gets it, under Wine: the portable zip unpacked, started and closed; the
# installer run silently into a temporary folder, the installed program started and closed, then the
# uninstaller run silently: the program and its shortcut are gone, the user's trucos.dat is still
# there byte for byte.
#   package_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$(realpath "$1")
build=$(realpath "$2")
state="$build/package-test-wine"
work="$build/package-test"
wine_run="$source_dir/tools/wine-run"

fail() { echo "package_test: $*" >&2; exit 1; }
cleanup() { "$wine_run" --stop "$state" >/dev/null 2>&1 || true; }
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work"
mapfile -t made < <(TIPS_PACKAGE_PREBUILT=1 "$source_dir/tools/package" "$build")
zip_file=${made[0]}
setup_file=${made[1]}
[ -f "$zip_file" ] && [ -f "$setup_file" ] || fail "tools/package made no zip or installer"

windows_path() { echo "Z:${1//\//\\}"; }
display=$("$wine_run" --display "$state")

# Starts a tips.exe, waits for its main window, closes it from the keyboard and waits for it to end.
start_and_close() {
  local exe=$1
  "$wine_run" "$state" "$exe" &
  local app=$!
  local shown=
  for _ in $(seq 150); do
    if DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -q 'Tolvanec'; then shown=1; break; fi
    sleep 0.2
  done
  [ -n "$shown" ] || { kill "$app" 2>/dev/null || true; fail "$exe showed no main window"; }
  sleep 1
  "$wine_run" "$state" "$build/tests/send_keys.exe" alt+f4
  for _ in $(seq 150); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$app" 2>/dev/null; then kill "$app" 2>/dev/null || true; fail "$exe did not end after Alt+F4"; fi
  wait "$app" || fail "$exe ended with an error"
}

# The portable zip.
portable="$work/portable"
mkdir -p "$portable"
unzip -q "$zip_file" -d "$portable"
for file in tips.exe trucos.dat LEEME.txt; do [ -f "$portable/$file" ] || fail "the zip holds no $file"; done
cmp -s "$portable/trucos.dat" "$build/package/stage/trucos.dat" || fail "the zip's trucos.dat is not the sample"
start_and_close "$portable/tips.exe"
[ -s "$portable/trucos.dat" ] || fail "the portable program lost its trucos.dat"

# The installer, silently into a folder of the test's choosing.
installed="$work/installed"
"$wine_run" "$state" "$setup_file" /S "/D=$(windows_path "$installed")"
for file in tips.exe trucos.dat LEEME.txt Desinstalar.exe; do
  [ -f "$installed/$file" ] || fail "the installer put no $file into the folder"
done
shortcut=$(find "$state/prefix/drive_c/users" -name Tips.lnk -path '*Start Menu*' | head -n 1)
[ -n "$shortcut" ] || fail "the installer made no Start-menu shortcut"
start_and_close "$installed/tips.exe"
user_tips=$(sha256sum <"$installed/trucos.dat")

# The uninstaller copies itself away and runs from there: wait for it to finish its work.
"$wine_run" "$state" "$installed/Desinstalar.exe" /S
for _ in $(seq 150); do
  [ ! -e "$installed/Desinstalar.exe" ] && [ ! -e "$shortcut" ] && break
  sleep 0.2
done
for file in tips.exe LEEME.txt Desinstalar.exe; do
  [ ! -e "$installed/$file" ] || fail "the uninstaller left $file"
done
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu shortcut"
[ -f "$installed/trucos.dat" ] || fail "the uninstaller removed the user's trucos.dat"
[ "$(sha256sum <"$installed/trucos.dat")" = "$user_tips" ] || fail "the uninstaller changed the user's trucos.dat"
echo "package_test: zip and installer install, run and uninstall; the user's tips kept"
