#!/usr/bin/env bash
# The Windows test pack as a person on Windows meets it: made by
# tools/windows-tests.sh, copied to an empty folder of a fresh Wine prefix (with
# the Korean fonts mapped, as README.txt has a Windows user install them) whose
# Z: drive is gone, so nothing of the build tree can be reached, and run there
# by Wine's cmd. Passes only when run-tests.cmd ends with "N passed, 0 failed"
# and says it skipped the FAT32 and exFAT volumes (Wine has no diskpart); then
# the media test again from a drive M: of its own, and a mistyped group, which
# must fail.
# Where Wine cannot start i386 programs, only the win64 group runs, and a
# banner says so.
set -uo pipefail
cd "$(dirname "$0")/.."
export PATH="$PWD/tools/harness/bin:$PATH"  # see tools/harness/bin/wine
work=$(mktemp -d /tmp/quorix-windows-pack.XXXXXX)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT

bash tools/windows-tests.sh "$work/pack" || exit 1
tools/harness/make-prefix.sh "$WINEPREFIX" || exit 1
folder="테스트 팩 copy"
mkdir "$WINEPREFIX/drive_c/$folder"
cp -r "$work/pack/." "$WINEPREFIX/drive_c/$folder/"
rm -f "$WINEPREFIX/dosdevices/z:"

groups=""
if ! tools/harness/i386-support.sh; then
  echo "windows-pack: ============================================================"
  echo "windows-pack: win32 group NOT RUN: this machine's kernel cannot run 32-bit"
  echo "windows-pack: programs, so Wine cannot start the pack's i386 tests."
  echo "windows-pack: ============================================================"
  groups=win64
fi
# From the copy's own drive, and the session ends before its display does.
(cd "$WINEPREFIX/drive_c" && xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash -c 'wine cmd /c "C:\\$1\\run-tests.cmd" $2; wineserver -w' - "$folder" "$groups") 2>&1 |
  tr -d '\r' | tee "$work/run.log"
[ ! -e "$WINEPREFIX/dosdevices/z:" ] || { echo "windows-pack: FAILED: the run could reach the build tree (Z:)"; exit 1; }
last=$(grep -v '^$' "$work/run.log" | tail -n 1)
[[ $last =~ ^[1-9][0-9]*\ passed,\ 0\ failed$ ]] || { echo "windows-pack: FAILED (last line: $last)"; exit 1; }
if [ -z "$groups" ]; then
  grep -q '^SKIPPED: media fat32 and exfat' "$work/run.log" ||
    { echo "windows-pack: FAILED: the media volumes were neither made nor reported skipped"; exit 1; }
fi

# The other ways a tester runs it. Each: the arguments, then the exit code and
# last line expected.
again() {
  local expect_code=$1 expect_last=$2 code last; shift 2
  echo "windows-pack: == run-tests.cmd $*"
  (cd "$WINEPREFIX/drive_c" && xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash -c 'wine cmd /c "C:\\$1\\run-tests.cmd" "${@:2}"; echo "exit code $?"; wineserver -w' - "$folder" "$@") 2>&1 |
    tr -d '\r' | tee "$work/again.log"
  code=$(sed -n 's/^exit code //p' "$work/again.log")
  last=$(grep -v -e '^$' -e '^exit code ' "$work/again.log" | tail -n 1)
  [ "$code" = "$expect_code" ] && [[ $last =~ $expect_last ]] ||
    { echo "windows-pack: FAILED: run-tests.cmd $* ended with $code and \"$last\""; exit 1; }
}
# A medium of the tester's: a drive of its own (a folder here), as a USB stick.
mkdir "$work/stick"
ln -s "$work/stick" "$WINEPREFIX/dosdevices/m:"
again 0 '^1 passed, 0 failed$' media 'M:\'
[ -z "$(ls -A "$work/stick")" ] || { echo "windows-pack: FAILED: the media test left files on M:"; exit 1; }
# A mistyped group runs nothing, and says so.
again 1 '^0 passed, 1 failed$' win46
grep -q '^\[FAILED\] no group "win46"' "$work/again.log" || { echo "windows-pack: FAILED: no word on group win46"; exit 1; }
echo "windows-pack: passed${groups:+ (win64 group only)}, the media folder M: and a mistyped group too"
