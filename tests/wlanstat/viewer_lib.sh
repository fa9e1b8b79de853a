# What the viewer's scripts share: sourced with the Wine prefix as $1, it sets
# Wine up for that prefix on the script's own display (tests/support/program_lib.sh,
# which also gives the tally and the waits) and finds our wlanstat.exe processes.
# shellcheck source=tests/support/program_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/program_lib.sh"
title="Quorix WiFi 상태보기"
program_start "$1"

# Our wlanstat.exe processes: those of this prefix only.
pids() { procs wlanstat.exe; }
count() { proc_count wlanstat.exe; }
# Waits up to $1 seconds for the number of our processes to become $2.
wait_count() { wait_procs "$1" wlanstat.exe "$2"; }
