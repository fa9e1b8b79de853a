#!/usr/bin/env bash
# Drives setup.exe under Wine as a user would, as Windows 7 and Windows 10:
# intro, a second start, a drag, "다음 >", the installing page, the success
# page, "마침" and the confirmation; then, shorter, the failure page (Windows 8.1,
# nothing installed) and the unsupported-Windows page (Windows XP); with a probe, what
# a screen reader reads on the intro and result pages. Needs a display (ctest runs under
# xvfb-run). Usage: setup_program_test.sh SETUP_EXE DPINST_X64_EXE PREFIX WORKDIR [MSAA_PROBE_EXE]
set -uo pipefail
setup_exe=$1 dpinst_exe=$2 prefix=$3 work=$4 probe=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../tools/harness/make-prefix.sh" "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
title="Quorix LanCard Installer"
screens=$work/screens
mkdir -p "$screens"
rm -f "$screens"/*.png  # only this run's pictures
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Window ids titled like the installer (the frame, and any message box).
windows() { xdotool search --name "^$title\$" 2>/dev/null || true; }

# Waits up to $2 s until `windows` lists exactly $1 windows.
wait_count() {
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ]; do
    [ "$(windows | wc -l)" -eq "$1" ] && return 0
    sleep 0.3
  done
  return 1
}

# The window in `windows` other than $1.
other_window() { windows | grep -vx "$1" | head -n 1; }

shot() { import -window "$1" "$screens/$2.png" 2>/dev/null || fail "screenshot $2"; }

# Colour of client pixel (x, y) of window $1 as RRGGBB.
pixel() {
  import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1 | tr -d '#'
}

# Waits up to $5 s until pixel ($2,$3) of window $1 is $4 (or, with $6 = not, is no longer $4).
wait_pixel() {
  local deadline=$((SECONDS + $5))
  while [ $SECONDS -lt $deadline ]; do
    if [ "${6:-is}" = not ]; then
      [ "$(pixel "$1" "$2" "$3")" != "$4" ] && return 0
    else
      [ "$(pixel "$1" "$2" "$3")" = "$4" ] && return 0
    fi
    sleep 0.3
  done
  return 1
}

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Wine's message-box trace quotes each box's text, every non-ASCII character as
# a backslash and four hex digits.
box_said() { grep -qF "MSGBOX_OnInit L\"$2\"" "$1"; }

# Whether a screen reader in another process finds line $2 ("role<TAB>name<TAB>
# action") on the page shown; $1 names the check. Role 18 is a dialog, 41 a
# static text, 43 a push button.
reads() {
  [ -n "$probe" ] || return 0
  wine "$probe" "$title" 2>/dev/null | tr -d '\r' | grep -qxF "$2" || fail "a screen reader does not read $1"
}
already_running_text='Quorix LanCard Installer\ac00 \c774\bbf8 \c2e4\d589 \c911 \c785\b2c8\b2e4.'
confirm_text='\c885\b8cc\d558\c2dc\aca0\c2b5\b2c8\ae4c?'

# Presses a message box's button at client ($2,$3) of box $1; falls back to
# Return on the box when the click did not close it (other tests' windows may
# sit on top). Waits until $4 installer windows are left.
press_box() {
  click "$1" "$2" "$3"
  wait_count "$4" 5 && return 0
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key Return
  wait_count "$4" 20
}

# Ends whatever installer windows are left (closing the X connection of their
# process) and waits for the started process $1; a stuck run must not hold the
# single-instance mutex for the next one.
finish() {
  local id waited=0
  for id in $(windows); do xdotool windowkill "$id" 2>/dev/null || true; done
  while kill -0 "$1" 2>/dev/null && [ $waited -lt 20 ]; do sleep 0.5; waited=$((waited + 1)); done
  kill "$1" 2>/dev/null || true
}

run_as() {
  # $5: the result page expected (success or failure); $6: "quick" skips the
  # second start and the drag. An empty $3 means DPInst must not run at all.
  local version=$1 exit_code=$2 package=$3 switches=$4 outcome=$5 mode=${6:-full}
  echo "== $version"
  local media="$work/media $version 설치"
  rm -rf "$media"
  mkdir -p "$media/drivers"
  cp "$setup_exe" "$media/setup.exe"
  cp "$dpinst_exe" "$media/drivers/dpinst_x64.exe"
  for p in Win7X64 Win81X64 Win10X64; do mkdir -p "$media/drivers/$p"; done
  echo "$exit_code" > "$media/drivers/dpinst.exit"
  wine reg add 'HKCU\Software\Wine\AppDefaults\setup.exe' /v Version /d "$version" /f >/dev/null 2>&1

  (cd "$media" && WINEDEBUG=trace+msgbox wine setup.exe >"$work/$version-first.log" 2>&1) &
  local first=$!
  wait_count 1 60 || { fail "$version: no installer window"; finish $first; return; }
  local frame
  frame=$(windows | head -n 1)
  sleep 1
  shot "$frame" "$version-1-intro"
  [ "$(pixel "$frame" 300 30)" = "4B4B4B" ] || fail "$version: intro frame line at y 30"
  [ "$(pixel "$frame" 240 218)" = "CCD6E0" ] || fail "$version: intro illustration"
  reads "$version: the intro's title" $'18\tQuorix K4100ZT 설치를 시작합니다\t'
  reads "$version: the intro's close image" $'43\t닫기\t누르기'

  if [ "$mode" = full ]; then
  # A second start shows only its box and ends; the first stays on its page.
  (cd "$media" && WINEDEBUG=trace+msgbox wine setup.exe >"$work/$version-second.log" 2>&1) &
  local second=$!
  if wait_count 2 30; then
    local box
    box=$(other_window "$frame")
    sleep 0.5
    shot "$box" "$version-2-already-running"
    box_said "$work/$version-second.log" "$already_running_text" || fail "$version: the second start's box has another text"
    press_box "$box" 164 57 1 || fail "$version: the second start's box did not close"
  else
    fail "$version: the second start showed no box"
  fi
  local waited=0
  while kill -0 $second 2>/dev/null && [ $waited -lt 30 ]; do sleep 0.5; waited=$((waited + 1)); done
  kill -0 $second 2>/dev/null && fail "$version: the second start did not end"
  [ "$(pixel "$frame" 240 218)" = "CCD6E0" ] || fail "$version: the first installer left its intro"

  # A drag in the top band moves the window, and the next click still counts.
  local before after
  before=$(xdotool getwindowgeometry "$frame" | grep Position)
  xdotool mousemove --window "$frame" 300 40 mousedown 1 mousemove --window "$frame" 320 50 \
    mousemove --window "$frame" 340 60 mouseup 1
  sleep 0.5
  after=$(xdotool getwindowgeometry "$frame" | grep Position)
  [ "$before" != "$after" ] || fail "$version: the drag did not move the window ($before)"
  fi

  # "다음 >": the installing page while the stand-in is held.
  touch "$media/drivers/dpinst.hold"
  click "$frame" 391 326
  if wait_pixel "$frame" 240 218 CCD6E0 20 not; then
    sleep 1.5
    shot "$frame" "$version-3-installing"
    # Enter, Esc and Alt+F4 do not end the installation (a click on the page
    # first, so the keys reach it).
    click "$frame" 300 200
    xdotool key Return Escape alt+F4
    sleep 1
    [ "$(windows | wc -l)" -eq 1 ] || fail "$version: a key opened a box or closed the window"
  else
    fail "$version: '다음 >' did not lead to the installing page"
    finish $first
    return
  fi
  rm -f "$media/drivers/dpinst.hold"

  # The result page: the green check of success or the warning triangle of failure.
  local marker=(300 262 2FA84F)
  [ "$outcome" = failure ] && marker=(305 193 F2C12E)
  if wait_pixel "$frame" "${marker[@]}" 60; then
    sleep 0.5
    shot "$frame" "$version-4-$outcome"
    if [ "$outcome" = success ]; then reads "$version: the outcome" $'41\t드라이버 설치가 완료되었습니다.\t'
    else reads "$version: the outcome" $'41\t드라이버 설치에 실패하였습니다.\t'; fi
  else
    shot "$frame" "$version-4-result"
    fail "$version: no $outcome page"
    finish $first
    return
  fi
  local wmedia expected
  if [ -z "$package" ]; then
    [ -f "$media/drivers/dpinst.log" ] && fail "$version: DPInst ran on an unsupported Windows"
  else
  wmedia=$(winepath -w "$media" 2>/dev/null)
  expected="command line: \"$wmedia\\drivers\\dpinst_x64.exe\" $switches /path \"$wmedia\\drivers\\$package\""
  if grep -qxF "$expected"$'\r' "$media/drivers/dpinst.log" 2>/dev/null || grep -qxF "$expected" "$media/drivers/dpinst.log" 2>/dev/null; then
    sed 's/^/  dpinst stand-in: /' "$media/drivers/dpinst.log"
  else
    fail "$version: the stand-in did not record: $expected"
    cat "$media/drivers/dpinst.log" 2>/dev/null
  fi
  fi

  # "마침" asks; Yes ends the program.
  click "$frame" 471 326
  if wait_count 2 20; then
    local ask
    ask=$(other_window "$frame")
    sleep 0.5
    shot "$ask" "$version-5-confirm"
    box_said "$work/$version-first.log" "$confirm_text" || fail "$version: '마침' asked something else"
    press_box "$ask" 59 57 0 || fail "$version: the installer did not end after Yes"
  else
    fail "$version: '마침' did not ask"
  fi
  waited=0
  while kill -0 $first 2>/dev/null && [ $waited -lt 60 ]; do sleep 0.5; waited=$((waited + 1)); done
  kill -0 $first 2>/dev/null && fail "$version: the process did not end"
  finish $first
}

run_as win7 1 Win7X64 "/q /a /se /sh /f" success
run_as win10 0 Win10X64 "/q /a /se /f" success
run_as win81 0 Win81X64 "/q /a /se /sh /f" failure quick
run_as winxp 1 "" "" failure quick
wine reg delete 'HKCU\Software\Wine\AppDefaults\setup.exe' /f >/dev/null 2>&1
echo "screenshots: $screens"
[ $failures -eq 0 ] && echo "PASS" || echo "$failures failure(s)"
exit $((failures > 0))
