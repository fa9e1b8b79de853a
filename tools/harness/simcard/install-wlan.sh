#!/usr/bin/env bash
# Installs the simulated card's WLAN side into a Wine prefix: our wlanapi.dll
# in the system folder of its architecture (syswow64 for i386, system32 for
# x86-64; loaded as native in place of Wine's), our "WlanSvc" service beside it,
# and SCENARIO_FILE as what they answer from (kept where it is: a test may
# rewrite it while a program runs). README.md says more.
# Usage: install-wlan.sh PREFIX SCENARIO_FILE   (binaries: QUORIX_WIN32_BUILD, the
#                                                viewer's tree, default build/win32)
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 PREFIX SCENARIO_FILE" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
bin=${QUORIX_WIN32_BUILD:-$root/build/win32}/tools/harness/simcard/wlan
prefix=$1
scenario=$(realpath "$2")
[ -f "$scenario" ] || { echo "install-wlan: no scenario $2" >&2; exit 1; }
for f in wlanapi.dll simcard_wlansvc.exe simcard_tool.exe; do
  [ -f "$bin/$f" ] || { echo "install-wlan: $bin/$f not built" >&2; exit 1; }
done
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
"$root/tools/harness/make-prefix.sh" "$prefix"
# A program looks for system DLLs in the folder of its own architecture: the
# PE header's machine field says which one the stand-ins are built for.
header=$(od -An -tu4 -j 60 -N 4 "$bin/wlanapi.dll" | tr -d ' ')
case $(od -An -tx2 -j $((header + 4)) -N 2 "$bin/wlanapi.dll" | tr -d ' ') in
  014c) folder=syswow64 ;;
  8664) folder=system32 ;;
  *) echo "install-wlan: $bin/wlanapi.dll is neither i386 nor x86-64" >&2; exit 1 ;;
esac
system=$prefix/drive_c/windows/$folder
# A running program may have the old ones mapped: replace, never overwrite.
for f in wlanapi.dll simcard_wlansvc.exe; do
  cmp -s "$bin/$f" "$system/$f" || cp --remove-destination "$bin/$f" "$system/$f"
done
# Wine maps the Unix root to Z:.
status=0
wine "$bin/simcard_tool.exe" install "Z:${scenario//\//\\}" 'C:\windows\'"$folder"'\simcard_wlansvc.exe' || status=$?
case $status in
  0) ;;
  # A service that Wine will not stop ends with the prefix: install while no
  # program of the prefix runs.
  3) timeout 60 wineserver -w || { echo "install-wlan: the prefix keeps running" >&2; exit 1; } ;;
  *) echo "install-wlan: installing failed ($status)" >&2; exit 1 ;;
esac
# A Wine program started without a display would leave later GUI programs of the
# prefix windowless until its server has ended.
[ -n "${DISPLAY:-}" ] || wineserver -w
