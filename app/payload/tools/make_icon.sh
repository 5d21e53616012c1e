#!/bin/bash
# Draws the application icon, a white "T" on a rounded blue tile, and writes
# app/tavrin.ico with 48x48, 32x32 and 16x16 images (32-bit with alpha).
# Needs ImageMagick's convert. Run by hand from anywhere; the output is committed.
set -euo pipefail
out="$(cd "$(dirname "$0")/../.." && pwd)/tavrin.ico"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The master picture at 256x256: a vertical blue gradient clipped to a rounded
# square, a soft highlight on its upper half, and the "T" drawn as two bars.
convert -size 256x256 gradient:'#5cc0f5-#1a5cc0' \
  \( -size 256x256 xc:none -fill white -draw 'roundrectangle 8,8 247,247 52,52' \) \
  -compose DstIn -composite \
  \( -size 256x256 xc:none -fill 'rgba(255,255,255,0.18)' -draw 'roundrectangle 14,14 241,120 46,46' \) \
  -compose Over -composite \
  -fill 'rgba(0,40,100,0.35)' -draw 'roundrectangle 58,62 206,100 10,10' -draw 'roundrectangle 112,62 152,214 10,10' \
  -fill white -draw 'roundrectangle 54,54 202,92 10,10' -draw 'roundrectangle 108,54 148,206 10,10' \
  "$tmp/master.png"

for size in 48 32 16; do
  convert "$tmp/master.png" -filter Lanczos -resize ${size}x${size} "$tmp/icon$size.png"
done
convert "$tmp/icon48.png" "$tmp/icon32.png" "$tmp/icon16.png" "$out"
echo "$out: $(stat -c %s "$out") bytes"
