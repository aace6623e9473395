#!/usr/bin/env bash
# Converts a folder of small charts (every sample and test chart, in both its
# binary and its text form, copied round until FILES files) with kelconv -j 1
# and -j 2 in turns, five rounds, the disk caught up before each run; checks
# that both give the same outputs and messages, and prints files per second
# (best of the rounds), the ratio of the two bests and the median of the
# rounds' ratios (each round's two runs meet about the same load of a shared
# machine), and the time per file with one worker.
#
# Usage: bench/batch_folder.sh KELCONV SCRATCH_FOLDER [FILES]
set -euo pipefail
kelconv=$(realpath "$1")
folder=$2/batch_folder
count=${3:-10000}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/timing.sh"

rm -rf "$folder"
mkdir -p "$folder/forms" "$folder/charts"
for chart in "$here"/../samples/*.kel "$here"/../tests/data/*.kel; do
  name=$(basename "$(dirname "$chart")")_$(basename "$chart" .kel)
  "$kelconv" to-text "$chart" "$folder/forms/${name}_text.kel"
  "$kelconv" to-binary "$chart" "$folder/forms/${name}_binary.kel"
done
forms=("$folder"/forms/*.kel)
for ((i = 0; i < count; ++i)); do
  form=${forms[i % ${#forms[@]}]}
  cp "$form" "$folder/charts/$(printf '%05d' "$i")_$(basename "$form")"
done

# The disk catches up after each clearing (sync), so that no run meets the
# write-back of the run before it; with two processors busy that would fall
# on -j 2 far more than on -j 1, which leaves one processor to the kernel.
clear_outputs() {
  find "$folder/charts" \( -name '*.txt' -o -name '*.xml' \) -delete
  sync
}
# The outputs and messages of a run, to compare the two.
fingerprint() { (cd "$folder/charts" && cat ./*.txt ./*.xml | md5sum) && md5sum <"$folder/errors"; }

# A first run reads the inputs into the page cache for both sides.
"$kelconv" -j 2 "$folder/charts" 2>/dev/null || true
echo "$(machine_line)"
best1=""
best2=""
ratios=()
for round in 1 2 3 4 5; do
  clear_outputs
  t1=$(seconds_of sh -c '"$0" -j 1 "$1" 2>"$2"; [ $? -le 1 ]' "$kelconv" "$folder/charts" "$folder/errors")
  one=$(fingerprint)
  clear_outputs
  t2=$(seconds_of sh -c '"$0" -j 2 "$1" 2>"$2"; [ $? -le 1 ]' "$kelconv" "$folder/charts" "$folder/errors")
  two=$(fingerprint)
  if [ "$one" != "$two" ]; then
    echo "-j 2 gave other outputs or messages than -j 1" >&2
    exit 1
  fi
  ratios+=("$(calc "$t1 / $t2")")
  echo "round $round: -j 1 $t1 s, -j 2 $t2 s, ratio ${ratios[-1]}; $(load_line)"
  best1=$(min_of "$best1" "$t1")
  best2=$(min_of "$best2" "$t2")
done
rate1=$(calc "$count / $best1")
rate2=$(calc "$count / $best2")
ms=$(calc "$best1 * 1000 / $count")
ratio=$(calc "$best1 / $best2")
median=$(printf '%s\n' "${ratios[@]}" | sort -g | sed -n 3p)
echo "$count files: -j 1 $rate1 files/s ($ms ms per file, goal <= 1: $(verdict "$ms <= 1"))"
echo "$count files: -j 2 $rate2 files/s, $ratio times -j 1 (goal >= 1.8 on 2 cores: $(verdict "$ratio >= 1.8"))"
echo "median of the rounds' ratios: $median (goal >= 1.8: $(verdict "$median >= 1.8"))"
echo "outputs and messages of -j 2 are those of -j 1"
rm -rf "$folder"
