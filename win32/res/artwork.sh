#!/usr/bin/env bash
# Rasterises the game's SVG artwork for the .exe: each picture at every DPI the
# game meets, sized to fit the box its window gives it there, on the colour it
# stands on; the window icon as one .ico of many sizes. Writes artwork.rc,
# the resource lines for them all.
#   artwork.sh ASSETS_DIR OUT_DIR
set -euo pipefail
assets=$1
out=$2
mkdir -p "$out"
cd "$out"
dpis=(96 120 144 192)
# name, SVG, box width and height in twips, background
pictures=(
    "comincia icons/comincia.svg 480 480 #FFFF00"
    "aiuto icons/aiuto.svg 480 480 #FFFF00"
    "esci icons/esci.svg 480 480 #FFFF00"
    "titolo pictures/titolo.svg 3855 735 #FFC080"
    "vittoria pictures/vittoria.svg 5415 735 #FFC080"
    "striscia pictures/striscia.svg 1230 165 #FFC080"
)
px() { echo $((($1 * $2 + 720) / 1440)); }
: >artwork.rc.new
for dpi in "${dpis[@]}"; do
    for p in "${pictures[@]}"; do
        read -r name svg w h back <<<"$p"
        rsvg-convert -a -w "$(px "$w" "$dpi")" -h "$(px "$h" "$dpi")" -b "$back" -o "$name-$dpi.png" "$assets/$svg"
        convert "$name-$dpi.png" -alpha off "BMP3:$name-$dpi.bmp"
        rm "$name-$dpi.png"
        echo "${name^^}_$dpi BITMAP \"$name-$dpi.bmp\"" >>artwork.rc.new
    done
done
sizes=(16 20 24 32 40 48 64 96 128 256)
for s in "${sizes[@]}"; do rsvg-convert -w "$s" -h "$s" -o "icon-$s.png" "$assets/icons/lastrino.svg"; done
icotool -c -o lastrino.ico $(printf 'icon-%s.png ' "${sizes[@]}")
rm icon-*.png
echo 'LASTRINO ICON "lastrino.ico"' >>artwork.rc.new
mv artwork.rc.new artwork.rc
