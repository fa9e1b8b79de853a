#!/usr/bin/env bash
# Builds both programs for shipping and lays out the installation media:
#   OUTDIR/setup.exe, OUTDIR/wlanstat.exe (both Authenticode-signed), OUTDIR/drivers/
#   with a README and the six (empty) driver package folders, OUTDIR/SHA256SUMS.
# Signing: the vendor's key from QUORIX_SIGN_PKCS12 + QUORIX_SIGN_PASSWORD_FILE, or
# QUORIX_SIGN_CERT + QUORIX_SIGN_KEY (tools/signing/sign.sh); without them the
# repository's test key signs, and the media is only fit for testing.
# The vendor's DPInst and driver packages are not ours: the README says where
# they go. The programs come from release trees of their own (build/win64-release,
# build/win32-release): stripped, without build paths or time stamps, so the same
# commit gives the same bytes in any folder (tools/reproducible.sh checks that).
# Usage: release.sh [OUTDIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-build/release}
case $out in /*) ;; *) out=$root/$out ;; esac

bash tools/bootstrap.sh
# Nothing here reads the clock, but a tool that does takes the commit's time.
: "${SOURCE_DATE_EPOCH:=$(git log -1 --format=%ct 2>/dev/null || echo 0)}"
export SOURCE_DATE_EPOCH

for tree in win64-release win32-release; do
  [ -f "build/$tree/CMakeCache.txt" ] || cmake --preset "$tree" >/dev/null
  cmake --build --preset "$tree"
done

rm -rf "$out"
mkdir -p "$out/drivers"
cp build/win64-release/setup/shell/setup.exe build/win32-release/wlanstat/ui/wlanstat.exe "$out/"
# Signed at the commit's time, so that the signatures are as reproducible as the rest.
test_signed=1
[ -z "${QUORIX_SIGN_PKCS12:-}${QUORIX_SIGN_CERT:-}" ] || test_signed=0
bash tools/signing/sign.sh --time "$SOURCE_DATE_EPOCH" --name "Quorix K4100ZT driver setup" "$out/setup.exe"
bash tools/signing/sign.sh --time "$SOURCE_DATE_EPOCH" --name "Quorix K4100ZT WiFi status" "$out/wlanstat.exe"

packages=(Win7X64 Win7X86 Win81X64 Win81X86 Win10X64 Win10X86)
for p in "${packages[@]}"; do mkdir -p "$out/drivers/$p"; done
{
  echo "Quorix K4100ZT installation media"
  echo
  echo "setup.exe runs the vendor's Driver Package Installer (DPInst) from this folder"
  echo "on the driver package for the running Windows. Neither is part of this build:"
  echo "copy them here from the vendor's driver release."
  echo
  printf '  %-16s%s\n' "dpinst_x64.exe" "DPInst, 64-bit: used on 64-bit Windows"
  printf '  %-16s%s\n' "dpinst_x86.exe" "DPInst, 32-bit: used on 32-bit Windows"
  printf '  %-16s%s\n' "Win7X64\\" "driver package for Windows 7, 64-bit"
  printf '  %-16s%s\n' "Win7X86\\" "driver package for Windows 7, 32-bit"
  printf '  %-16s%s\n' "Win81X64\\" "driver package for Windows 8 and 8.1, 64-bit"
  printf '  %-16s%s\n' "Win81X86\\" "driver package for Windows 8 and 8.1, 32-bit"
  printf '  %-16s%s\n' "Win10X64\\" "driver package for Windows 10, 64-bit"
  printf '  %-16s%s\n' "Win10X86\\" "driver package for Windows 10, 32-bit"
  echo
  echo "SHA256SUMS beside setup.exe lists the files of this media as built."
} | sed 's/$/\r/' > "$out/drivers/README.txt"

(cd "$out" && find . -type f ! -name SHA256SUMS | sed 's|^\./||' | LC_ALL=C sort | xargs -d '\n' sha256sum > SHA256SUMS)

for exe in setup.exe wlanstat.exe; do
  printf 'release: %-12s %8d bytes\n' "$exe" "$(stat -c %s "$out/$exe")"
done
echo "release: media in $out"
if [ $test_signed -eq 1 ]; then
  echo "release: ****************************************************************"
  echo "release: * TEST-SIGNED: no vendor key was given (QUORIX_SIGN_PKCS12 or      *"
  echo "release: * QUORIX_SIGN_CERT/QUORIX_SIGN_KEY). These programs carry the      *"
  echo "release: * repository's test signature: NOT FOR DISTRIBUTION.              *"
  echo "release: ****************************************************************"
fi
