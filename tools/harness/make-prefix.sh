#!/usr/bin/env bash
# Creates a 64-bit Wine prefix (which also runs i386 programs) for one build tree:
# no Mono or Gecko prompts, and the Korean fonts the programs ask for mapped to Baekmuk.
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
lock="$prefix.lock"
mkdir -p "$(dirname "$prefix")"
exec 9>"$lock"
flock 9
[ -f "$prefix/.quorix-ready" ] && exit 0
wineboot -i >/dev/null 2>&1 || true
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
for face in gulim "MS Shell Dlg" "MS Shell Dlg 2" "MS 셸 대화 상자"; do
  wine reg add "$key" /v "$face" /d "Baekmuk Gulim" /f >/dev/null 2>&1
done
wineserver -w
touch "$prefix/.quorix-ready"
