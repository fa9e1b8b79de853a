#!/usr/bin/env bash
# wlanstat.exe on the simulated card with two adapters: the list holds both and
# is enabled; the second, picked with the mouse, is shown after the next update
# (not connected: its identity only); when it disappears, the next cycle shows
# the first again.
# Usage: simcard_adapters.sh WLANSTAT.EXE WINEPREFIX WORK_DIR
source "$(dirname "$0")/simcard_lib.sh" "$@"

listed=$(adapters)
eth=$(printf '%s\n' "$listed" | grep '^\*' | head -n 1)
[ -n "$eth" ] || { fail "the IP helper lists no adapter"; finish; }
# The second adapter is another one the IP helper lists, so it has an identity.
other=$(printf '%s\n' "$listed" | grep -v '^\*' | head -n 1)
other_guid=$(field "$other" 2)
[ -n "$other_guid" ] || other_guid="{5157AD0E-0000-4000-8000-000000000002}"

first="interface $(field "$eth" 2) connected Quorix K4100ZT Wireless LAN Card
ssid 51756f72697820486f6d65
bssid 02:1A:2B:3C:4D:5E
rssi -58
chanspec 2a21"
second="interface $other_guid disconnected Quorix K4100ZT Wireless LAN Card #2"
printf '%s\n' "$first" "$second" | card
install_card
counter_masks=()
if [ -x "$root/tools/harness/simcard/install-counters.sh" ]; then
  "$root/tools/harness/simcard/install-counters.sh" "$WINEPREFIX" "$(field "$eth" 2)" || fail "counter driver not installed"
  counter_masks=("$counters_box")
fi

start_viewer || finish
settled || fail "the viewer asks the card for nothing"
check "entry 0 shown first" face_is two-first "${counter_masks[@]}" \
  < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E 40 -58)
check "two adapters: the list is enabled" list_enabled

echo "== the second, picked with the mouse"
at=$(xdotool getwindowgeometry "$main" | awk '/Position/ {print $2}')
x=$((${at%,*} + 14)) y=$((${at#*,} + 63))
# The open list below the box: the chosen item lit at the top, the other one
# below it in black.
rows() { convert "$work/two-open-list.png" -crop "400x12+0+$1" -depth 8 txt:- | grep -c "$2"; }
both_listed() { [ "$(rows 0 '#3096FA')" -gt 0 ] && [ "$(rows 0 '#FFFFFF')" -gt 0 ] && [ "$(rows 12 '#000000')" -gt 0 ]; }
# The list as the viewer holds it decides: open and holding both adapters. A
# click that lands before the box takes it opens nothing: click again then.
check "two adapters, the first chosen, the list closed" list_state_is "closed 2 0"
opened=""
for _ in 1 2 3; do
  xdotool mousemove --window "$main" 200 52 click 1
  wait_for 5 list_state_is "open 2 0" && { opened=1; break; }
done
check "a click opens the list" test -n "$opened"
list_picture() {
  import -window root -depth 8 png:- 2>/dev/null | convert - -crop "400x24+$x+$y" +repage "$work/two-open-list.png"
}
# Drawn once open: the chosen item lit at the top, the other one below it in black.
drawn_open() { list_picture && both_listed; }
wait_for 5 drawn_open
check "the open list holds both adapters" both_listed
xdotool mousemove --window "$main" 200 81 click 1
check "the second picked, the list closed" wait_for 5 list_state_is "closed 2 1"
mark=$(log_lines)
wait_opens 2 "$mark"
check "after the next update: the second, not connected, its identity only" \
  face_is two-second < <(not_connected_face "$other")
check "the list stays enabled" list_enabled

echo "== the shown adapter disappears"
printf '%s\n' "$first" | card
settled
check "the next cycle shows entry 0 again" face_is two-removed "${counter_masks[@]}" \
  < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E 40 -58)
check "one adapter left: the list is disabled" list_disabled
close_viewer
finish
