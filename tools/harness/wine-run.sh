#!/usr/bin/env bash
# Runs a Windows executable under Wine in the given prefix, making the prefix on first use
# (in the caller's locale: LANG=ko_KR.UTF-8 makes it a Korean system).
# Usage: wine-run.sh PREFIX program.exe [args...]
# Used as the cross-compiling emulator, so ctest runs every Windows test through it.
set -euo pipefail
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
export PATH="$here/bin:$PATH"  # see bin/wine
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
"$here/make-prefix.sh" "$prefix"  # quick once made; maps the fonts again for another locale
exec wine "$@"
