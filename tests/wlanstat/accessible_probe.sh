#!/usr/bin/env bash
# wlanstat.exe as a screen reader in another process meets it, in the face of a
# machine without a wireless card: the painted texts and image buttons are
# there with their names, and the close image's default action ends the program.
# Usage: accessible_probe.sh WLANSTAT.EXE MSAA_PROBE.EXE WINEPREFIX
set -uo pipefail
exe=$1
probe=$2
# shellcheck source=tests/wlanstat/viewer_lib.sh
source "$(dirname "$0")/viewer_lib.sh" "$3"

trap 'kill_procs wlanstat.exe' EXIT
[ "$(count)" -eq 0 ] || { echo "another wlanstat.exe runs in this prefix"; exit 1; }

wine "$exe" >/dev/null 2>&1 &
tree=""
read_tree() { tree=$(wine "$probe" "$title" 2>/dev/null | tr -d '\r') && [ -n "$tree" ]; }
wait_for 60 read_tree || { fail "no accessible object for \"$title\""; exit 1; }
echo "$tree"

# role numbers: dialog 18, static text 41, grouping 20, graphic 40, push button 43
expect() { grep -qxF "$1" <<<"$tree" && pass "$2" || fail "$2: no line \"$1\""; }
expect "18	$title	" "the window, named by its title"
expect "41	연결상태 무선 랜카드가 발견되지 않습니다	" "the status line with its label"
expect "41	SSID	" "a label without a value, alone"
expect "20	무선랜카드 정보	" "a section head as a group"
expect "40	무선 랜카드가 발견되지 않습니다	" "the state picture, named by the state"
expect "43	최소화	누르기" "the minimise image as a button"
expect "43	닫기	누르기" "the close image as a button"
[ "$(grep -c 'control$' <<<"$tree")" -eq 2 ] && pass "the list and 닫기 as the system's own objects" \
  || fail "real controls: $(grep -c 'control$' <<<"$tree")"

close=$(grep -n "^43	닫기	누르기\$" <<<"$tree" | cut -d: -f1)
[ "$(wine "$probe" "$title" press $((close - 1)) 2>/dev/null | tr -d '\r')" = pressed ] || fail "close image not pressed"
wait_count 10 0 && pass "the close image's default action ended the program" || fail "still running"

tally_exit
