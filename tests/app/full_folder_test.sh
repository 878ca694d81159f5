#!/usr/bin/env bash
# The program in a folder too small for its save: mounts a small tmpfs, then runs the one Windows-side
# test that needs it under Wine with TIPS_FULL_FOLDER naming it. Skipped (77) where no tmpfs can be
# mounted (not root, or no right to mount).
#   full_folder_test.sh SOURCE_DIR BUILD_DIR TESTS_EXE TIPS_EXE
set -euo pipefail
source_dir=$(realpath "$1")
build=$(realpath "$2")
tests_exe=$3
tips_exe=$4
folder="$build/full-folder"

mkdir -p "$folder"
if mountpoint -q "$folder"; then umount "$folder"; fi
exe_bytes=$(stat -c %s "$tips_exe")
if ! mount -t tmpfs -o size=$((exe_bytes + 8 * 1024 * 1024)) tmpfs "$folder" 2>/dev/null; then
  echo "full_folder_test: cannot mount a tmpfs here; skipped"
  exit 77
fi
trap 'umount "$folder" 2>/dev/null || true' EXIT

export TIPS_FULL_FOLDER="Z:${folder//\//\\}"
log=$("$source_dir/tools/wine-run" "$build/wine" "$tests_exe" \
      --gtest_filter='ProgramThatCannotSave.AFullFolder*' 2>&1) || { echo "$log"; exit 1; }
echo "$log"
# The test must have run, not skipped itself.
grep -q '^\[  PASSED  \] 1 test' <<<"$log" && ! grep -q 'SKIPPED' <<<"$log"
