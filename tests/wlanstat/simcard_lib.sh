# Shared by the simulated-card scenarios: sourced with the viewer, the prefix and
# a work folder (scenario, call log, screenshots) as $1 $2 $3.
# The card is installed once per scenario script; each check rewrites the
# scenario, which the card reads again at every client handle the viewer opens.
set -uo pipefail
exe=$1
work=$3
# shellcheck source=tests/wlanstat/viewer_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/viewer_lib.sh" "$2"
export QUORIX_WIN32_BUILD=${QUORIX_WIN32_BUILD:-$root/build/win32}
tool=$QUORIX_WIN32_BUILD/tools/harness/simcard/wlan/simcard_tool.exe
combo_probe=$QUORIX_WIN32_BUILD/tests/combo_probe.exe
scenario=$work/card.scenario
log=$scenario.log

mkdir -p "$work"
rm -f "$work"/*.png "$work"/*.bmp

finish() {
  echo "pictures and call log: $work"
  tally_exit
}

# The test display has no window manager to wait for.
wine reg add 'HKCU\Software\Wine\AppDefaults\wlanstat.exe\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

# ---- the card ----

# Writes the scenario from stdin; the card reads it at the next handle.
card() { cat > "$scenario.new" && mv "$scenario.new" "$scenario"; }
install_card() {
  "$root/tools/harness/simcard/install-wlan.sh" "$WINEPREFIX" "$scenario" || { fail "card not installed"; finish; }
}
# The counter driver's "ShortAnswers" (bit 0 sent, bit 1 received in 4 bytes),
# which it reads at every request.
counter_answers() {
  wine reg add 'HKLM\System\CurrentControlSet\Services\QuorixCounters' /v ShortAnswers /t REG_DWORD \
    /d "$1" /f >/dev/null 2>&1
}
# The IP helper's adapters as the probe sees them (tab-separated, see simcard_tool).
adapters() { wine "$tool" adapters 2>/dev/null | tr -d '\r'; }
# Field $2 (1-based) of adapter line $1.
field() { printf '%s\n' "$1" | cut -f "$2" | sed 's/^-$//'; }

# The viewer's cycles are a second apart (kRefreshPause, wlanstat/info/refresh_loop.h):
# calls closer than this came in one cycle.
next_cycle_ms=900
# Lines in the log; waits until $1 more client handles have been asked for than
# at mark $2 (a cycle asks once, or twice when it started the service).
# Starts the log afresh; keep_log NAME keeps what it holds as NAME.log.
new_log() { : > "$log"; }
keep_log() { cp "$log" "$work/$1.log" 2>/dev/null || true; }
log_lines() { [ -f "$log" ] && wc -l < "$log" || echo 0; }
opens_since() { tail -n +"$(($1 + 1))" "$log" 2>/dev/null | grep -c 'WlanOpenHandle'; }
opened() { [ "$(opens_since "$2")" -ge "$1" ]; }
# ...and then until the window has painted what it was handed.
wait_opens() { wait_for "${3:-20}" opened "$1" "$2" && wait_still 5 "$main"; }
# After a rewrite: the next handle reads it, the one after comes only once that
# cycle's face has been handed to the window.
settled() { local m; m=$(log_lines); wait_opens 2 "$m" "${1:-20}"; }

# ---- the viewer ----

# Starts the viewer (extra environment as arguments) and waits for its window.
main=""
start_viewer() {
  env "$@" wine "$exe" >>"$work/wine.log" 2>&1 &
  main=$(wait_window 60 "$title" 594x398) && return 0
  fail "no window \"$title\""
  return 1
}
close_viewer() {
  [ "$(count)" -eq 0 ] || xdotool mousemove --window "$main" 575 15 click 1
  wait_count 5 0 || { fail "the viewer did not end"; kill_procs wlanstat.exe; }
  timeout 30 wineserver -w || true
}
trap 'kill_procs wlanstat.exe' EXIT

# The viewer's window, seen: its picture, a pixel as #RRGGBB, and the pixels of
# colour $5 (#RRGGBB) in the rectangle x y w h.
shot_main() { shot "$main" "$work/$1.png"; }
pixel() { echo "#$(pixel_of "$main" "$1" "$2")"; }
colour_count() { colour_count_of "$main" "$1" "$2" "$3" "$4" "${5#\#}"; }

# ---- the face ----

# Drawings for simcard_tool face, which takes the panel's places and inks from
# the tests' own copy (wlanstat/ui/test_support/expected_panel.h).
# The background with the labels and heads of a connected or other face.
face_frame() { printf '%s\n' "bitmap 129 0 0" "panel $1"; }
# Where the Tx and Rx values count real frames: left out of a comparison.
counters_box="120,300 340,337"
# A value where its line puts it, left out when empty: value KEY TEXT.
value() { [ -n "$2" ] && echo "value $1 $2"; }

# Compares the window with the face drawn from the lines on stdin, everywhere but
# the adapter list, the 닫기 button, the two title buttons and the rectangles
# "x0,y0 x1,y1" given as arguments. Keeps both pictures and their difference.
face_is() {
  local name=$1; shift
  cat > "$work/$name.drawing"
  wine "$tool" face "$(winpath "$work/$name-expected.bmp")" "$(winpath "$exe")" "$(winpath "$work/$name.drawing")" \
    >/dev/null 2>&1 || { echo "  the probe could not draw $name"; return 1; }
  shot_main "$name" || return 1
  local masks=(-fill black -draw "rectangle 12,39 416,65" -draw "rectangle 510,365 583,392"
               -draw "rectangle 554,8 585,24")
  local r
  for r in "$@"; do masks+=(-draw "rectangle $r"); done
  convert "$work/$name.png" -alpha off "${masks[@]}" "$work/$name-a.png"
  convert "$work/$name-expected.bmp" -alpha off "${masks[@]}" "$work/$name-b.png"
  local differ
  differ=$(compare -metric AE "$work/$name-a.png" "$work/$name-b.png" "$work/$name-diff.png" 2>&1 >/dev/null)
  rm -f "$work/$name-a.png" "$work/$name-b.png"
  [ "$differ" = 0 ] && { rm -f "$work/$name-diff.png" "$work/$name-expected.bmp"; return 0; }
  echo "  $name: $differ pixels differ from what was expected (see $name-diff.png)"
  return 1
}

# The face of a connected adapter: SSID, BSSID, channel and signal as given
# ($2..$5), Tx and Rx 0, identity and addresses from the adapter's probe line
# ($1; empty: none).
connected_face() {
  face_frame connected
  value state "무선 AP에 연결되어 있습니다"
  value name "$(field "$1" 11)"
  value device "$(field "$1" 12)"
  value ssid "$2"
  value bssid "$3"
  value channel "$4"
  value speed "$(awk -v v="$(field "$1" 10)" 'BEGIN {
    if (v >= 1e9) printf "%.1f Gbps", v / 1e9; else if (v >= 1e6) printf "%.1f Mbps", v / 1e6;
    else if (v >= 1e3) printf "%.1f Kbps", v / 1e3; else if (v > 0) printf "%.1f bps", v }')"
  value signal "$5"
  value tx 0
  value rx 0
  local n=3 key
  for key in mac ip mask gateway dhcp dns dns2; do
    value $key "$(field "$1" $n)"
    n=$((n + 1))
  done
  echo "bitmap 130 464 45"
}
# An adapter that is not connected: its identity from its probe line ($1).
not_connected_face() {
  face_frame other
  value state "무선 AP에 연결되어 있지 않습니다"
  value name "$(field "$1" 11)"
  value device "$(field "$1" 12)"
  value mac "$(field "$1" 3)"
  echo "bitmap 131 464 45"
}
no_adapter_face() {
  face_frame other
  value state "무선 랜카드가 발견되지 않습니다"
  echo "bitmap 132 464 45"
}

# The adapter list: enabled it draws its text black, disabled grey; empty, neither.
list_pixels() { colour_count 16 44 380 16 "$1"; }
list_enabled() { [ "$(list_pixels '#000000')" -gt 0 ]; }
list_disabled() { [ "$(list_pixels '#000000')" -eq 0 ] && [ "$(list_pixels '#A6A6A6')" -gt 0 ]; }
list_empty() { [ "$(list_pixels '#000000')" -eq 0 ] && [ "$(list_pixels '#A6A6A6')" -eq 0 ]; }

# The adapter list as the viewer holds it, read through the window: "open|closed
# COUNT SELECTED" (tests/support/combo_probe.cpp).
list_state() { wine "$combo_probe" "$title" 594x398 2>/dev/null | tr -d '\r'; }
list_state_is() { [ "$(list_state)" = "$1" ]; }
