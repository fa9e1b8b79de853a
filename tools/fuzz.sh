#!/usr/bin/env bash
# Fuzzes the GIF block walk for a bounded time (FUZZ_SECONDS, default 60) with
# libFuzzer, ASan and UBSan. Kept crash inputs are replayed first; a new crash is
# written to setup/picture/fuzz/crashes/ (commit it: it becomes a regression test)
# and fails this script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
out=${FUZZ_BUILD:-build/fuzz}
src=setup/picture/fuzz
mkdir -p "$out/corpus"

clang++ -std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  "$src/gif_walk_fuzz.cpp" "$src/gif_walk_check.cpp" \
  setup/picture/gif_blocks.cpp setup/picture/gif_frames.cpp -o "$out/gif_walk_fuzz"

crashes=$(find "$src/crashes" -type f ! -name '.*')
if [ -n "$crashes" ]; then
  # shellcheck disable=SC2086
  "$out/gif_walk_fuzz" -runs=0 $crashes 2>"$out/replay.log" || { cat "$out/replay.log"; exit 1; }
fi

# New inputs go to the build corpus; the committed seeds are only read.
if ! "$out/gif_walk_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$src/crashes/" "$out/corpus" "$src/corpus" >"$out/fuzz.log" 2>&1; then
  tail -60 "$out/fuzz.log"
  echo "fuzz: crash found; the input is kept in $src/crashes/" >&2
  exit 1
fi
grep -E '^stat::number_of_executed_units|^Done' "$out/fuzz.log" || true
echo "fuzz: gif walk clean for ${seconds}s"
