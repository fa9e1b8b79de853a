#!/usr/bin/env bash
# The quick way in, for a change on a built tree: the native tests, and the
# in-process Wine tests of the trees that the change touches. The whole-program
# tests (label whole_program), fuzzing, the Windows test pack and the release
# check are left to `bash tools/test.sh`, which CI runs.
#   bash tools/test.sh quick          changes not yet committed
#   bash tools/test.sh quick BASE     changes since commit BASE, e.g. main~3, too
set -uo pipefail
cd "$(dirname "$0")/.."
base=${1:-HEAD}
export PATH="$PWD/tools/harness/bin:$PATH"  # see tools/harness/bin/wine

viewer=win32
tools/harness/i386-support.sh || viewer=wlanstat-x64
# Which Windows trees a changed path reaches: setup's, the viewer's, or both.
trees_of() {
  case $1 in
    setup/* | tests/setup/* | tools/dpinst/* | tools/windows-tests/*) echo win64 ;;
    wlanstat/* | tests/wlanstat/*) echo "$viewer" ;;
    docs/* | *.md | .ci/* | tools/*.sh | tools/signing/*.sh) ;;
    *) echo win64; echo "$viewer" ;;  # framework, cmake, shared test support, the harness
  esac
}
changed=$( { git diff --name-only "$base" --; git ls-files --others --exclude-standard; } | sort -u)
trees=$(while read -r f; do [ -n "$f" ] && trees_of "$f"; done <<<"$changed" | sort -u | xargs)
echo "quick: changed since $base: $(wc -w <<<"$changed") files; Wine trees: ${trees:-none}"

status=0
bash tools/build.sh native $trees || exit 1
ctest --preset native -j2 || status=1
for t in $trees; do
  [ -d "build/$t/wineprefix" ] || tools/harness/make-prefix.sh "$PWD/build/$t/wineprefix" || status=1
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$t" -j2 -LE 'whole_program|no_wine' || status=1
done
echo "quick: not run: whole-program tests, fuzzing, the test pack, the release check (bash tools/test.sh)"
exit $status
