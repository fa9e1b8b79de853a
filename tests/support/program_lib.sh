# What every whole-program script shares, sourced by setup's and wlanstat's alike:
# Wine set up for one prefix on a display of the script's own, a tally of checks,
# and a user's hands and eyes: start a program, wait for its window, its
# processes, a pixel or a line in a log; click; take a screenshot; read a pixel.
#
# Every wait names what it waits for and a bound in seconds; it returns as soon
# as the thing holds, so the bounds are generous. Only what must *not* happen
# (a key that must not close a window) is watched for a fixed span: holds_for.
#
# Usage: source tests/support/program_lib.sh; then program_start PREFIX.
# shellcheck shell=bash
set -uo pipefail
support=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$support/../.." && pwd)
harness=$root/tools/harness
export PATH="$harness/bin:$PATH"  # Wine's 64-bit loader where 32-bit programs cannot run (see bin/wine)

# ---- Wine and the display ----

# Sets Wine up for prefix $1 and proves the display clean: no window of an
# earlier test may hold the pointer, the focus or the place of a click. Each
# script runs on a display of its own (xvfb-run -a in its ctest entry); without
# one it skips.
program_start() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
  [ -n "${DISPLAY:-}" ] || { echo "SKIP: no X display (run under xvfb-run)"; exit 77; }
  # A Wine session started on another display would lend this one its desktop:
  # let the prefix's last session end first.
  [ ! -d "$WINEPREFIX" ] || timeout 60 wineserver -w 2>/dev/null || true
  "$harness/make-prefix.sh" "$WINEPREFIX" || { echo "FAIL: no Wine prefix $WINEPREFIX"; exit 1; }
  local root_window shown
  root_window=$(xdotool search --maxdepth 0 --name '' 2>/dev/null)
  shown=$(xdotool search --onlyvisible --name '' 2>/dev/null | grep -cvx "${root_window:-none}")
  [ "$shown" -eq 0 ] || { echo "FAIL: the display $DISPLAY already shows $shown window(s)"; exit 1; }
}

# Windows paths for Wine programs: the Unix root is Z:.
winpath() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

# ---- the tally ----

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# check WHAT COMMAND...: a pass or a failure by the command's status.
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
# Ends the script: 0 when every check passed.
tally_exit() {
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
  echo "all checks passed"
  exit 0
}

# ---- waiting ----

# wait_for BOUND COMMAND...: runs the command until it succeeds, for at most
# BOUND seconds (fractions allowed); its status at the end.
wait_for() {
  local deadline
  deadline=$(($(date +%s%3N) + $(awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }')))
  shift
  while :; do
    "$@" && return 0
    [ "$(date +%s%3N)" -lt "$deadline" ] || break
    sleep 0.1
  done
  "$@"
}
# holds_for SECONDS COMMAND...: whether the command keeps succeeding for the span.
holds_for() {
  local span=$1; shift
  ! wait_for "$span" not "$@"
}
not() { ! "$@"; }

# wait_line BOUND FILE PATTERN: until a line of the file matches (grep -E).
has_line() { grep -qE -- "$2" "$1" 2>/dev/null; }
wait_line() { wait_for "$1" has_line "$2" "$3"; }

# ---- processes ----

# The processes of this prefix whose name is $1 (wine starts a program through
# start.exe, so $! is not the program).
procs() {
  local d
  for d in /proc/[0-9]*; do
    [ "$(cat "$d/comm" 2>/dev/null)" = "$1" ] || continue
    tr '\0' '\n' < "$d/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "${d#/proc/}"
  done
}
proc_count() { procs "$1" | wc -l; }
proc_count_is() { [ "$(proc_count "$1")" -eq "$2" ]; }
# wait_procs BOUND NAME N: until exactly N processes of that name run.
wait_procs() { wait_for "$1" proc_count_is "$2" "$3"; }
# Ends the processes of that name still running.
kill_procs() { local p; for p in $(procs "$1"); do kill "$p" 2>/dev/null; done; }
# wait_exit BOUND PID: until the process has ended.
gone() { ! kill -0 "$1" 2>/dev/null; }
wait_exit() { wait_for "$1" gone "$2"; }

# ---- windows ----

# Ids of the windows titled exactly $1.
titled() { xdotool search --name "^$1\$" 2>/dev/null || true; }
titled_count_is() { [ "$(titled "$1" | wc -l)" -eq "$2" ]; }
# wait_titled BOUND TITLE N: until exactly N windows carry the title.
wait_titled() { wait_for "$1" titled_count_is "$2" "$3"; }
geometry_of() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/ {print $2}'; }
position_of() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Position/ {print $2}'; }
# find_window TITLE SIZE [IGNORED_IDS]: a window with the title, not among the
# ignored ids, of size WxH, or with "!WxH" of any other size; prints its id.
find_window() {
  local w g
  for w in $(titled "$1"); do
    [[ " ${3:-} " == *" $w "* ]] && continue
    g=$(geometry_of "$w")
    [ -n "$g" ] || continue
    if [[ "$2" == !* ]]; then [ "$g" != "${2#!}" ] && { echo "$w"; return 0; }
    else [ "$g" = "$2" ] && { echo "$w"; return 0; }; fi
  done
  return 1
}
# wait_window BOUND TITLE SIZE [IGNORED_IDS]: find_window, waited for.
wait_window() { wait_for "$1" find_window "$2" "$3" "${4:-}"; }
# wait_moved BOUND WINDOW POSITION: until the window is no longer at POSITION.
moved() { [ "$(position_of "$1")" != "$2" ]; }
wait_moved() { wait_for "$1" moved "$2" "$3"; }

# ---- hands ----

# A click at client coordinates of a captionless window (no window manager here).
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# ---- eyes ----

# shot WINDOW FILE: the window as it shows (root: the whole display).
shot() { import -window "$1" -depth 8 "$2" 2>/dev/null; }
# Colour of client pixel (x, y) of window $1 as RRGGBB.
pixel_of() {
  import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | tail -n 1 | grep -o '#[0-9A-F]\{6\}' | head -n 1 | tr -d '#'
}
pixel_is() { [ "$(pixel_of "$1" "$2" "$3")" = "$4" ]; }
# wait_pixel BOUND WINDOW X Y RRGGBB [not]: until the pixel is (or, with not, is
# no longer) that colour.
wait_pixel() {
  if [ "${6:-is}" = not ]; then wait_for "$1" not pixel_is "$2" "$3" "$4" "$5"
  else wait_for "$1" pixel_is "$2" "$3" "$4" "$5"; fi
}
# Number of pixels of colour RRGGBB ($6) in the rectangle x y w h of window $1.
colour_count_of() {
  import -window "$1" -crop "$4x$5+$2+$3" -depth 8 txt:- 2>/dev/null | grep -c "#$6"
}
# wait_still BOUND WINDOW: until two pictures of the window a moment apart are
# the same and not blank: it has painted and nothing is moving on it.
still() {
  local a b
  a=$(import -window "$1" -depth 8 rgb:- 2>/dev/null | md5sum)
  sleep 0.1
  b=$(import -window "$1" -depth 8 rgb:- 2>/dev/null | md5sum)
  [ "$a" = "$b" ] && [ "$(import -window "$1" -depth 8 -format '%[fx:maxima]' info: 2>/dev/null)" != 0 ]
}
wait_still() { wait_for "$1" still "$2"; }

# Wine's message-box trace (WINEDEBUG=trace+msgbox) quotes each box's text,
# every non-ASCII character as a backslash and four hex digits.
box_said() { grep -qF "MSGBOX_OnInit L\"$2\"" "$1"; }
