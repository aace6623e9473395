#!/usr/bin/env bash
# Converts the chart of 10 line series of 1,000,000 points each to text and
# XML, into files that do not exist yet, and writes as many bytes with dd to
# the same folder; in turns, best of three each. Both times run until the
# bytes are on the disk (kelconv's outputs synced, dd with conv=fsync): what
# only reaches the page cache is timed by how much the kernel lets pile up
# before it throttles the writer, which varies from run to run. Prints the
# two times and their ratio.
#
# Usage: bench/write_vs_dd.sh KELCONV LINE_CHART_FILE_TOOL SCRATCH_FOLDER
set -euo pipefail
kelconv=$(realpath "$1")
make_chart=$(realpath "$2")
folder=$3/write_vs_dd
here=$(cd "$(dirname "$0")" && pwd)
source "$here/timing.sh"

rm -rf "$folder"
mkdir -p "$folder"
"$make_chart" "$folder/chart.kel" 1000000
echo "$(machine_line)"
best_kelconv=""
best_dd=""
for round in 1 2 3; do
  rm -f "$folder/chart.txt" "$folder/chart.xml" "$folder/dd.out"
  sync
  t_kelconv=$(seconds_of sh -c '"$0" "$1.kel" && sync "$1.txt" "$1.xml"' "$kelconv" "$folder/chart")
  bytes=$(($(stat -c %s "$folder/chart.txt") + $(stat -c %s "$folder/chart.xml")))
  sync
  t_dd=$(seconds_of dd if=/dev/zero of="$folder/dd.out" bs=1M count="$bytes" iflag=count_bytes conv=fsync)
  echo "round $round: kelconv $t_kelconv s, dd $t_dd s for $bytes bytes; $(load_line)"
  best_kelconv=$(min_of "$best_kelconv" "$t_kelconv")
  best_dd=$(min_of "$best_dd" "$t_dd")
done
ratio=$(calc "$best_kelconv / $best_dd")
echo "10 x 1,000,000 points to text and XML ($bytes bytes), on the disk: kelconv $best_kelconv s, dd $best_dd s"
echo "kelconv / dd: $ratio (goal <= 1.5: $(verdict "$ratio <= 1.5"))"
rm -rf "$folder"
