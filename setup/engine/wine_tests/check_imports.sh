#!/usr/bin/env bash
# Fails when an executable imports a DLL that is not on every Windows 7 to 10
# system, or imports statically one that must come from System32 only.
# Usage: check_imports.sh OBJDUMP program.exe...
set -euo pipefail
objdump=$1; shift
allowed=' kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll shell32.dll comctl32.dll msvcrt.dll ws2_32.dll '
status=0
for exe in "$@"; do
  while read -r dll; do
    lower=$(tr 'A-Z' 'a-z' <<<"$dll")
    if [[ "$allowed" != *" $lower "* ]]; then
      echo "$(basename "$exe") imports $dll" >&2
      status=1
    fi
  done < <("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
