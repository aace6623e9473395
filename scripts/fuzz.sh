#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (seconds, default 60), starting from its seed corpus in fuzz/corpus/NAME.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
CC=clang CXX=clang++ "$root/scripts/build.sh" "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKEL_FUZZ=ON -DKEL_WINDOW=OFF -DCMAKE_CXX_COMPILER=clang++
for target in "$root"/build-fuzz/fuzz/fuzz_*; do
  name=$(basename "$target"); name=${name#fuzz_}
  corpus="$root/build-fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="$root/fuzz/corpus/$name"
  echo "-- fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$root/build-fuzz/" \
    "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 12
done
