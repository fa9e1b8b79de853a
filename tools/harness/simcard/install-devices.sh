#!/usr/bin/env bash
# Puts the simulated card's device nodes into a Wine prefix through SetupAPI: the
# card (a present Net-class PCI device with the card's description) and two
# decoys, another PCI network device and the card's description on USB. With
# --without-card, the decoys only (the card's node is removed if there).
# Idempotent: the nodes already there stay as they are. The helper is built by
# the win64 tree (QUORIX_DEVICE_TOOL overrides where).
# Usage: install-devices.sh PREFIX [--without-card]
set -euo pipefail
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: $0 PREFIX [--without-card]" >&2; exit 2; }
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
tool=${QUORIX_DEVICE_TOOL:-$here/../../../build/win64/tools/harness/simcard/devices/simcard_devices.exe}
[ -f "$tool" ] || { echo "install-devices: no $tool (build the win64 tree)" >&2; exit 1; }
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
"$here/../make-prefix.sh" "$prefix"
wine "$tool" add "$@"
# A prefix started without a display leaves later programs windowless until it ends.
[ -n "${DISPLAY:-}" ] || wineserver -w
