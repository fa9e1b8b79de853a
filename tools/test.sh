#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, then the Windows tests
# under Wine on a virtual display. Exits non-zero when any test fails.
set -uo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh || exit 1
bash tools/build.sh native win64 win32 || exit 1

export PATH="$PWD/tools/harness/bin:$PATH"  # see tools/harness/bin/wine

status=0
ctest --preset native -j2 || status=1
trees=(win64 win32)
if ! tools/harness/i386-support.sh; then
  # Built above all the same, so the i386 code still has to compile cleanly.
  echo "test: ============================================================"
  echo "test: win32 tests NOT RUN: this machine's kernel cannot run 32-bit"
  echo "test: programs, so Wine cannot start wlanstat or any i386 test."
  echo "test: ============================================================"
  trees=(win64)
fi
for t in "${trees[@]}"; do
  tools/harness/make-prefix.sh "$PWD/build/$t/wineprefix" || status=1
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$t" -j2 || status=1
done
[ -x tools/fuzz.sh ] && { bash tools/fuzz.sh || status=1; }
# The Windows test pack, run by Wine's cmd as a person runs it on Windows.
bash tests/windows_pack.sh || status=1
# Two release builds from the same tree in different folders ship the same bytes.
bash tools/reproducible.sh || status=1
exit $status
