#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the sanitized build, shared with the
# tests) and runs each for a bounded time (seconds, default 60), starting
# from its seed corpus in fuzz/corpus/NAME; two targets run at a time, one
# per core. Each target's report is printed when it ends.
# Usage: scripts/fuzz.sh [SECONDS] [BUILD_DIR]   (default: 60, build-fuzz)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${2:-$root/build-fuzz}
"$root/scripts/build-sanitized.sh" "$build"
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

fuzz() {
  local target=$1 name=${1##*/fuzz_}
  local corpus="$build/corpus/$name" seeds="$root/fuzz/corpus/$name"
  local folders=("$corpus")
  [ -d "$seeds" ] && folders+=("$seeds")
  mkdir -p "$corpus"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/" "${folders[@]}" > "$logs/$name.log" 2>&1
}

report() {
  local name=$1 status=$2
  echo "-- fuzzed $name for ${seconds}s"
  tail -n 12 "$logs/$name.log"
  if [ "$status" -ne 0 ]; then
    echo "fuzz_$name failed (exit status $status)"
    failed=1
  fi
}

failed=0
targets=("$build"/fuzz/fuzz_*)
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pids=()
  for target in "${targets[@]:i:2}"; do
    fuzz "$target" &
    pids+=($!)
  done
  for j in "${!pids[@]}"; do
    status=0
    wait "${pids[j]}" || status=$?
    name=${targets[i + j]##*/fuzz_}
    report "$name" "$status"
  done
done
exit "$failed"
