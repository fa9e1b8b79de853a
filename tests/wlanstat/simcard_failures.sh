#!/usr/bin/env bash
# wlanstat.exe on the simulated card while one call after another fails: the
# face each failure leaves (no adapter, connected with nothing known, a value
# left out), one viewer run, the scenario rewritten between the checks.
# Usage: simcard_failures.sh WLANSTAT.EXE WINEPREFIX WORK_DIR
source "$(dirname "$0")/simcard_lib.sh" "$@"

eth=$(adapters | grep '^\*' | head -n 1)
[ -n "$eth" ] || { fail "the IP helper lists no adapter"; finish; }
guid=$(field "$eth" 2)
# The connected adapter; arguments: scenario lines to add.
adapter() {
  printf '%s\n' "interface ${at_guid:-$guid} connected Quorix K4100ZT Wireless LAN Card" \
    "ssid 51756f72697820486f6d65" "bssid 02:1A:2B:3C:4D:5E" "$@"
}
whole() { adapter "rssi -58" "chanspec 2a21" "$@"; }
whole | card
install_card
counter_masks=()
if [ -x "$root/tools/harness/simcard/install-counters.sh" ]; then
  "$root/tools/harness/simcard/install-counters.sh" "$WINEPREFIX" "$guid" || fail "counter driver not installed"
  counter_masks=("$counters_box")
fi
start_viewer || finish
settled || fail "the viewer asks the card for nothing"

# Rewrites the scenario from stdin and waits until the viewer shows its cycle.
apply() { card; settled; }

echo "== the client handle"
mark=$(log_lines)
whole "fail open 5" | apply
check "handle refused (access denied): no adapter" face_is open-fails < <(no_adapter_face)
check "  and the list is emptied" list_empty
# One refused handle per cycle, a second apart, and the service left alone.
check "  and no second try, no service start for it" bash -c "tail -n +$((mark + 1)) '$log' | awk '
  /WlanSvc/ {bad = 1} / WlanOpenHandle 5\$/ {if (last && \$1 - last < $next_cycle_ms) bad = 1; last = \$1; n++}
  END {exit bad || n < 2}'"

echo "== the enumeration"
whole "fail enum 1" | apply
check "enumeration fails: no adapter" face_is enum-fails < <(no_adapter_face)
echo "# no interface" | apply
check "no interface: no adapter" face_is no-interface < <(no_adapter_face)

echo "== the connection"
# Windows 11 24H2 without location consent: access denied for this query alone.
whole "fail connection 5" | apply
check "current-connection query refused: all but the SSID and BSSID" \
  face_is connection-denied "${counter_masks[@]}" < <(connected_face "$eth" "" "" 40 -58)
# Any other failure (here: element not found) ends the cycle at that query.
whole "fail connection 1168" | apply
check "current-connection query fails otherwise: connected, every other row empty" \
  face_is connection-fails < <(connected_face "" "" "" "" "")
mark=$(log_lines)
settled
check "  and the card is asked nothing after it" bash -c "tail -n +$((mark + 1)) '$log' |
  awk '/WlanQueryInterface|WlanIhvControl/ {n++; if (\$0 !~ /WlanQueryInterface .* 1168\$/) bad = 1}
  END {exit bad || n < 1}'"

echo "== the channel"
adapter "rssi -58" | apply
check "WLAN API and driver silent: no channel" \
  face_is channel-unanswered "${counter_masks[@]}" < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E "" -58)
adapter "rssi -58" "chanspec none" | apply
check "driver answers with nothing: no channel" \
  face_is channel-empty "${counter_masks[@]}" < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E "" -58)

echo "== the signal"
whole "fail rssi 50" | apply
check "signal query fails: no signal" \
  face_is rssi-fails "${counter_masks[@]}" < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E 40 "")

echo "== the IP helper"
# No IP adapter and no device for this GUID: no identity, addresses or counts.
at_guid="{5157AD0E-0000-4000-8000-00000000FA11}" whole | apply
check "interface unknown to the IP helper: no identity, addresses or counts" \
  face_is no-ip-adapter < <(connected_face "" "Quorix Home" 02:1A:2B:3C:4D:5E 40 -58)

echo "== and back"
whole | apply
check "all answered again: the whole face" \
  face_is recovered "${counter_masks[@]}" < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E 40 -58)
close_viewer
finish
