#!/usr/bin/env bash
# time_limit.exe (the test pack's runner) under Wine: it hands back the program's
# exit code, passes the arguments as written, starts only the path it is given,
# and past its limit ends the program and whatever that started, exiting 124.
# Usage: time_limit_test.sh TIME_LIMIT.EXE WINEPREFIX
set -uo pipefail
helper=$1 prefix=$2
here=$(cd "$(dirname "$0")" && pwd)
status=0
fail() { echo "FAILED: $*"; status=1; }
run() { "$here/../harness/wine-run.sh" "$prefix" "$helper" "$@" 2>&1 | tr -d '\r'; return "${PIPESTATUS[0]}"; }
cmd='C:\windows\system32\cmd.exe'

out=$(run 30 "$cmd" /c exit 3); code=$?
[ $code -eq 3 ] || fail "exit code 3 came back as $code: $out"
# (Wine's launcher quotes an argument with blanks: the line holds "a  b" c.)
out=$(run 30 "$cmd" /c echo 'a  b' c); code=$?
[ $code -eq 0 ] && [[ $out == *'"a  b" c'* ]] || fail "the arguments arrived as: $out"
# A bare name is not looked up on PATH: only the current folder could hold it.
out=$(run 30 cmd.exe /c exit 0); code=$?
[ $code -eq 125 ] || fail "a bare name was found elsewhere ($code): $out"
out=$(run 0 "$cmd" /c exit 0); code=$?
[ $code -eq 125 ] || fail "a limit of 0 s was taken ($code): $out"

# A stuck test: the program (a second helper, which would itself wait 60 s) and
# the cmd it started, which would write the marker after about 5 s, all end at 2 s.
marker=$(mktemp -u /tmp/quorix-time-limit.XXXXXX)
trap 'rm -f "$marker"' EXIT
start=$(date +%s)
out=$(run 2 "Z:${helper//\//\\}" 60 "$cmd" /c \
  "ping -n 6 127.0.0.1 >nul & echo late> Z:${marker//\//\\}"); code=$?
took=$(($(date +%s) - start))
[ $code -eq 124 ] || fail "a stuck program ended with $code, not 124: $out"
[[ $out == *"still ran after 2 s"* ]] || fail "the limit was not reported: $out"
[ $took -lt 20 ] || fail "the stuck program held the run for $took s"
sleep 8
[ ! -e "$marker" ] || fail "what the stuck program started ran on after the limit"
[ $status -eq 0 ] && echo "time_limit: passed"
exit $status
