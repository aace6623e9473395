#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the unit and
# golden tests and the corpus replays, the spreadsheet export read back by
# LibreOffice, a check of the Debian package made from the Release build, the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# bounded run of every fuzz target. Prints the time of each stage at its end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/stage.sh
export QT_QPA_PLATFORM=offscreen

stage "Install" scripts/install-deps.sh
stage "Release build" scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
stage "Release tests" ctest --test-dir build --output-on-failure -j2 -LE soffice
stage "Spreadsheet read by LibreOffice" ctest --test-dir build --output-on-failure -L soffice
stage "Debian package" scripts/package-check.sh build
stage "ASan and UBSan build" scripts/build-sanitized.sh build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  stage "ASan and UBSan tests" ctest --test-dir build-asan --output-on-failure -j2 -LE soffice
stage "Fuzzing" scripts/fuzz.sh "${FUZZ_SECONDS:-60}" build-asan
echo "All tests passed. Total: $SECONDS s"
