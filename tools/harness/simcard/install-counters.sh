#!/usr/bin/env bash
# Installs the simulated card's traffic counters into a Wine prefix: our counter
# driver as an auto-start kernel service whose devices answer as \\.\{GUID} for
# each GUID given, and Wine's own ndis service disabled so that it does not hold
# those names. Quick and idempotent: the same call again changes nothing.
# The driver is built by the viewer's tree (QUORIX_WIN32_BUILD, default build/win32;
# QUORIX_COUNTER_DRIVER overrides where).
# Usage: install-counters.sh PREFIX {GUID}...
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 PREFIX {GUID}..." >&2; exit 2; }
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
driver=${QUORIX_COUNTER_DRIVER:-${QUORIX_WIN32_BUILD:-$here/../../../build/win32}/tools/harness/simcard/counters/quorix_counters.sys}
[ -f "$driver" ] || { echo "install-counters: no $driver (build the win32 tree)" >&2; exit 1; }
[ $# -le 8 ] || { echo "install-counters: at most 8 interfaces" >&2; exit 2; }
for guid in "$@"; do
  [[ $guid =~ ^\{[0-9A-Fa-f]{8}(-[0-9A-Fa-f]{4}){3}-[0-9A-Fa-f]{12}\}$ ]] ||
    { echo "install-counters: not a braced GUID: $guid" >&2; exit 2; }
done
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
"$here/../make-prefix.sh" "$prefix"

stamp="$prefix/.quorix-counters"
want="$(sha1sum <"$driver" | cut -d' ' -f1) $*"
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ] && exit 0

# The 64-bit winedevice hosts drivers of services not marked WOW64.
cp "$driver" "$prefix/drive_c/windows/system32/drivers/quorix_counters.sys"

# REG_MULTI_SZ as .reg hex: UTF-16LE strings, each ended by a zero, then one more.
multi_sz=$( (printf '%s\0' "$@"; printf '\0') | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 |
  tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /,/g')
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
# Wine's regedit takes hex(7) as UTF-16 only from a UTF-16 file.
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg" <<EOF
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\NDIS]
"Start"=dword:00000004

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\QuorixCounters]
"Type"=dword:00000001
"Start"=dword:00000002
"ErrorControl"=dword:00000001
"ImagePath"="C:\\\\windows\\\\system32\\\\drivers\\\\quorix_counters.sys"
"DisplayName"="Quorix simulated card counters"
"Interfaces"=hex(7):$multi_sz
EOF
# Let a running prefix end first: services start their drivers as it comes up.
wineserver -w
wine regedit /S "Z:${reg//\//\\}"
wineserver -w
echo "$want" >"$stamp"
