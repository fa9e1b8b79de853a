#!/usr/bin/env bash
# Writes build/windows-tests/ (or OUTDIR): the in-process Windows tests of both
# trees for a person to copy to a Windows 10 or 11 machine and run there with
# run-tests.cmd from an elevated prompt (its README.txt says what the machine
# needs). Each test gets a folder holding it and the files it starts or copies
# (quorix_test_files); the whole-program scripts and the simulated card stay out.
# Usage: windows-tests.sh [OUTDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/windows-tests}
bash tools/bootstrap.sh
bash tools/build.sh win64 win32 >/dev/null

rm -rf "$out"
mkdir -p "$out"
for tree in win64 win32; do
  for list in "build/$tree/windows-tests/"*.files; do
    name=$(basename "$list" .files)
    mkdir -p "$out/$tree/$name"
    while IFS= read -r file; do
      [ -z "$file" ] || cp "$file" "$out/$tree/$name/"
    done <"$list"
  done
done
# Each test's time limit, as ctest has it (the presets' 600 s where it sets none).
for tree in win64 win32; do
  for dir in "$out/$tree"/*; do printf '600\r\n' >"$dir/time-limit.txt"; done
  ctest --test-dir "build/$tree" --show-only=json-v1 >"$out/$tree.json"
  cmake -DJSON="$out/$tree.json" -P tools/windows-tests/time-limits.cmake |
    while IFS=$'\t' read -r name limit; do
      [ ! -d "$out/$tree/$name" ] || printf '%s\r\n' "$limit" >"$out/$tree/$name/time-limit.txt"
    done
  rm "$out/$tree.json"
done
cp build/win64/tools/windows-tests/time_limit.exe "$out/"
cp tools/signing/test-keys/test-root.pem "$out/quorix-test-root.cer"
for file in run-tests.cmd README.txt; do
  sed 's/\r*$/\r/' "tools/windows-tests/$file" >"$out/$file"  # Windows line ends
done

# run-tests.cmd runs exactly the packed tests: a test added to a tree needs its line.
status=0
for dir in "$out"/win64/* "$out"/win32/*; do
  tree=$(basename "$(dirname "$dir")") name=$(basename "$dir")
  grep -q "^call :test $tree $name " tools/windows-tests/run-tests.cmd ||
    { echo "windows-tests: $tree/$name is packed but run-tests.cmd does not run it" >&2; status=1; }
done
while read -r _ _ tree name _; do
  [ -d "$out/$tree/$name" ] ||
    { echo "windows-tests: run-tests.cmd runs $tree/$name, which is not packed" >&2; status=1; }
done < <(grep "^call :test " tools/windows-tests/run-tests.cmd)
[ $status -eq 0 ] && echo "windows-tests: the pack is in $out (copy it to Windows; see README.txt)"
exit $status
