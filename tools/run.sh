#!/usr/bin/env bash
# Builds everything and runs the programs under Wine from a demo media folder
# (setup beside drivers\ with the DPInst stand-in). Without a display, runs them on
# a virtual one and leaves screenshots in build/screens.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh
bash tools/build.sh win64 win32
media="$PWD/build/demo media"
tools/harness/make-media.sh "$media"
if ! tools/harness/i386-support.sh; then
  # This kernel cannot run the i386 viewer: show its x86-64 build, on a card of that width.
  bash tools/build.sh wlanstat-x64
  export QUORIX_WIN32_BUILD="$PWD/build/wlanstat-x64"
  cp "$QUORIX_WIN32_BUILD/wlanstat/ui/wlanstat.exe" "$media/"
  echo "run: no 32-bit support here: the demo's wlanstat.exe is the x86-64 build of the viewer"
fi
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash tools/harness/demo.sh "$media"
fi
exec bash tools/harness/demo.sh "$media"
