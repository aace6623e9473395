# shellcheck shell=bash
# Sourced by the CI scripts: `stage NAME COMMAND...` runs one stage of the run
# and prints its wall-clock time, e.g. "== Release build: 183 s".
stage() {
  local name=$1 start=$SECONDS
  shift
  echo "== $name"
  "$@"
  echo "== $name: $((SECONDS - start)) s"
}
