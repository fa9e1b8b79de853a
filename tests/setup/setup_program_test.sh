#!/usr/bin/env bash
# Drives setup.exe under Wine as a user would, as Windows 7 and Windows 10:
# intro, a second start, a drag, "다음 >", the installing page, the success
# page, "마침" and the confirmation; then, shorter, the failure page (Windows 8.1,
# nothing installed) and the unsupported-Windows page (Windows XP). The machine
# has the simulated card's device nodes: Windows 10 removes the card's and keeps
# both decoys (also on a machine with the decoys only), Windows 7 leaves the tree
# alone. Last, a whole Windows 10 run on a Korean system, whose boxes must draw
# Hangul. With a probe, what a screen reader reads on the intro and result pages.
# Setup starts only Microsoft's intact DPInst: an unsigned stand-in, one signed by
# another organisation, one with a changed byte, and one that another process
# holds open for writing never run, and the failure page follows.
# Needs a display (ctest runs under xvfb-run).
# Once more from a drive that answers as a FAT32 stick or a CD does on Windows
# (fat_volume_launcher loads a hook into setup that refuses the file-information
# classes FAT, exFAT and CDFS refuse), and DPInst must still start.
# Usage: setup_program_test.sh SETUP_EXE DPINST_X64_EXE PREFIX WORKDIR DEVICES_EXE [MSAA_PROBE_EXE
#        [FAT_LAUNCHER_EXE FAT_HOOK_DLL]]
set -uo pipefail
setup_exe=$1 dpinst_exe=$2 prefix=$3 work=$4 devices_exe=$5 probe=${6:-} fat_launcher=${7:-} fat_hook=${8:-}
# shellcheck source=tests/support/program_lib.sh
source "$(dirname "$0")/../support/program_lib.sh"
program_start "$prefix"
title="Quorix LanCard Installer"
screens=$work/screens
mkdir -p "$screens"
rm -f "$screens"/*.png  # only this run's pictures

# Window ids titled like the installer (the frame, and any message box).
windows() { titled "$title"; }

# Waits up to $2 s until `windows` lists exactly $1 windows.
wait_count() { wait_titled "$2" "$title" "$1"; }

# The window in `windows` other than $1.
other_window() { windows | grep -vx "$1" | head -n 1; }

# snap WINDOW NAME: the window's picture kept as NAME.png.
snap() { shot "$1" "$screens/$2.png" || fail "screenshot $2"; }
# A pixel of the animation's driver box, the same in every frame: once drawn,
# the installing page shows its picture.
installing_marker=(218 268 E8B04A)

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
  click_at "$1" "$2" "$3"
  wait_count "$4" 5 && return 0
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key Return
  wait_count "$4" 20
}

# Ends whatever installer windows are left (closing the X connection of their
# process) and waits for the started process $1; a stuck run must not hold the
# single-instance mutex for the next one.
finish() {
  local id
  for id in $(windows); do xdotool windowkill "$id" 2>/dev/null || true; done
  wait_exit 10 "$1"
  kill "$1" 2>/dev/null || true
}

# Waits up to $2 s for a box beside frame $1, pictures it as $3, checks that
# trace $4 quotes its text $5, and presses its button at ($6,$7), after which $8
# installer windows are left; $9 says whose box it is.
answer_box() {
  local frame=$1 bound=$2 picture=$3 log=$4 text=$5 x=$6 y=$7 left=$8 whose=$9 box
  wait_count 2 "$bound" || { fail "$whose showed no box"; return; }
  box=$(other_window "$frame")
  wait_still 10 "$box"
  snap "$box" "$picture"
  box_said "$log" "$text" || fail "$whose: the box has another text"
  press_box "$box" "$x" "$y" "$left" || fail "$whose: the box did not close the way it should"
}

# The application names run $1's setup passed to CreateProcessW, from Wine's
# +process trace, unescaped.
started_apps() {
  perl -CSD -ne 'next unless /CreateProcessInternalW app L"((?:[^"\\]|\\.)*)"/; my $s = $1;
    $s =~ s/\\(?:[xu]?([0-9a-fA-F]{4})|(.))/defined $1 ? chr hex $1 : $2/ge; print "$s\n"' "$work/$1-first.log"
}

run_as() {
  # $5: the result page expected (success or failure); $6: "quick" skips the
  # second start and the drag; $7 names the run's files (default: the version).
  # An empty $3 means DPInst must not run at all.
  local version=$1 exit_code=$2 package=$3 switches=$4 outcome=$5 mode=${6:-full} name=${7:-$1}
  echo "== $name (at ${SECONDS} s)"
  local media="$work/media $name 설치"
  rm -rf "$media"
  mkdir -p "$media/drivers"
  cp "$setup_exe" "$media/setup.exe"
  cp "${stand_in:-$dpinst_exe}" "$media/drivers/dpinst_x64.exe"
  for p in Win7X64 Win81X64 Win10X64; do mkdir -p "$media/drivers/$p"; done
  echo "$exit_code" > "$media/drivers/dpinst.exit"
  wine reg add 'HKCU\Software\Wine\AppDefaults\setup.exe' /v Version /d "$version" /f >/dev/null 2>&1

  if [ -n "${fat_drive:-}" ]; then
    # The media is the root of drive $fat_drive, whose answers the hook plays.
    ln -sfn "$media" "$WINEPREFIX/dosdevices/$fat_drive:"
    rm -rf "$work/fat-hook"; mkdir -p "$work/fat-hook"
    cp "$fat_hook" "$work/fat-hook/fat_volume_hook.dll"  # it logs beside itself
    (cd "$media" && WINEDEBUG=trace+msgbox,trace+setupapi,trace+process wine "$fat_launcher" "${fat_drive^}:\\setup.exe" \
      "$(winepath -w "$work/fat-hook/fat_volume_hook.dll")" >"$work/$name-first.log" 2>&1) &
  else
    (cd "$media" && WINEDEBUG=trace+msgbox,trace+setupapi,trace+process wine setup.exe >"$work/$name-first.log" 2>&1) &
  fi
  local first=$!
  wait_count 1 60 || { fail "$name: no installer window"; finish $first; return; }
  local frame
  frame=$(windows | head -n 1)
  wait_pixel 20 "$frame" 240 218 CCD6E0  # the intro's illustration, painted
  snap "$frame" "$name-1-intro"
  [ "$(pixel_of "$frame" 300 30)" = "4B4B4B" ] || fail "$name: intro frame line at y 30"
  [ "$(pixel_of "$frame" 240 218)" = "CCD6E0" ] || fail "$name: intro illustration"
  reads "$name: the intro's title" $'18\tQuorix K4100ZT 설치를 시작합니다\t'
  reads "$name: the intro's close image" $'43\t닫기\t누르기'

  if [ "$mode" = full ]; then
  # A second start shows only its box and ends; the first stays on its page.
  (cd "$media" && WINEDEBUG=trace+msgbox wine setup.exe >"$work/$name-second.log" 2>&1) &
  local second=$!
  answer_box "$frame" 30 "$name-2-already-running" "$work/$name-second.log" "$already_running_text" 164 57 1 \
    "$name: the second start"
  wait_exit 15 $second
  kill -0 $second 2>/dev/null && fail "$name: the second start did not end"
  [ "$(pixel_of "$frame" 240 218)" = "CCD6E0" ] || fail "$name: the first installer left its intro"

  # A drag in the top band moves the window, and the next click still counts.
  local before after
  before=$(position_of "$frame")
  xdotool mousemove --window "$frame" 300 40 mousedown 1 mousemove --window "$frame" 320 50 \
    mousemove --window "$frame" 340 60 mouseup 1
  wait_moved 5 "$frame" "$before"
  after=$(position_of "$frame")
  [ "$before" != "$after" ] || fail "$name: the drag did not move the window ($before)"
  fi

  # Another process writes to DPInst at the moment of launch: cmd holds it open
  # for appending while `more` waits on a pipe (nothing is written).
  local writer_pipe=""
  if [ -n "${lock_stand_in:-}" ]; then
    writer_pipe="$work/writer.pipe"
    rm -f "$writer_pipe"; mkfifo "$writer_pipe"
    # (A relative name: Wine's command line would lose the folder's Hangul in the C locale.)
    (cd "$media/drivers" && exec wine cmd /c "more 2>>dpinst_x64.exe" <"$writer_pipe" >"$work/writer.out" 2>&1) &
    exec 8>"$writer_pipe"
    # `more` echoes a line only once it runs, that is with the file already open.
    echo held >&8
    wait_for 30 grep -q held "$work/writer.out" || fail "$name: nobody holds DPInst open for writing"
  fi

  if [ -n "${fat_drive:-}" ]; then
    wait_for 60 grep -q "fat volume: modelled" "$work/$name-first.log" ||
      { fail "$name: the drive does not answer as FAT does"; grep "fat volume" "$work/$name-first.log"; }
  fi

  # "다음 >": the installing page while the stand-in is held.
  touch "$media/drivers/dpinst.hold"
  click_at "$frame" 391 326
  if wait_pixel 20 "$frame" 240 218 CCD6E0 not; then
    # Only a running stand-in holds the installing page; without one the worker
    # ends at once and the page may pass before it is drawn.
    if [ -n "$package" ]; then
    wait_pixel 20 "$frame" "${installing_marker[@]}"  # the animation's first frame
    snap "$frame" "$name-3-installing"
    # Enter, Esc and Alt+F4 do not end the installation (a click on the page
    # first, so the keys reach it).
    click_at "$frame" 300 200
    xdotool key Return Escape alt+F4
    holds_for 1 titled_count_is "$title" 1 || fail "$name: a key opened a box or closed the window"
    fi
  else
    fail "$name: '다음 >' did not lead to the installing page"
    finish $first
    return
  fi
  rm -f "$media/drivers/dpinst.hold"

  # The result page: the green check of success or the warning triangle of failure.
  local marker=(300 262 2FA84F)
  [ "$outcome" = failure ] && marker=(305 193 F2C12E)
  if wait_pixel 60 "$frame" "${marker[@]}"; then
    wait_still 10 "$frame"
    snap "$frame" "$name-4-$outcome"
    if [ "$outcome" = success ]; then reads "$name: the outcome" $'41\t드라이버 설치가 완료되었습니다.\t'
    else reads "$name: the outcome" $'41\t드라이버 설치에 실패하였습니다.\t'; fi
  else
    snap "$frame" "$name-4-result"
    fail "$name: no $outcome page"
    finish $first
    return
  fi
  if [ -n "$writer_pipe" ]; then exec 8>&-; rm -f "$writer_pipe"; fi
  local wmedia expected
  if [ -z "$package" ]; then
    [ -f "$media/drivers/dpinst.log" ] && fail "$name: DPInst ran on an unsupported Windows"
  else
  wmedia=$(winepath -w "$media" 2>/dev/null)
  [ -n "${fat_drive:-}" ] && wmedia="${fat_drive^}:"
  expected="command line: \"$wmedia\\drivers\\dpinst_x64.exe\" $switches /path \"$wmedia\\drivers\\$package\""
  if grep -qxF "$expected"$'\r' "$media/drivers/dpinst.log" 2>/dev/null || grep -qxF "$expected" "$media/drivers/dpinst.log" 2>/dev/null; then
    sed 's/^/  dpinst stand-in: /' "$media/drivers/dpinst.log"
  else
    fail "$name: the stand-in did not record: $expected"
    cat "$media/drivers/dpinst.log" 2>/dev/null
  fi
  # Started by its drive path, not the \\?\ form its held handle resolves to
  # (on Windows, the image path DPInst would see of itself).
  started_apps "$name" | grep -qxF "$wmedia\drivers\dpinst_x64.exe" ||
    { fail "$name: DPInst was not started by its drive path"; started_apps "$name"; }
  fi

  # "마침" asks; Yes ends the program.
  click_at "$frame" 471 326
  answer_box "$frame" 20 "$name-5-confirm" "$work/$name-first.log" "$confirm_text" 59 57 0 "$name: '마침'"
  wait_exit 30 $first
  kill -0 $first 2>/dev/null && fail "$name: the process did not end"
  finish $first
}

# ---- the simulated card's device nodes ----

# Instance IDs in the order SetupAPI lists them: the PCI decoy before the card.
pci_decoy='PCI\VEN_10EC&DEV_8179&SUBSYS_817910EC&REV_01\4&1A94E2D&0&00E0'
card='PCI\VEN_10EC&DEV_8812&SUBSYS_881210EC&REV_01\4&2B7F3C1&0&00E1'
usb_decoy='USB\VID_0BDA&PID_8812\00E04C881201'
devices() { QUORIX_DEVICE_TOOL=$devices_exe "$harness/simcard/install-devices.sh" "$WINEPREFIX" "$@" || fail "install-devices $*"; }

# Fails unless the present Net-class devices that SetupAPI lists (instance IDs in
# its order) are $2.
expect_tree() {
  local listed got
  listed=$(wine "$devices_exe" list 2>/dev/null | tr -d '\r')
  got=$(cut -d'|' -f1 <<<"$listed" | paste -sd' ')
  [ "$got" = "$2" ] || { fail "$1: the device tree holds '$got', not '$2'"; sed 's/^/  /' <<<"$listed"; }
}

# Wine lists every node as present whatever the flags, so the list the removal
# asked for is read from SetupAPI's trace: the Net class, no enumerator, present
# devices of the current profile.
expect_list_request() {
  grep -qF 'SetupDiGetClassDevsExW {4d36e972-e325-11ce-bfc1-08002be10318} (null) 0000000000000000 0x0000000a ' "$work/$1-first.log" ||
    fail "$1: the removal did not ask SetupAPI for the present Net-class devices of the profile"
}

# ---- readable Hangul in message boxes ----

hangul_font=/usr/share/fonts/truetype/baekmuk/gulim.ttf
# Width of the black ink of image $1 in region $2 (WxH+X+Y); $3: grey level under which a pixel is ink.
ink_width() { convert "$1" -crop "$2" +repage -colorspace Gray -threshold "${3:-40%}" -negate -trim -format %w info: 2>/dev/null; }
# Width of text $2 as the Hangul font draws it $1 pixels to the em.
font_width() { convert -font "$hangul_font" -pointsize "$1" -density 72 label:"$2" -colorspace Gray -threshold 40% -negate -trim -format %w info:; }
# The message text of box picture $1: its black ink right of the icon, above the buttons.
box_text() {
  local w h
  w=$(identify -format %w "$1"); h=$(identify -format %h "$1")
  convert "$1" -crop "$((w - 45))x$((h - 36))+45+2" +repage -colorspace Gray -threshold 40% -trim +repage "$2"
}
# Widths of the label ink runs in the button row of box picture $1, pure black only
# so that button edges do not count.
button_runs() {
  local h
  h=$(identify -format %h "$1")
  convert "$1" -crop "x16+0+$((h - 27))" +repage -colorspace Gray -threshold 1% -depth 8 txt:- 2>/dev/null |
    awk -F'[,: ]+' 'NR > 1 && /#000000/ { ink[$1] = 1 }
      END { start = -1
            for (x = 0; x <= 4096; x++) if (x in ink) { if (start < 0) start = x; else if (x - last > 5) { print last - start + 1; start = x } last = x }
            if (start >= 0) print last - start + 1 }'
}
# True when width $1 is what the Hangul font gives text $2 at the boxes' sizes (11
# pixels to the em, 12 on a Korean system); empty boxes for missing glyphs are less
# than half as wide.
font_wide() {
  [ -n "$1" ] && [ "$1" -ge $(($(font_width 11 "$2") - 2)) ] && [ "$1" -le $(($(font_width 12 "$2") + 8)) ]
}
# Fails unless box picture $2 shows message $3 and, when given, its last button
# labelled $4 (not the default one, whose focus frame would count as ink) in the
# Hangul font, not as empty boxes.
expect_box_text() {
  local name=$1 picture=$2 text=$3 label=${4:-} width run
  box_text "$picture" "$work/box-text.png"
  width=$(identify -format %w "$work/box-text.png" 2>/dev/null)
  font_wide "$width" "$text" || fail "$name: the box's text is ${width:-no} pixels wide, not as the font draws '$text' ($picture)"
  [ -z "$label" ] && return
  run=$(button_runs "$picture" | tail -n 1)
  font_wide "$run" "$label" || fail "$name: the last button's label is ${run:-no} pixels wide, not as the font draws '$label' ($picture)"
}

devices
run_as win7 1 Win7X64 "/q /a /se /sh /f" success
expect_tree win7 "$pci_decoy $card $usb_decoy"
run_as win10 0 Win10X64 "/q /a /se /f" success
expect_tree win10 "$pci_decoy $usb_decoy"
expect_list_request win10
# Without the card, nothing that merely resembles it goes.
devices --without-card
run_as win10 0 Win10X64 "/q /a /se /f" success quick win10-without-card
expect_tree win10-without-card "$pci_decoy $usb_decoy"
# A USB stick or the CD in the box: no reparse tag, no file id.
if [ -n "$fat_launcher" ]; then
  fat_drive=f run_as win10 0 Win10X64 "/q /a /se /f" success quick win10-fat-stick
  sed 's/^/  fat volume hook: /' "$work/fat-hook/fat_volume_hook.log" 2>/dev/null
  rm -f "$WINEPREFIX/dosdevices/f:"
fi
run_as win81 0 Win81X64 "/q /a /se /sh /f" failure quick
# Only Microsoft's intact DPInst may start elevated; the card's node stays.
cp "$dpinst_exe" "$work/dpinst-altered.exe"
perl -e 'open F, "+<", $ARGV[0] or die; seek F, 0x600, 0; read F, $b, 1; seek F, 0x600, 0; print F chr(ord($b) ^ 1)' \
  "$work/dpinst-altered.exe"
devices
for variant in unsigned foreign altered; do
  stand_in="$(dirname "$dpinst_exe")/dpinst_x64.$variant.exe"
  [ $variant = altered ] && stand_in="$work/dpinst-altered.exe"
  run_as win10 1 "" "" failure quick "win10-$variant-dpinst"
done
stand_in=""
lock_stand_in=1 run_as win10 1 "" "" failure quick win10-dpinst-being-written
expect_tree win10-refused-dpinst "$pci_decoy $card $usb_decoy"
run_as winxp 1 "" "" failure quick
wine reg delete 'HKCU\Software\Wine\AppDefaults\setup.exe' /f >/dev/null 2>&1
wineserver -w

# The same machine as a Korean system (code page 949). Wine rewrites its font
# settings when the code page changes; make-prefix.sh maps the fonts again.
saved_lang=${LANG-}
export LANG=ko_KR.UTF-8
"$harness/make-prefix.sh" "$prefix" || fail "the prefix did not turn Korean"
devices
run_as win10 0 Win10X64 "/q /a /se /f" success full ko-win10
expect_tree ko-win10 "$pci_decoy $usb_decoy"
expect_box_text ko-win10 "$screens/ko-win10-2-already-running.png" 'Quorix LanCard Installer가 이미 실행 중 입니다.'
expect_box_text ko-win10 "$screens/ko-win10-5-confirm.png" '종료하시겠습니까?' '아니요(N)'
wine reg delete 'HKCU\Software\Wine\AppDefaults\setup.exe' /f >/dev/null 2>&1
wineserver -w
if [ -n "$saved_lang" ]; then export LANG=$saved_lang; else unset LANG; fi
"$harness/make-prefix.sh" "$prefix"  # back as the other runs want it
echo "screenshots: $screens"
tally_exit
