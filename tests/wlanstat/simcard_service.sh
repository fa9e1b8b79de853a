#!/usr/bin/env bash
# wlanstat.exe on the simulated card while its WLAN service is not running:
# stopped, the viewer starts it and shows the card in the same cycle; never
# reaching running, the viewer waits with a live window and no adapter, and
# closes at once; disabled, it shows no adapter.
# Usage: simcard_service.sh WLANSTAT.EXE WINEPREFIX WORK_DIR
source "$(dirname "$0")/simcard_lib.sh" "$@"

eth=$(adapters | grep '^\*' | head -n 1)
[ -n "$eth" ] || { fail "the IP helper lists no adapter"; finish; }
adapter="interface $(field "$eth" 2) connected Quorix K4100ZT Wireless LAN Card
ssid 51756f72697820486f6d65
bssid 02:1A:2B:3C:4D:5E
rssi -58
chanspec 2a21"
counter_masks=()
if [ -x "$root/tools/harness/simcard/install-counters.sh" ]; then
  "$root/tools/harness/simcard/install-counters.sh" "$WINEPREFIX" "$(field "$eth" 2)" || fail "counter driver not installed"
  counter_masks=("$counters_box")
fi
# Milliseconds from the first refused handle to the next one granted.
refused_to_granted() {
  awk '/WlanOpenHandle 1062/ && !r {r = $1} /WlanOpenHandle 0$/ && r {print $1 - r; exit}' "$log"
}

echo "== stopped: the viewer starts it"
# Start pending for 300 ms, hint 100 ms: the viewer's wait polls a few times.
printf '%s\n' "service demand 300 100" "$adapter" | card
install_card
new_log
start_viewer || finish
settled || fail "the viewer asks the card for nothing"
check "connected face once the service runs" face_is service-started "${counter_masks[@]}" \
  < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E 40 -58)
check "refused while stopped, then the viewer started the service" \
  bash -c "grep -m1 -A3 'WlanOpenHandle 1062' '$log' | grep -q 'WlanSvc start pending'"
gap=$(refused_to_granted)
# The next cycle would come a second after the failed one.
check "the handle granted in the same cycle (${gap:-no} ms after the refusal)" test "${gap:-9999}" -lt "$next_cycle_ms"
close_viewer
keep_log service-started

echo "== a wait hint of weeks"
# The service's hint is an outside value: the wait still ends by its 15 s time-out.
printf '%s\n' "service demand 300 4000000000" "$adapter" | card
install_card
new_log
start_viewer || finish
wait_line 20 "$log" 'WlanSvc start pending'
wait_line 30 "$log" 'WlanOpenHandle 0$'
wait_still 5 "$main"
check "connected face after the time-out, not weeks" face_is service-long-hint "${counter_masks[@]}" \
  < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E 40 -58)
close_viewer
keep_log service-long-hint

echo "== never running"
printf '%s\n' "service demand never 500" "$adapter" | card
install_card
new_log
start_viewer || finish
wait_line 20 "$log" 'WlanSvc start pending'
wait_still 5 "$main"
check "no adapter while the viewer waits for the service" face_is service-waiting < <(no_adapter_face)
xdotool mousemove --window "$main" 560 15
wait_pixel 5 "$main" 557 11 3FA9E0
lit=$(pixel 557 11)
xdotool mousemove --window "$main" 300 100
wait_pixel 5 "$main" 557 11 3FA9E0 not
check "the window answers meanwhile (minimise button lit under the pointer only)" \
  test "$lit" = "#3FA9E0" -a "$(pixel 557 11)" != "#3FA9E0"
started=$(date +%s%N)
xdotool mousemove --window "$main" 575 15 click 1
wait_count 1 0
check "closed during the wait, ended in $(( ($(date +%s%N) - started) / 1000000 )) ms" test "$(count)" -eq 0
close_viewer
keep_log service-waiting

echo "== disabled"
printf '%s\n' "service disabled" "$adapter" | card
install_card
new_log
start_viewer || finish
settled || fail "the viewer asks the card for nothing"
settled
check "no adapter, cycle after cycle" face_is service-disabled < <(no_adapter_face)
check "never started, never granted a handle" \
  bash -c "! grep -q 'WlanSvc start\|WlanOpenHandle 0$' '$log'"
check "the list is empty" list_empty
close_viewer
keep_log service-disabled
finish
