#!/usr/bin/env bash
# Installs what is missing, builds, converts the sample chart files with
# kelconv (copies of samples/*.kel go to out/, and their text forms are written
# beside them), then opens the converter window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
rm -rf out
mkdir -p out
cp samples/*.kel out/
build/cli/kelconv out
echo "Converted the sample chart files; the outputs are in $root/out/:"
ls -1 "$root"/out/*.txt
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start build/app/kel-converter on a desktop to open the window."
  exit 0
fi
echo "Opening the converter window; out/ holds copies of the samples to convert."
exec build/app/kel-converter
