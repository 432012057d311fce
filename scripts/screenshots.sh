#!/usr/bin/env bash
# Renders Pavonet's windows into docs/*.png: the real windows under Wine on a
# private Xvfb, copied from the screen with their frames.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target showcase >/dev/null

source scripts/wine-env.sh
pavonet_wine_prefix
pavonet_xvfb
trap 'pavonet_wine_session_end; pavonet_stop_xvfb' EXIT

pictures=$(mktemp -d)
chmod 777 "$pictures"  # written by the Wine user
as_wine_user wine build/win64/tools/showcase/showcase.exe "Z:${pictures//\//\\}" </dev/null
mkdir -p docs
for bmp in "$pictures"/*.bmp; do
  png="docs/$(basename "$bmp" .bmp).png"
  convert "$bmp" -strip "$png"
  echo "$png"
done
rm -rf "$pictures"
