#!/usr/bin/env bash
# Installs what is missing, builds Pavonet (both builds) and starts the
# x86_64 one under Wine: on your display when there is one, otherwise on a
# private Xvfb, leaving a screenshot of the main window.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
mkdir -p build/logs
for preset in win64 win32; do
  echo "Building $preset ..."
  { cmake --preset "$preset" && cmake --build --preset "$preset" --target Pavonet; } \
    >"build/logs/run-build-$preset.log" 2>&1 ||
    { tail -30 "build/logs/run-build-$preset.log"; exit 1; }
done
echo "Release program (i686): $root/build/win32/ui/Pavonet.exe"

source scripts/wine-env.sh
pavonet_wine_prefix
program=build/win64/ui/Pavonet.exe

if [ -n "${DISPLAY:-}" ]; then
  # Let the Wine user onto this display.
  if [ "$(id -u)" = 0 ] && command -v xauth >/dev/null && xauth list "$DISPLAY" >/dev/null 2>&1; then
    cookie_file=/var/lib/$pavonet_wine_user/.Xauthority
    xauth extract - "$DISPLAY" | as_wine_user xauth -f "$cookie_file" merge - 2>/dev/null || true
    export XAUTHORITY=$cookie_file
  fi
  echo "Starting Pavonet on $DISPLAY ..."
  as_wine_user wine "$program"
  exit 0
fi

pavonet_xvfb
trap 'pavonet_wine_session_end; pavonet_stop_xvfb' EXIT
echo "No display: starting Pavonet on a private Xvfb ($DISPLAY) ..."
as_wine_user wine "$program" &
window=
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --name '^Pavonet$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.2
done
sleep 1
shot=$root/build/pavonet-main-window.png
if [ -n "$window" ]; then
  import -window "$window" "$shot"
else
  import -window root "$shot"
fi
echo "Screenshot of the main window: $shot"
echo "Pavonet is running on $DISPLAY; press Ctrl+C to end it."
wait
