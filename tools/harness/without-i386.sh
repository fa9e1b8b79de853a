#!/usr/bin/env bash
# Runs a command as on a machine whose kernel cannot run 32-bit programs: in a
# mount namespace of its own, every i386 program of Wine's (its 32-bit loader,
# the 32-bit wineserver) is covered by a copy whose ELF header names no machine
# this kernel knows, so starting it fails with "Exec format error", as there.
# Nothing changes for any other process of the machine.
# Usage: without-i386.sh COMMAND [ARGS...]   (e.g. without-i386.sh bash tools/test.sh)
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
if [ "${QUORIX_WITHOUT_I386:-}" != inside ]; then
  # A private mount namespace; without root, as root of a user namespace of our own.
  [ "$(id -u)" -eq 0 ] && own=() || own=(--map-root-user)
  QUORIX_WITHOUT_I386=inside exec unshare --mount --propagation private "${own[@]}" "$0" "$@"
fi
unset QUORIX_WITHOUT_I386
copies=$(mktemp -d)
for f in /usr/lib/wine/*; do
  # ELF, 32-bit class, machine 3 (i386).
  [ "$(od -An -tx1 -N 5 "$f" | tr -d ' ')" = 7f454c4601 ] || continue
  [ "$(od -An -tu2 -j 18 -N 2 "$f" | tr -d ' ')" = 3 ] || continue
  cp "$f" "$copies/${f##*/}"
  printf '\377\377' | dd of="$copies/${f##*/}" bs=1 seek=18 conv=notrunc status=none
  mount --bind "$copies/${f##*/}" "$f"
  echo "without-i386: $f cannot start here"
done
rm -rf "$copies"  # the mounts keep what they cover with
exec "$@"
