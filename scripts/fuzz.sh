#!/usr/bin/env bash
# Builds the fuzz build and runs every libFuzzer target, one after another.
#   scripts/fuzz.sh         about a minute in all (15 seconds a target)
#   scripts/fuzz.sh 600     600 seconds a target
# Corpora grow in build/fuzz/corpus, failing inputs land in build/fuzz/findings.
# Prints one line a target and exits non-zero if any target failed.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

seconds=${1:-15}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [seconds per target]" >&2
  exit 2
fi

bash scripts/setup.sh || { echo "setup failed"; exit 1; }

logs=build/fuzz/logs
mkdir -p build/fuzz
if ! { cmake --preset fuzz && cmake --build --preset fuzz; } >build/fuzz/build.log 2>&1; then
  tail -40 build/fuzz/build.log
  echo "build fuzz failed (log: build/fuzz/build.log)"
  exit 1
fi
mkdir -p "$logs"

# The last value libFuzzer printed for a statistic, or "?".
final_stat() { sed -nE "s/^stat::$1: *([0-9]+).*/\1/p" "$2" | tail -1 | grep . || echo "?"; }

failed=0
for args_file in build/fuzz/tests/fuzz/*.args; do
  name=$(basename "$args_file" .args)
  log="$logs/$name.log"
  mapfile -t args <"$args_file"
  "build/fuzz/tests/fuzz/$name" -max_total_time="$seconds" "${args[@]}" >"$log" 2>&1
  rc=$?
  runs=$(final_stat number_of_executed_units "$log")
  rate=$(final_stat average_exec_per_sec "$log")
  if [ "$rc" -eq 0 ]; then
    corpus=$(ls "build/fuzz/corpus/$name" | wc -l)
    printf '%-24s ok      %10s runs  %8s/s  corpus %s\n' "$name" "$runs" "$rate" "$corpus"
  else
    failed=$((failed + 1))
    input=$(sed -nE 's/.*Test unit written to (.*)$/\1/p' "$log" | tail -1)
    printf '%-24s FAILED  %10s runs  exit %s\n' "$name" "$runs" "$rc"
    grep -m1 -E 'invariant broken|ERROR: (AddressSanitizer|libFuzzer)|runtime error' "$log" | sed 's/^/  /'
    echo "  rerun: build/fuzz/tests/fuzz/$name ${input:-?}  (log: $log)"
  fi
done

[ "$failed" -eq 0 ]
