#!/usr/bin/env bash
# Draws the About window's emblem (a peacock-feather eye) and writes emblem.jpg
# beside this script. Needs ImageMagick (convert) and libjpeg-turbo-progs (cjpeg).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out="$here/emblem.jpg"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Drawn 4x larger, then reduced: the reduction is our anti-aliasing.
S=256

# Barbs: pairs of thin strokes leaving the shaft, longer near the eye.
barbs() {
  awk 'BEGIN {
    x0 = 44; y0 = 236; x1 = 150; y1 = 104        # shaft, base to eye
    a = atan2(y1 - y0, x1 - x0)
    for (i = 0; i <= 12; i++) {
      t = i / 12
      x = x0 + (x1 - x0) * t; y = y0 + (y1 - y0) * t
      len = 30 + 72 * t
      for (s = -1; s <= 1; s += 2) {
        b = a + s * (1.0 - 0.3 * t)
        printf "line %.1f,%.1f %.1f,%.1f ", x, y, x + len * cos(b), y + len * sin(b)
      }
    }
  }'
}

# Fringe: filaments fanning out around the eye, two colours in turn.
fringe() {
  awk -v first="$1" 'BEGIN {
    a = -0.9                                    # feather axis
    for (i = first; i < 44; i += 2) {
      b = i * 2 * atan2(0, -1) / 44
      if (cos(b) < -0.85) continue              # leave the shaft clear
      u = 118 * cos(b); v = 92 * sin(b)
      printf "line 150,104 %.1f,%.1f ", 150 + u * cos(a) - v * sin(a), 104 + u * sin(a) + v * cos(a)
    }
  }'
}

convert -size ${S}x${S} radial-gradient:'#fdf8ea'-'#dcebdc' \
  -fill none \
  -stroke '#e8efdb' -strokewidth 6 \
  -draw "circle 150,104 150,214 circle 150,104 150,238 circle 150,104 150,262 circle 150,104 150,286" \
  -stroke '#5f9a34' -strokewidth 4 -draw "$(fringe 0)" \
  -stroke '#b8912e' -strokewidth 4 -draw "$(fringe 1)" \
  -stroke '#6f9a3a' -strokewidth 5 -draw "$(barbs)" \
  -stroke '#8a6d2f' -strokewidth 5 -draw "bezier 40,246 70,200 110,150 150,104" \
  -stroke '#5a4214' -strokewidth 3 \
  -fill '#d9b443' -draw "translate 150,104 rotate -50 ellipse 0,0 78,58 0,360" \
  -fill '#7a5a1c' -draw "translate 150,104 rotate -50 ellipse 2,0 70,52 0,360" \
  -stroke '#e6cf6a' -strokewidth 3 \
  -fill '#4fa24a' -draw "translate 150,104 rotate -50 ellipse 4,0 64,47 0,360" \
  -fill '#17a3a0' -draw "translate 150,104 rotate -50 ellipse 8,0 50,37 0,360" \
  -fill '#1f55b0' -draw "translate 150,104 rotate -50 ellipse 10,0 36,28 0,360" \
  -fill '#0f2a66' -draw "translate 150,104 rotate -50 ellipse 14,0 22,18 0,360" \
  -stroke none -fill '#eaf6ff' -draw "translate 150,104 rotate -50 ellipse 24,-8 6,4 0,360" \
  -filter Lanczos -resize 64x64 -depth 8 "$tmp/emblem.ppm"

# Progressive, luminance 2x2 and chrominance 1x1. cjpeg writes JFIF 1.01 with
# an aspect ratio only (units 0), so the density is set to 72 dpi below.
cjpeg -quality 93 -progressive -sample 2x2,1x1,1x1 -outfile "$tmp/emblem.jpg" "$tmp/emblem.ppm"

# JFIF APP0: FFD8 FFE0 len "JFIF\0" major minor units Xdensity Ydensity.
head_hex=$(head -c 13 "$tmp/emblem.jpg" | od -An -tx1 | tr -d ' \n')
if [ "$head_hex" != ffd8ffe000104a464946000101 ]; then
  echo "unexpected JFIF header: $head_hex" >&2
  exit 1
fi
printf '\001\000\110\000\110' | dd of="$tmp/emblem.jpg" bs=1 seek=13 conv=notrunc status=none

mv "$tmp/emblem.jpg" "$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"
