#!/usr/bin/env bash
# Creates a 64-bit Wine prefix (which also runs i386 programs) for one build tree:
# no Mono or Gecko prompts, and the Korean fonts the programs ask for mapped to Baekmuk.
# The locale of the call decides the prefix's code pages (LANG=ko_KR.UTF-8: a Korean
# system, code page 949). When they change, Wine rewrites the dialog font's substitute
# (for Korean to "Gulim", which no installed font is called, so message boxes draw
# Hangul and their Korean buttons as empty boxes); a call in another locale than the
# last one therefore maps the fonts again.
set -euo pipefail
prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
export PATH="$here/bin:$PATH"  # see bin/wine
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
locale=${LC_ALL:-${LC_CTYPE:-${LANG:-C}}}
lock="$prefix.lock"
mkdir -p "$(dirname "$prefix")"
exec 9>"$lock"
flock 9
ready="$prefix/.quorix-ready"
# A prefix made where i386 programs cannot run has no 32-bit system files, and
# Wine's 32-bit loader then starts nothing in it, 64-bit programs included:
# where it can run, such a prefix is made again.
bare="$prefix/.quorix-without-i386"
if [ -f "$bare" ] && "$here/i386-support.sh"; then
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
fi
[ -f "$ready" ] && [ "$(cat "$ready")" = "$locale" ] && exit 0
# Wine updates the code pages as a session starts, before its first program runs:
# a new prefix, or a fresh session once the prefix's programs have ended.
if [ -f "$ready" ]; then wineserver -w; else
  wineboot -i >/dev/null 2>&1 || true
  "$here/i386-support.sh" || : >"$bare"
fi
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
for face in gulim "MS Shell Dlg" "MS Shell Dlg 2" "MS 셸 대화 상자"; do
  wine reg add "$key" /v "$face" /d "Baekmuk Gulim" /f >/dev/null 2>&1
done
wineserver -w
echo "$locale" >"$ready"
