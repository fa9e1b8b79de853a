# What the viewer's scripts share: sourced with the Wine prefix as $1, it sets
# Wine up for that prefix (skipping without an X display), counts the checks'
# failures and finds our wlanstat.exe processes.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
title="Quorix WiFi 상태보기"

[ -n "${DISPLAY:-}" ] || { echo "SKIP: no X display (run under xvfb-run)"; exit 77; }
"$root/tools/harness/make-prefix.sh" "$WINEPREFIX"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# Our wlanstat.exe processes: those of this prefix only.
pids() {
  local d
  for d in /proc/[0-9]*; do
    [ "$(cat "$d/comm" 2>/dev/null)" = wlanstat.exe ] || continue
    tr '\0' '\n' < "$d/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "${d#/proc/}"
  done
}
count() { pids | wc -l; }
# Waits up to $1 seconds for the number of our processes to become $2.
wait_count() {
  local deadline; deadline=$(($(date +%s%N) + $1 * 1000000000))
  while [ "$(date +%s%N)" -lt "$deadline" ]; do
    [ "$(count)" -eq "$2" ] && return 0
    sleep 0.05
  done
  [ "$(count)" -eq "$2" ]
}
