#!/usr/bin/env bash
# Converts charts of 10 line series of 10, 100,000 and 1,000,000 points each,
# in turns, best of three each. The 10-point chart gives the fixed cost of a
# process (start, registration, an almost empty chart); beyond it, the time
# per point at 100,000 points per series is compared with the time per point
# at 1,000,000.
#
# Usage: bench/linearity.sh KELCONV LINE_CHART_FILE_TOOL SCRATCH_FOLDER
set -euo pipefail
kelconv=$(realpath "$1")
make_chart=$(realpath "$2")
folder=$3/linearity
here=$(cd "$(dirname "$0")" && pwd)
source "$here/timing.sh"

sizes=(10 100000 1000000)
rm -rf "$folder"
mkdir -p "$folder"
for size in "${sizes[@]}"; do "$make_chart" "$folder/chart$size.kel" "$size"; done
echo "$(machine_line)"
declare -A best
for round in 1 2 3; do
  line="round $round:"
  for size in "${sizes[@]}"; do
    rm -f "$folder/chart$size.txt" "$folder/chart$size.xml"
    sync
    t=$(seconds_of "$kelconv" "$folder/chart$size.kel")
    best[$size]=$(min_of "${best[$size]:-}" "$t")
    line="$line 10 x $size points $t s,"
  done
  echo "$line $(load_line)"
done
fixed=${best[10]}
small=$(calc "(${best[100000]} - $fixed) * 1e9 / 1e6")
large=$(calc "(${best[1000000]} - $fixed) * 1e9 / 1e7")
ratio=$(calc "$small / $large")
echo "fixed cost (10 x 10 points): $(calc "$fixed * 1000") ms"
echo "beyond it: $small ns/point at 10 x 100,000, $large ns/point at 10 x 1,000,000"
echo "ratio: $ratio (goal within 1.5: $(verdict "$ratio <= 1.5 && $ratio >= 1 / 1.5"))"
rm -rf "$folder"
