#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, then the Windows tests
# under Wine on a virtual display. Exits non-zero when any test fails.
#   bash tools/test.sh                 everything (what CI runs)
#   bash tools/test.sh quick [BASE]    see tools/quick-test.sh
set -uo pipefail
cd "$(dirname "$0")/.."
[ "${1:-}" = quick ] && { shift; exec bash tools/quick-test.sh "$@"; }
bash tools/bootstrap.sh || exit 1
bash tools/build.sh native win64 win32 || exit 1

export PATH="$PWD/tools/harness/bin:$PATH"  # see tools/harness/bin/wine

status=0
ctest --preset native -j2 || status=1
trees=(win64 win32)
if ! tools/harness/i386-support.sh; then
  # The win32 tree is built above all the same, so the i386 code still has to compile
  # cleanly; its checks that start no program run on it, the viewer's Windows tests
  # from the same sources built x86-64 (tools/harness/without-i386.sh plays this machine).
  bash tools/build.sh wlanstat-x64 || exit 1
  trees=(win64 wlanstat-x64)
  ctest --preset win32 -L no_wine || status=1
fi
for t in "${trees[@]}"; do
  tools/harness/make-prefix.sh "$PWD/build/$t/wineprefix" || status=1
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$t" -j2 || status=1
done
if [ "${trees[1]}" = wlanstat-x64 ]; then
  names() { ctest --preset "$@" -N | sed -n 's/^ *Test *#[0-9]*: //p' | sort; }
  echo "test: ============================================================"
  echo "test: this machine's kernel cannot run 32-bit programs, so wlanstat's tests"
  echo "test: ran as x86-64 builds under Wine's 64-bit loader (build/wlanstat-x64):"
  echo "test: $(names wlanstat-x64 | xargs), the simulated card in system32."
  echo "test: ran on the i386 build, starting none of it: $(names win32 -L no_wine | xargs)."
  echo "test: not run: every test as i386 (the card in syswow64 among them);"
  echo "test: $(comm -23 <(names win32 -LE no_wine) <(names wlanstat-x64) | xargs) as i386 only (x86-64 in win64)."
  echo "test: ============================================================"
fi
[ -x tools/fuzz.sh ] && { bash tools/fuzz.sh || status=1; }
# The Windows test pack, run by Wine's cmd as a person runs it on Windows.
bash tests/windows_pack.sh || status=1
# Two release builds from the same tree in different folders ship the same bytes.
bash tools/reproducible.sh || status=1
exit $status
