#!/usr/bin/env bash
# Runs a Windows executable under Wine in the given prefix, making the prefix on first use.
# Usage: wine-run.sh PREFIX program.exe [args...]
# Used as the cross-compiling emulator, so ctest runs every Windows test through it.
set -euo pipefail
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
[ -f "$prefix/.quorix-ready" ] || "$here/make-prefix.sh" "$prefix"
exec wine "$@"
