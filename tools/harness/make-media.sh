#!/usr/bin/env bash
# Builds a demo installation media folder from the built trees:
#   DEST\setup.exe (when the installer is built), DEST\wlanstat.exe (when built), DEST\drivers\dpinst_x64.exe and
#   dpinst_x86.exe (our stand-in, not the vendor's DPInst) and the six driver
#   package folders, each holding only a README.
# Usage: make-media.sh DEST   (trees: QUORIX_WIN64_BUILD / QUORIX_WIN32_BUILD,
#                              default build/win64 and build/win32)
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 DEST" >&2; exit 2; }
dest=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
win64=${QUORIX_WIN64_BUILD:-$root/build/win64}
win32=${QUORIX_WIN32_BUILD:-$root/build/win32}

# The first built program of that name in a tree, outside its Wine prefix.
built() {
  [ -d "$1" ] || return 0
  find "$1" -path "$1/wineprefix" -prune -o -type f -name "$2" -print | head -n 1
}

rm -rf "$dest"
mkdir -p "$dest/drivers"

copied=0
for pair in "$win64:setup.exe" "$win32:wlanstat.exe"; do
  exe=$(built "${pair%%:*}" "${pair#*:}")
  if [ -n "$exe" ]; then
    cp "$exe" "$dest/"
    copied=$((copied + 1))
  fi
done
[ $copied -gt 0 ] || { echo "make-media: no program built in $win64 or $win32" >&2; exit 1; }

for pair in "$win64:dpinst_x64.exe" "$win32:dpinst_x86.exe"; do
  exe=$(built "${pair%%:*}" "${pair#*:}")
  if [ -n "$exe" ]; then
    cp "$exe" "$dest/drivers/"
  else
    echo "make-media: ${pair#*:} not built; that width will fail to launch" >&2
  fi
done

cat > "$dest/drivers/README.txt" <<'TXT'
Demo media. dpinst_x64.exe and dpinst_x86.exe here are a stand-in for the
vendor's Driver Package Installer: they install nothing. Each run appends its
command line and working directory to dpinst.log in this folder, and exits
with the code written in dpinst.exit (decimal or 0x-hex; default 1, meaning one
package installed). While a file named dpinst.hold exists, it keeps running.
TXT
for package in Win7X64 Win7X86 Win81X64 Win81X86 Win10X64 Win10X86; do
  mkdir -p "$dest/drivers/$package"
  printf 'Demo stand-in: the vendor driver package for %s belongs here. This folder holds no driver.\r\n' \
    "$package" > "$dest/drivers/$package/README.txt"
done
sed -i 's/$/\r/' "$dest/drivers/README.txt"
echo "demo media: $dest"
