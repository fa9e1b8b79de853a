#!/usr/bin/env bash
# Configures and builds the given trees (default: native win64 win32).
set -euo pipefail
cd "$(dirname "$0")/.."
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native win64 win32)
for t in "${trees[@]}"; do
  [ -f "build/$t/CMakeCache.txt" ] || cmake --preset "$t" >/dev/null
  cmake --build --preset "$t"
done
