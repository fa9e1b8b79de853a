#!/usr/bin/env bash
# Proves that the release is reproducible: builds the media twice, from two
# copies of the same tree in folders of different names and lengths, one after
# the other, and compares what they ship byte for byte. Without the compiler
# cache, so that each build compiles everything itself.
# The tree is the checked-out commit with any uncommitted changes to its files.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$(mktemp -d "${TMPDIR:-/tmp}/quorix-repro.XXXXXX")
trap 'rm -rf "$work"' EXIT

tree=$(git stash create 2>/dev/null)
tree=${tree:-HEAD}
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export SOURCE_DATE_EPOCH CCACHE_DISABLE=1
# Test-signed media, whatever key the caller's environment names.
unset QUORIX_SIGN_PKCS12 QUORIX_SIGN_PASSWORD_FILE QUORIX_SIGN_CERT QUORIX_SIGN_KEY
unset CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER

status=0
for copy in a "second copy, elsewhere/b"; do
  mkdir -p "$work/$copy"
  git -C "$root" archive "$tree" | tar -x -C "$work/$copy"
  if ! bash "$work/$copy/tools/release.sh" "$work/$copy/media" > "$work/build.log" 2>&1; then
    cat "$work/build.log"
    echo "reproducible: the release build in $work/$copy failed"
    exit 1
  fi
done

passed=0 failed=0
for f in setup.exe wlanstat.exe SHA256SUMS; do
  if cmp "$work/a/media/$f" "$work/second copy, elsewhere/b/media/$f"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
done
# What makes them equal: no time stamp, no debug directory, no folder of ours.
check() { if "$@"; then passed=$((passed + 1)); else echo "reproducible: failed: $*"; failed=$((failed + 1)); fi; }
for f in setup.exe wlanstat.exe; do
  exe="$work/a/media/$f"
  headers=$(x86_64-w64-mingw32-objdump -p "$exe")
  check grep -q $'^Time/Date\t*Thu Jan  1 00:00:00 1970' <<<"$headers"
  check grep -Eq '^Entry 6 0+ 0+ Debug Directory' <<<"$headers"
  check bash -c '! strings -a "$1" | grep -qF "$2"' _ "$exe" "$work"
done
# Both carry a signature that verifies against the test root, and one changed
# byte breaks it.
root_cert=$root/tools/signing/test-keys/test-root.pem
verify() { osslsigncode verify -CAfile "$root_cert" -in "$1" >/dev/null 2>&1; }
for f in setup.exe wlanstat.exe; do
  exe="$work/a/media/$f"
  check verify "$exe"
  cp "$exe" "$work/altered.exe"
  perl -e 'open F, "+<", $ARGV[0] or die; seek F, 0x600, 0; read F, $b, 1; seek F, 0x600, 0; print F chr(ord($b) ^ 1)' \
    "$work/altered.exe"
  check bash -c '! cmp -s "$1" "$2"' _ "$exe" "$work/altered.exe"
  check bash -c '! osslsigncode verify -CAfile "$1" -in "$2" >/dev/null 2>&1' _ "$root_cert" "$work/altered.exe"
done
echo "reproducible: $passed passed, $failed failed"
[ $failed -eq 0 ]
