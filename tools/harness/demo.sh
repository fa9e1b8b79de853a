#!/usr/bin/env bash
# Runs the programs of a demo media folder (made by make-media.sh) under Wine,
# one after the other, in a Wine prefix of their own. Under Xvfb (as tools/run.sh
# starts it when there is no display) each program closes itself or is closed
# after a screenshot into build/screens; on a real display the user closes them.
# Usage: demo.sh MEDIA
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 MEDIA" >&2; exit 2; }
media=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
export PATH="$root/tools/harness/bin:$PATH"  # see bin/wine
screens=$root/build/screens
export WINEPREFIX=${QUORIX_DEMO_PREFIX:-$root/build/demo-prefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
"$root/tools/harness/make-prefix.sh" "$WINEPREFIX"
mkdir -p "$screens"
simcard=$root/tools/harness/simcard
devices_tool=$root/build/win64/tools/harness/simcard/devices/simcard_devices.exe
viewer_tree=${QUORIX_WIN32_BUILD:-$root/build/win32}
card_tool=$viewer_tree/tools/harness/simcard/wlan/simcard_tool.exe
# The i386 viewer, or where this kernel cannot run it, the x86-64 build (tools/run.sh).
viewer_runs() { "$root/tools/harness/i386-support.sh" || [ "$(basename "$viewer_tree")" = wlanstat-x64 ]; }

# xvfb-run hands the server's cookie over in a file of its own making.
headless() { [[ "${XAUTHORITY:-}" == */xvfb-run.* ]]; }

# The waits and eyes of the whole-program tests.
# shellcheck source=tests/support/program_lib.sh
source "$root/tests/support/program_lib.sh"
set -e

snap() { shot root "$screens/$1.png" && echo "screenshot: $screens/$1.png"; }

# The installer: intro, "다음 >", installing, result, "마침" and Yes. On a real
# display the user clicks through it.
run_setup() {
  [ -f "$media/setup.exe" ] || return 0
  echo "== setup.exe"
  rm -f "$media/drivers/dpinst.log"
  if headless; then
    timeout 180 wine "$media/setup.exe" &
    local pid=$! id
    if id=$(wait_window 60 "Quorix LanCard Installer" 527x347); then
      wait_pixel 20 "$id" 240 218 CCD6E0 || true            # the intro's illustration
      snap setup-1-intro
      touch "$media/drivers/dpinst.hold"   # keep the installing page up for its picture
      xdotool mousemove --window "$id" 391 326 click 1
      wait_pixel 20 "$id" 218 268 E8B04A || true            # the animation's driver box
      snap setup-2-installing
      rm -f "$media/drivers/dpinst.hold"
      result_shown() { pixel_is "$id" 300 262 2FA84F || pixel_is "$id" 305 193 F2C12E; }
      wait_for 60 result_shown || true                       # the tick or the warning sign
      snap setup-3-result
      xdotool mousemove --window "$id" 471 326 click 1
      wait_titled 20 "Quorix LanCard Installer" 2 || true   # the question beside the frame
      wait_still 10 root || true
      snap setup-4-confirm
      xdotool key Return
    fi
    wait $pid || echo "setup.exe ended with status $?"
  else
    wine "$media/setup.exe"
  fi
  [ -f "$media/drivers/dpinst.log" ] && sed 's/^/  dpinst stand-in: /' "$media/drivers/dpinst.log"
  return 0
}

# The status viewer, on the simulated card: connected. Headless, it is pictured,
# its minimise button lit by the pointer, and closed with "닫기".
run_wlanstat() {
  [ -f "$media/wlanstat.exe" ] || return 0
  echo "== wlanstat.exe"
  if ! viewer_runs; then
    echo "  NOT RUN: this machine cannot run 32-bit programs, so Wine cannot start the i386 viewer"
    return 0
  fi
  if headless; then
    timeout 120 wine "$media/wlanstat.exe" &
    local pid=$! id
    if id=$(wait_window 60 "Quorix WiFi 상태보기" 594x398); then
      connected() { [ "$(colour_count_of "$id" 126 76 200 13 000000)" -gt 0 ]; }
      wait_for 20 connected || true                          # the first cycle's face: a black status line
      wait_still 5 "$id" || true
      snap wlanstat-1-status
      xdotool mousemove --window "$id" 560 15
      wait_pixel 5 "$id" 557 11 3FA9E0 || true               # the lit minimise button
      snap wlanstat-2-hover
      xdotool mousemove --window "$id" 546 378 click 1
    fi
    wait $pid || echo "wlanstat.exe ended with status $?"
  else
    wine "$media/wlanstat.exe"
  fi
  return 0
}

# The simulated card (tools/harness/simcard): its device node and two decoys for
# setup to find, and, for wlanstat, one connected adapter on the IP helper's first
# real adapter, with its WLAN service and traffic counters. Every run puts the
# card's node back, so setup has one to remove again.
install_card() {
  echo "== the simulated card"
  "$simcard/install-devices.sh" "$WINEPREFIX"
  # The card's node is removed on Windows 10 only: setup runs as Windows 10.
  wine reg add 'HKCU\Software\Wine\AppDefaults\setup.exe' /v Version /d win10 /f >/dev/null 2>&1
  # The WLAN side (stand-in DLL and service, helper) has the viewer's width.
  viewer_runs || { echo "  no 32-bit support here: the card's WLAN side is not installed"; return 0; }
  mkdir -p "$root/build"
  cp "$simcard/demo.scenario" "$root/build/demo.scenario"
  "$simcard/install-wlan.sh" "$WINEPREFIX" "$root/build/demo.scenario"
  local guid
  guid=$(wine "$card_tool" adapters 2>/dev/null | tr -d '\r' | awk -F'\t' '$1=="*" {print $2; exit}')
  if [ -n "$guid" ]; then
    "$simcard/install-counters.sh" "$WINEPREFIX" "$guid"
  else
    echo "  the IP helper lists no adapter with an IPv4 address: no addresses or counters"
  fi
}

# The card's device tree as SetupAPI lists it, before and after setup.
list_devices() { echo "  device nodes $1:"; wine "$devices_tool" list 2>/dev/null | tr -d '\r' | sed 's/^/    /'; }

# One function per program, run in this order.
install_card
cd "$media"
list_devices "before setup"
run_setup
list_devices "after setup (the card's node is gone, both decoys stay)"
run_wlanstat
wineserver -w || true
