#!/usr/bin/env bash
# Draws Corvane's three pictures with ImageMagick. The results are committed beside this script,
# so the build never needs ImageMagick; run it again only to change a picture.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# Product picture, 78 x 78: a scree curve falling across a blue tile, with its regression line.
convert -size 78x78 xc:none \
  -fill '#1F4FB8' -draw 'roundrectangle 1,1 76,76 12,12' \
  -stroke '#FFFFFF' -strokewidth 2 -fill none \
  -draw 'line 10,66 68,66' -draw 'line 10,10 10,66' \
  -stroke '#FFD23F' -strokewidth 3 \
  -draw 'line 14,16 22,34' -draw 'line 22,34 30,46' -draw 'line 30,46 38,53' \
  -draw 'line 38,53 48,57' -draw 'line 48,57 58,59' -draw 'line 58,59 66,60' \
  -stroke '#FFFFFF' -strokewidth 1 -draw 'line 14,50 66,61' \
  -stroke none -fill '#FFD23F' \
  -draw 'circle 14,16 16,16' -draw 'circle 22,34 24,34' -draw 'circle 30,46 32,46' \
  -draw 'circle 38,53 40,53' -draw 'circle 48,57 50,57' -draw 'circle 58,59 60,59' \
  -draw 'circle 66,60 68,60' \
  -depth 8 -compress lzw Corvane.tiff

# Badge, 148 x 22: a rounded label with the product's name. Written as PNG content under a name
# without extension, so the picture reader must go by the content.
convert -size 148x22 xc:none \
  -fill '#0000C8' -draw 'roundrectangle 0,0 147,21 10,10' \
  -font "$font" -pointsize 10 -fill white -gravity center -annotate +0+0 'CORVANE  STATISTICS' \
  PNG32:ZphzSm

# Question mark, 74 x 45: the help button of the main window.
convert -size 74x45 xc:none \
  -fill '#E8EEF9' -stroke '#1F4FB8' -strokewidth 2 -draw 'roundrectangle 2,2 71,42 10,10' \
  -stroke none -font "$font" -pointsize 30 -fill '#1F4FB8' -gravity center -annotate +0+1 '?' \
  PNG32:"Deziz68 copy.png"
