#!/usr/bin/env bash
# Installs what is missing, builds the win64 and win32 builds and runs the
# benchmarks in bench/ under Wine: one line per benchmark with the ratio of
# Pavonet's figure to its bare baseline's, both measured in this run. The
# details (every sample, the breakdowns) go to build/logs/bench.log; see
# docs/performance.md for what they mean.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root" || exit 1

bash scripts/setup.sh || { echo "setup failed"; exit 1; }
source scripts/wine-env.sh

logs=build/logs
mkdir -p "$logs"
log=$logs/bench.log
failed=0

build() {
  local preset=$1
  shift
  echo "== build $preset" >&2
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset" --target "$@"; } \
    >"$logs/bench-build-$preset.log" 2>&1; then
    tail -30 "$logs/bench-build-$preset.log"
    echo "build $preset failed (log: $logs/bench-build-$preset.log)"
    exit 1
  fi
}

build win64 benchmarks
build win32 Pavonet bare_window

winpath() { printf 'Z:%s' "${1//\//\\}"; }
bin=$root/build/win64/bench

load() { cut -d' ' -f1-3 /proc/loadavg; }
{
  echo "Pavonet benchmarks, $(LC_ALL=C date)"
  echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')," \
    "$(free -h | awk '/^Mem:/ {print $2}') memory, $(wine --version 2>/dev/null)"
  echo "load average before: $(load)"
} | tee "$log" >&2

pavonet_wine_prefix
pavonet_xvfb
trap 'pavonet_wine_session_end; pavonet_stop_xvfb' EXIT
pavonet_wine_session_start

# Runs one benchmark program under Wine; its summary line (the one starting
# with "[") goes to the terminal, everything to the log.
run() {
  local name=$1 output status started=$SECONDS
  shift
  echo "== $name" >>"$log"
  output=$(as_wine_user wine "$@" </dev/null 2>&1 | tr -d '\r')
  status=$?
  printf '%s\n(%d s)\n' "$output" $((SECONDS - started)) >>"$log"
  if ! grep '^\[' <<<"$output" || [ "$status" -ne 0 ]; then
    echo "[$name] failed (see $log)"
    failed=$((failed + 1))
  fi
}

run start-up "$bin/startup_bench.exe" "$(winpath "$root/build/win64/ui/Pavonet.exe")" \
  "$(winpath "$bin/bare_window.exe")" "$(winpath "$bin/bare_window_imports.exe")" \
  "$(winpath "$bin/startup_parts.exe")" 10
run drop "$bin/drop_bench.exe" 3 10000 30
run write "$bin/write_bench.exe" 3
if [ -f "$bin/about_bench.exe" ]; then
  run about "$bin/about_bench.exe" 5 10
else
  echo "[About window] not built: there is no ui/unit2.h yet" | tee -a "$log"
fi

echo "== size" >>"$log"
if ! bash bench/size_report.sh build/win32/ui/Pavonet.exe build/win32/bench/bare_window.exe \
  i686-w64-mingw32- | tee -a "$log" | grep '^\['; then
  echo "[size] failed (see $log)"
  failed=$((failed + 1))
fi

echo "load average after: $(load)" | tee -a "$log" >&2
echo "details: $log" >&2
[ "$failed" -eq 0 ]
