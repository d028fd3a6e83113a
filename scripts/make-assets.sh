#!/usr/bin/env bash
# Makes the program's two pictures from scratch with ImageMagick:
#   assets/tarvolin.ico  the program and window icon: one 59 x 60 image with a
#                        256-colour palette (an icon file of 5,166 bytes)
#   assets/banner.jpg    the banner: 110 x 110 baseline JPEG, 4:2:0, JFIF at
#                        72 dpi, drawn by the window stretched to 288 x 152
# The results are committed; run this again only to change them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The icon, drawn at four times its size: a page of text with a folded corner,
# cut across by a dashed line, with a pair of scissors at the cut.
convert -size 236x240 xc:none \
  -fill '#00000030' -draw 'roundrectangle 40,22 200,232 14,14' \
  -fill white -stroke '#3a6ea5' -strokewidth 6 \
  -draw 'path "M 44,16 L 150,16 L 194,60 L 194,220 Q 194,226 188,226 L 50,226 Q 44,226 44,220 Z"' \
  -fill '#cfe0f5' -draw 'path "M 150,16 L 150,60 L 194,60 Z"' \
  -stroke none -fill '#7fa6d3' \
  -draw 'roundrectangle 68,52 136,60 4,4' -draw 'roundrectangle 68,76 172,84 4,4' \
  -draw 'roundrectangle 68,98 160,106 4,4' \
  -draw 'roundrectangle 68,160 172,168 4,4' -draw 'roundrectangle 68,182 150,190 4,4' \
  -draw 'roundrectangle 68,204 164,212 4,4' \
  -stroke '#e03c31' -strokewidth 7 -draw 'stroke-dasharray 14 9 line 30,133 222,133' \
  -stroke '#333c47' -strokewidth 9 -fill none \
  -draw 'line 32,118 84,136' -draw 'line 32,148 84,130' \
  -stroke '#e03c31' -strokewidth 8 -fill white \
  -draw 'circle 20,110 20,96' -draw 'circle 20,156 20,142' \
  -fill '#333c47' -stroke none -draw 'circle 62,133 62,127' \
  -resize '59x60!' "$work/icon.png"
python3 "$root/scripts/png-to-icon.py" "$work/icon.png" "$root/assets/tarvolin.ico"

# The banner, designed at the size it is shown (288 x 152) and squeezed to
# 110 x 110, so that the window's stretching gives back its proportions.
convert -size 288x152 gradient:'#2b5d9a'-'#4fa3d9' \
  -fill '#ffffff22' -draw 'circle 250,20 250,110' -draw 'circle 30,150 30,215' \
  -fill white -stroke '#2b5d9a' -strokewidth 2 \
  -draw 'path "M 24,34 L 64,34 L 78,48 L 78,112 L 24,112 Z"' \
  -stroke none -fill '#7fa6d3' \
  -draw 'rectangle 32,50 64,53' -draw 'rectangle 32,60 70,63' -draw 'rectangle 32,86 70,89' \
  -draw 'rectangle 32,96 60,99' \
  -stroke '#ffd24a' -strokewidth 3 -draw 'stroke-dasharray 6 4 line 14,74 88,74' \
  -stroke none -fill white -font "$font" -pointsize 40 -annotate +98+78 'Tarvolin' \
  -fill '#e8f1fb' -pointsize 15 -annotate +100+104 'Text File Splitter' \
  -fill '#ffd24a' -draw 'rectangle 100,114 260,116' \
  -resize '110x110!' \
  -strip -interlace none -sampling-factor 2x2,1x1,1x1 -quality 92 \
  -units PixelsPerInch -density 72 "$root/assets/banner.jpg"
