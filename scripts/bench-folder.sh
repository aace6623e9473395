#!/usr/bin/env bash
# Times kelconv converting a folder of 1,000 small chart files (copies of the
# samples and of the test charts, in both forms) in one run, start-up
# included, and prints the time per file. The goal is at most 1 ms per file.
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

start=$(date +%s%N)
"$kelconv" "$scratch/charts"
end=$(date +%s%N)
converted=$(ls "$scratch/charts"/*.txt | wc -l)
elapsed_us=$(((end - start) / 1000))
echo "kelconv converted $converted of $count chart files in $((elapsed_us / 1000)) ms:" \
  "$(awk -v us="$elapsed_us" -v n="$count" 'BEGIN { printf "%.3f", us / n / 1000 }') ms per file" \
  "(goal: at most 1 ms)"
