#!/usr/bin/env bash
# Whole-program checks of wlanstat.exe under Wine on an X display (Xvfb):
# start-up face and title, the lit minimise button, keys that must not close it,
# the title-band drag, the second start, Windows 7 passing and Windows XP refused
# by the version gate, and both ways of closing.
# Usage: whole_program.sh WLANSTAT.EXE WINEPREFIX SCREENSHOT_DIR
set -uo pipefail
exe=$1
screens=$3
# shellcheck source=tests/wlanstat/viewer_lib.sh
source "$(dirname "$0")/viewer_lib.sh" "$2"
mkdir -p "$screens"

appkey='HKCU\Software\Wine\AppDefaults\wlanstat.exe'
# The test display has no window manager; Wine would wait for one on every hide
# of a managed window. Unmanaged windows behave the same otherwise.
wine reg add "$appkey\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
wine reg delete "$appkey" /v Version /f >/dev/null 2>&1

windows() { titled "$title"; }
# Waits up to $1 seconds for a window with our title of size $2 (WxH) or, with
# "!WxH", of any other size, that was not there at the last start; prints its id.
old=""
new_window() { wait_window "$1" "$title" "$2" "$old"; }

# The whole display as a user sees it, kept as NAME.png.
snap() { shot root "$screens/$1.png" || true; }
start() { old=$(windows | tr '\n' ' '); wine "$exe" >>"$screens/wine.log" 2>&1 & }
# Starts with Wine's message-box trace into $1: it quotes each box's text, with
# every non-ASCII character as a backslash and four hex digits.
start_traced() {
  old=$(windows | tr '\n' ' ')
  WINEDEBUG=trace+msgbox wine "$exe" >"$1" 2>&1 &
}
# Waits until this prefix runs no wlanstat.exe and shows none of its windows.
settle() {
  wait_count 20 0 || fail "a wlanstat.exe is left running"
  wait_titled 10 "$title" 0
  # A start that races the idle server's exit can vanish without a trace: let
  # the server go first (no other test uses the prefix meanwhile: RUN_SERIAL).
  timeout 30 wineserver -w || true
}
cleanup() {
  kill_procs wlanstat.exe
  wine reg delete "$appkey" /v Version /f >/dev/null 2>&1
}
trap cleanup EXIT

[ "$(count)" -eq 0 ] || { echo "another wlanstat.exe runs in this prefix"; exit 1; }

echo "== start-up"
start
if main=$(new_window 60 594x398); then
  pass "window \"$title\" of 594 x 398"
  # The no-adapter picture (its warning sign) and the grey status line, once painted.
  wait_pixel 20 "$main" 534 87 FFD86B
  snap wlanstat-start
  [ "$(pixel_of "$main" 534 87)" = "FFD86B" ] && pass "no-adapter picture at (464, 45)" \
    || fail "no-adapter picture missing: $(pixel_of "$main" 534 87)"
  [ "$(colour_count_of "$main" 126 76 200 13 777777)" -gt 0 ] && pass "grey status line" \
    || fail "no grey status line"
else
  fail "no window titled \"$title\""
  snap wlanstat-start-failed
  exit 1
fi

echo "== hover"
xdotool mousemove --window "$main" 560 15
wait_pixel 5 "$main" 557 11 3FA9E0
lit=$(pixel_of "$main" 557 11)
xdotool mousemove --window "$main" 300 100
wait_pixel 5 "$main" 557 11 3FA9E0 not
dark=$(pixel_of "$main" 557 11)
[ "$lit" = "3FA9E0" ] && [ "$dark" != "$lit" ] && pass "minimise button lit only under the pointer" \
  || fail "hover frame: lit $lit, after leaving $dark"

echo "== keys that do not close it"
xdotool key --window "$main" Escape Return 2>/dev/null
# Nothing to wait for: watch that it stays.
open_still() { [ "$(count)" -eq 1 ] && [ -n "$(geometry_of "$main")" ]; }
holds_for 1 open_still && pass "Escape and Enter leave it open" || fail "closed by a key"

echo "== drag by the title band"
before=$(position_of "$main")
xdotool mousemove --window "$main" 300 15 mousedown 1 mousemove_relative 20 15 mousemove_relative 20 15 mouseup 1
wait_moved 5 "$main" "$before"
after=$(position_of "$main")
[ "$before" != "$after" ] && pass "moved from $before to $after" || fail "did not move ($before)"

echo "== second start"
start_traced "$screens/second-start.log"
if box=$(new_window 30 '!594x398'); then
  snap wlanstat-second-start
  box_said "$screens/second-start.log" '\d504\b85c\adf8\b7a8\c774 \c2e4\d589 \c911\c785\b2c8\b2e4.' \
    && pass "second start says \"프로그램이 실행 중입니다.\"" || fail "second start box has another text"
  xdotool key --window "$box" Return
  wait_count 10 1 && pass "second instance ended, first still runs" || fail "second instance did not end"
else
  fail "no message box on the second start"
fi

echo "== close image"
xdotool mousemove --window "$main" 575 15 click 1
wait_count 1 0 && pass "ended within a second of the close image" || fail "still running after the close image"

echo "== 닫기 button, on Windows 7 (6.1 passes the version gate)"
settle
wine reg add "$appkey" /v Version /d win7 /f >/dev/null 2>&1
start
if main=$(new_window 60 594x398); then
  pass "dialog on Windows 7"
  wait_pixel 20 "$main" 534 87 FFD86B  # painted: it takes clicks
  xdotool mousemove --window "$main" 546 378 click 1
  wait_count 1 0 && pass "ended within a second of 닫기" || fail "still running after 닫기"
else
  fail "no window for the 닫기 check"
fi

echo "== Windows XP"
settle
wine reg delete "$appkey" /v Version /f >/dev/null 2>&1
wine reg add "$appkey" /v Version /d winxp /f >/dev/null 2>&1
start_traced "$screens/winxp.log"
if box=$(new_window 30 '!594x398'); then
  snap wlanstat-winxp
  box_said "$screens/winxp.log" 'Windows7 \b610\b294 \c0c1\c704 \bc84\c804\c5d0\c11c \c2e4\d589 \ac00\b2a5\d569\b2c8\b2e4.' \
    && pass "Windows XP box says \"Windows7 또는 상위 버전에서 실행 가능합니다.\"" || fail "Windows XP box has another text"
  [ -z "$(new_window 1 594x398)" ] && pass "no dialog" || fail "the dialog opened on Windows XP"
  xdotool key --window "$box" Return
  wait_count 10 0 && pass "ended after the box" || fail "did not end after the box"
else
  snap wlanstat-winxp-failed
  fail "no box on Windows XP: $(count) running"
fi
wine reg delete "$appkey" /v Version /f >/dev/null 2>&1

echo "screenshots: $screens"
tally_exit
