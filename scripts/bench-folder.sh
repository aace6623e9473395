#!/usr/bin/env bash
# Times kelconv converting a folder of 1,000 small chart files (copies of the
# samples and of the test charts, in both forms) in one run, start-up
# included, and prints the time per file, wall-clock and processor time. The
# goal is at most 1 ms per file.
# Usage: scripts/bench-folder.sh [BUILD_DIR]   (default: build-bench)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-bench"}
if [[ ! -x "$build/cli/kelconv" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEL_WINDOW=OFF > /dev/null
  cmake --build "$build" --target kelconv -j2 > /dev/null
fi
kelconv="$build/cli/kelconv"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

sources=("$root"/samples/*.kel "$root"/tests/data/*.kel)
# Binary forms of the sources too, so that both readers are timed.
for source in "${sources[@]}"; do
  name=$(basename "$source" .kel)
  "$kelconv" to-binary "$source" "$scratch/$name.bin" > /dev/null
done
binaries=("$scratch"/*.bin)
mkdir "$scratch/charts"
count=1000
for ((i = 0; i < count; i++)); do
  if ((i % 2 == 0)); then
    cp "${sources[$((i / 2 % ${#sources[@]}))]}" "$scratch/charts/chart$i.kel"
  else
    cp "${binaries[$((i / 2 % ${#binaries[@]}))]}" "$scratch/charts/chart$i.kel"
  fi
done

# Wall-clock time and the processor time of kelconv itself (user + system);
# the difference is mostly waiting for each output to reach the disk.
TIMEFORMAT='%R %U %S'
times=$({ time "$kelconv" "$scratch/charts" > /dev/null; } 2>&1 | tail -1)
read -r real user sys <<< "$times"
converted=$(ls "$scratch/charts"/*.txt | wc -l)
awk -v real="$real" -v user="$user" -v sys="$sys" -v n="$count" -v done="$converted" 'BEGIN {
  printf "kelconv converted %d of %d chart files in %.0f ms: %.3f ms per file (goal: at most 1 ms)\n",
         done, n, real * 1000, real * 1000 / n
  printf "processor time %.3f ms per file (user %.3f, system %.3f)\n",
         (user + sys) * 1000 / n, user * 1000 / n, sys * 1000 / n
}'
