#!/usr/bin/env bash
# Builds and runs the benchmark of the conversion of binary streams to text in
# a scratch folder that is removed afterwards; prints MB/s and the time ratio
# to base64 encoding the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEL_WINDOW=OFF \
  -DKEL_BENCH=ON > /dev/null
cmake --build "$root/build-bench" --target bench_binary_to_text > /dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$root/build-bench/bench/bench_binary_to_text" "$scratch"
