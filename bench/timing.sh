# Helpers of the timed benchmark scripts of this folder (sourced, not run).

# The machine, for the figures: processors available, model, load average.
machine_line() {
  local model
  model=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
  echo "machine: $(nproc) processors available (${model:-unknown}), $(kernel_line)"
}

kernel_line() { echo "Linux $(uname -r)"; }

load_line() { echo "load average $(cut -d' ' -f1-3 /proc/loadavg)"; }

# Runs the command with its output dropped and prints its wall time in
# seconds; stops the script when the command fails.
seconds_of() {
  local start end
  start=$(date +%s%N)
  if ! "$@" >/dev/null 2>&1; then
    echo "failed: $*" >&2
    exit 1
  fi
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.4f\n", ns / 1e9 }'
}

# The smaller of two numbers; an empty first one counts as none.
min_of() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

# Evaluates an awk expression, e.g. calc '2 / 3'.
calc() { awk "BEGIN { printf \"%.4g\n\", $1 }"; }

# "met" or "NOT met" for an awk condition.
verdict() { awk "BEGIN { print ($1) ? \"met\" : \"NOT met\" }"; }
