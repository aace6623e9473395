#!/usr/bin/env bash
# Configures and builds the clang build under AddressSanitizer and
# UndefinedBehaviorSanitizer: the tests, the corpus replays and the libFuzzer
# targets, all on one build of the libraries, instrumented for the fuzzer too.
# Line tables are enough for the sanitizers' reports. No window, no
# benchmarks: the window's tests run in the release build.
# Usage: scripts/build-sanitized.sh [BUILD_DIR]   (default: build-asan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
CC=clang CXX=clang++ "$root/scripts/build.sh" "${1:-$root/build-asan}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DKEL_SANITIZE=ON -DKEL_FUZZ=ON -DKEL_WINDOW=OFF -DKEL_BENCH=OFF
