#!/usr/bin/env bash
# Builds kelconv and the series benchmark in release mode and runs it in a
# scratch folder that is removed afterwards: ns per point and peak memory of
# converting 10 line series of 10,000 and of 1,000,000 points each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEL_WINDOW=OFF \
  -DKEL_BENCH=ON > /dev/null
cmake --build "$root/build-bench" --target kelconv bench_series_scale > /dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$root/build-bench/bench/bench_series_scale" "$root/build-bench/cli/kelconv" "$scratch"
