#!/usr/bin/env bash
# Installs what is missing, builds, and converts the sample chart files with
# kelconv: copies of samples/*.kel go to out/, and their text forms are written
# beside them.
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
