#!/usr/bin/env bash
# Fails when wlanstat.exe imports a DLL other than the Known DLLs it may take
# from anywhere: wlanapi, iphlpapi and netapi32 must be loaded from System32 at
# run time, so a copy planted beside the program is never used.
# Usage: imports.sh OBJDUMP wlanstat.exe
set -euo pipefail
allowed=' kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll msvcrt.dll ws2_32.dll '
status=0
while read -r dll; do
  lower=$(tr 'A-Z' 'a-z' <<<"$dll")
  [[ "$allowed" == *" $lower "* ]] || { echo "$(basename "$2") imports $dll" >&2; status=1; }
done < <("$1" -p "$2" | sed -n 's/^\s*DLL Name: //p')
exit $status
