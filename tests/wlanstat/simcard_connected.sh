#!/usr/bin/env bash
# wlanstat.exe on the simulated card with one connected adapter: the whole face
# (labels, heads, values and picture) against the same texts drawn apart from the
# viewer, the channel from the driver's chanspec answer or from the WLAN API,
# the signal, the counters (when the counter driver is there), the addresses the
# IP helper lists; an SSID with "&" and a driver that answers the receive count
# in 4 bytes; then the same on a Korean system with a code-page-949 SSID.
# Usage: simcard_connected.sh WLANSTAT.EXE WINEPREFIX WORK_DIR
source "$(dirname "$0")/simcard_lib.sh" "$@"

# What a screen reader in another process reads on the face, one "role<TAB>name<TAB>
# action" line per item (role 41 is a static text, 40 a graphic); empty without the probe.
probe=$QUORIX_WIN32_BUILD/tests/msaa_probe.exe
reader_env=()
reading=""
listen() { reading=$([ -f "$probe" ] && env "${reader_env[@]}" wine "$probe" "$title" 2>/dev/null | tr -d '\r'); }
heard() { [ ! -f "$probe" ] || grep -qxF "$1" <<<"$reading"; }

eth=$(adapters | grep '^\*' | head -n 1)
[ -n "$eth" ] || { fail "the IP helper lists no adapter"; finish; }
guid=$(field "$eth" 2)
echo "adapter: $eth"
desc="Quorix K4100ZT Wireless LAN Card"

card <<SCENARIO
interface $guid connected $desc
ssid 51756f72697820486f6d65       # "Quorix Home"
bssid 02:1A:2B:3C:4D:5E
rssi -58
chanspec 2a21                     # 80 MHz around 42, primary below: 40
SCENARIO
install_card
counters=0
if [ -x "$root/tools/harness/simcard/install-counters.sh" ]; then
  "$root/tools/harness/simcard/install-counters.sh" "$WINEPREFIX" "$guid" && counters=1 || fail "counter driver not installed"
fi
# Both counts in 8 bytes, whatever an earlier run left.
[ $counters = 1 ] && counter_answers 0

counter_masks=()
[ $counters = 1 ] && counter_masks=("$counters_box")

echo "== connected, channel from the driver"
start_viewer || finish
settled || fail "the viewer asks the card for nothing"
check "connected face: every label, head and value in place" \
  face_is connected "${counter_masks[@]}" < <(connected_face "$eth" "Quorix Home" 02:1A:2B:3C:4D:5E 40 -58)
check "one adapter: listed, the list disabled" list_disabled
listen
check "a screen reader hears the state with its label" heard $'41\t연결상태 무선 AP에 연결되어 있습니다\t'
check "a screen reader hears each value with its label" heard $'41\tSSID Quorix Home\t'
check "a screen reader hears the channel" heard $'41\t채널 40\t'
check "a screen reader hears the signal" heard $'41\t신호세기[dbm] -58\t'
check "a screen reader hears the state picture" heard $'40\t무선 AP에 연결되어 있습니다\t'
if [ $counters = 1 ]; then
  first=$(import -window "$main" -crop 200x34+120+302 -depth 8 rgb:- | md5sum)
  check "Tx and Rx drawn" test "$(colour_count 120 302 200 34 '#000000')" -gt 0
  settled
  check "Tx and Rx grow" test "$(import -window "$main" -crop 200x34+120+302 -depth 8 rgb:- | md5sum)" != "$first"
fi
check "every buffer the card handed out was freed before its handle closed" \
  bash -c "! grep WlanCloseHandle '$log' | grep -qv 'unfreed 0\$'"
check "no call the card refused for its form" bash -c "! grep -q 'refused\|differs\|not handed out' '$log'"

echo "== channel from the WLAN API: no driver request; an SSID with \"&\"; a 4-byte receive count"
card <<SCENARIO
interface $guid connected $desc
ssid 41542654203547               # "AT&T 5G"
bssid 02:1A:2B:3C:4D:5E
channel 6
rssi -71
chanspec 2a21
SCENARIO
# The driver answers the frames received as an older one does: 4 bytes, a
# 32-bit count from 3 000 002 000, after an 8-byte transmit answer.
[ $counters = 1 ] && counter_answers 2
settled
mark=$(log_lines)
settled
check "channel 6, signal -71 and the SSID AT&T 5G shown as they are" \
  face_is channel-api "${counter_masks[@]}" < <(connected_face "$eth" "AT&T 5G" 02:1A:2B:3C:4D:5E 6 -71)
check "no chanspec request while the WLAN API knows the channel" \
  bash -c "! tail -n +$((mark + 1)) '$log' | grep -q WlanIhvControl"
if [ $counters = 1 ]; then
  listen
  rx=$(sed -n 's/^41\t수신\[Rx\] \([0-9]*\)\t.*$/\1/p' <<<"$reading")
  tx=$(sed -n 's/^41\t전송\[Tx\] \([0-9]*\)\t.*$/\1/p' <<<"$reading")
  echo "  read: Tx ${tx:-none}, Rx ${rx:-none}"
  check "a 4-byte receive answer shows as the 32-bit count it is" \
    test "${rx:-0}" -ge 3000002000 -a "${rx:-0}" -lt 3100000000
  check "the 8-byte transmit answer beside it stays whole" test "${tx:-0}" -ge 5000001000
  counter_answers 0
fi
close_viewer

echo "== Korean system (code page 949)"
if ! locale -a 2>/dev/null | grep -qix 'ko_KR\.utf-\?8'; then
  echo "SKIP: the ko_KR.UTF-8 locale is not on this machine (the bootstrap installs it)"
else
  card <<SCENARIO
interface $guid connected $desc
ssid bfecb8aec1fd20bfcdc0ccc6c4c0cc   # "우리집 와이파이" in code page 949
bssid 02:1A:2B:3C:4D:5E
rssi -58
chanspec 2a21
SCENARIO
  korean=(LANG=ko_KR.UTF-8 LC_ALL=ko_KR.UTF-8)
  # The prefix follows the locale of its programs; make-prefix.sh keeps its fonts.
  env "${korean[@]}" "$root/tools/harness/make-prefix.sh" "$WINEPREFIX"
  start_viewer "${korean[@]}" || finish
  settled
  check "the code-page-949 SSID reads 우리집 와이파이" \
    face_is korean "${counter_masks[@]}" < <(connected_face "$eth" "우리집 와이파이" 02:1A:2B:3C:4D:5E 40 -58)
  reader_env=("${korean[@]}")
  listen
  check "a screen reader hears SSID 우리집 와이파이" heard $'41\tSSID 우리집 와이파이\t'
  close_viewer
fi
finish
