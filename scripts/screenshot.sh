#!/usr/bin/env bash
# Takes the README's picture of the window: builds the converter, starts it on
# a virtual X display and saves the window's image to docs/window.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DKEL_WINDOW=ON > /dev/null
cmake --build "$build" --target kel-converter
mkdir -p "$root/docs"
xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/app/kel-converter" --screenshot "$root/docs/window.png"
echo "Saved $root/docs/window.png"
