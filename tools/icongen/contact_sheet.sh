#!/usr/bin/env bash
# Lays the generated tray icons out on one magnified picture, for looking
# at the drawing: both sets, each on the taskbars it is made for and on the
# other kind. For each size, first the light set (Icon/<colour>), then the
# dark set (Icon/Dark/<colour>); within a set one block per colour (Black,
# Red, Green, Blue, Pink), each block on a dark taskbar (#202020), a light
# one (#f3f3f3) and Wine's (#d4d0c8), 1 to 19 on the first line of a row,
# 20 to 31 and the weekdays on the second. Needs ImageMagick.
#   tools/icongen/contact_sheet.sh build/win/app/Icon sheet.png [sizes...]
# Sizes are the icon files' image indices: 0 = 16, 1 = 20, 2 = 24, 3 = 32, 4 = 48.
set -euo pipefail
icons=$1
out=$2
shift 2
sizes=("$@")
((${#sizes[@]})) || sizes=(0 3)
pixels=(16 20 24 32 48)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rows=()
for index in "${sizes[@]}"; do
  tile=$((pixels[index] * 6))
  ((pixels[index] < 32)) || tile=$((pixels[index] * 4))
  for set in "" Dark/; do
    for colour in Black Red Green Blue Pink; do
      files=()
      for n in $(seq 1 31) w1 w2 w3 w4 w5 w6 w7; do files+=("$icons/$set$colour/$n.ico[$index]"); done
      for shade in '#202020' '#f3f3f3' '#d4d0c8'; do
        row=$tmp/row-${#rows[@]}.png
        montage "${files[@]}" -background "$shade" -filter point -geometry "${tile}x${tile}+8+4" -tile 19x2 "$row"
        rows+=("$row")
      done
    done
    # A gap between the sets.
    gap=$tmp/gap-${#rows[@]}.png
    convert -size 8x24 xc:white "$gap"
    rows+=("$gap")
  done
done
convert "${rows[@]}" -background white -append "$out"
