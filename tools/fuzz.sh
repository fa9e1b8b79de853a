#!/usr/bin/env bash
# Fuzzes every decoder of outside bytes with libFuzzer, ASan and UBSan: the GIF
# block walk (setup/picture/fuzz) and the viewer's decoders of driver and
# service answers (wlanstat/info/fuzz: SSID, chanspec reply, adapter table,
# counter answers). FUZZ_SECONDS (default 60) is the whole budget after the first
# build, the second build included, shared out evenly. Kept crash inputs are
# replayed first; a new crash is written to the target's crashes/ folder (commit
# it: it becomes a regression test) and fails this script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
out=${FUZZ_BUILD:-build/fuzz}
gif=setup/picture/fuzz
wlan=wlanstat/info/fuzz
mkdir -p "$out"
flags=(-std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

clang++ "${flags[@]}" "$gif/gif_walk_fuzz.cpp" "$gif/gif_walk_check.cpp" \
  setup/picture/gif_blocks.cpp setup/picture/gif_frames.cpp -o "$out/gif_walk_fuzz"
# Everything after the first build shares FUZZ_SECONDS, so the run takes no
# longer than one build and that.
deadline=$((SECONDS + seconds))
clang++ "${flags[@]}" "$wlan/decoder_fuzz.cpp" "$wlan/decoder_checks.cpp" \
  wlanstat/info/{adapter_status,chanspec,collection_cycle,guid,ip_config,service_guard,ssid_text,traffic_counters,value_text}.cpp \
  -o "$out/decoder_fuzz"

# name, binary, seed folder, crash folder, DECODER
targets=("gif_walk $out/gif_walk_fuzz $gif/corpus $gif/crashes -")
for d in ssid chanspec adapter_table counters; do
  targets+=("$d $out/decoder_fuzz $wlan/corpus/$d $wlan/crashes/$d $d")
done
status=0
left=${#targets[@]}
for t in "${targets[@]}"; do
  read -r name bin seeds crashes decoder <<<"$t"
  each=$(((deadline - SECONDS) / left))
  [ "$each" -ge 1 ] || each=1
  left=$((left - 1))
  mkdir -p "$out/corpus/$name" "$crashes"
  kept=$(find "$crashes" -type f ! -name '.*')
  if [ -n "$kept" ]; then
    # shellcheck disable=SC2086
    DECODER=$decoder "$bin" -runs=0 $kept 2>"$out/$name-replay.log" ||
      { cat "$out/$name-replay.log"; echo "fuzz: $name: a kept crash input fails again" >&2; status=1; continue; }
  fi
  # New inputs go to the build corpus; the committed seeds are only read.
  if ! DECODER=$decoder "$bin" -max_total_time="$each" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
      -artifact_prefix="$crashes/" "$out/corpus/$name" "$seeds" >"$out/$name.log" 2>&1; then
    tail -60 "$out/$name.log"
    echo "fuzz: $name: crash found; the input is kept in $crashes/" >&2
    status=1
    continue
  fi
  runs=$(grep -E '^stat::number_of_executed_units' "$out/$name.log" | awk '{print $2}')
  echo "fuzz: $name clean for ${each}s (${runs:-?} runs)"
done
exit $status
