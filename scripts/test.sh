#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the unit and
# golden tests, the same tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a bounded run of every fuzz target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

echo "== Release build and tests"
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build --output-on-failure -j2

echo "== Tests under ASan and UBSan"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEL_SANITIZE=ON -DKEL_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2

echo "== Fuzzing"
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
echo "All tests passed."
