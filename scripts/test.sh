#!/usr/bin/env bash
# Installs what is missing, builds the linux, win64 and win32 builds and runs
# every test: the native ones directly, the Windows ones under Wine.
# Ends with one line: "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh || { echo "setup failed"; exit 1; }
source scripts/wine-env.sh

passed=0
failed=0
logs=build/logs
mkdir -p "$logs"

build() {
  local preset=$1
  echo "== build $preset"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset"; } >"$logs/build-$preset.log" 2>&1; then
    tail -40 "$logs/build-$preset.log"
    echo "build $preset failed (log: $logs/build-$preset.log)"
    failed=$((failed + 1))
    return 1
  fi
}

# Adds one ctest run's counts to the totals.
run_tests() {
  local preset=$1 log="$logs/test-$1.log"
  echo "== test $preset"
  ctest --preset "$preset" -j "$(nproc)" >"$log" 2>&1
  grep -E '^[0-9]+% tests passed|\*\*\*(Failed|Timeout|Exception)|Not Run' "$log" | tail -20
  local line total bad
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    tail -30 "$log"
    failed=$((failed + 1))
    return
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

build linux && run_tests linux

if build win64; then
  pavonet_wine_prefix
  # The window tests need a display; a private one keeps them off the user's.
  pavonet_xvfb
  pavonet_wine_session_start
  run_tests win64
  pavonet_wine_session_end
  pavonet_stop_xvfb
fi

build win32 && run_tests win32

# A short bounded run of each fuzz target (scripts/fuzz.sh runs longer ones).
build fuzz && run_tests fuzz

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
