#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, then the Windows tests
# under Wine on a virtual display. Exits non-zero when any test fails.
set -uo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh || exit 1
bash tools/build.sh native win64 win32 || exit 1

status=0
ctest --preset native -j2 || status=1
for t in win64 win32; do
  tools/harness/make-prefix.sh "$PWD/build/$t/wineprefix" || status=1
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$t" -j2 || status=1
done
[ -x tools/fuzz.sh ] && { bash tools/fuzz.sh || status=1; }
# Two release builds from the same tree in different folders ship the same bytes.
bash tools/reproducible.sh || status=1
exit $status
