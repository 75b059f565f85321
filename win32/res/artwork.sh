#!/usr/bin/env bash
# Rasterises the game's SVG artwork for the .exe: each picture at every DPI the
# game meets, sized to fit the box its window gives it there, on the colour it
# stands on, as a PNG; the window icon as one .ico of many sizes. Writes artwork.rc,
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
        rsvg-convert -a -w "$(px "$w" "$dpi")" -h "$(px "$h" "$dpi")" -b "$back" -o "$name-$dpi.svg.png" "$assets/$svg"
        # Opaque, without colour-space chunks, packed as small as PNG goes:
        # Windows' imaging component decodes it to the very same pixels.
        convert "$name-$dpi.svg.png" -alpha off -strip -define png:compression-level=9 "$name-$dpi.png"
        rm "$name-$dpi.svg.png"
        echo "${name^^}_$dpi RCDATA \"$name-$dpi.png\"" >>artwork.rc.new
    done
done
sizes=(16 20 24 32 40 48 64 96 128 256)
for s in "${sizes[@]}"; do rsvg-convert -w "$s" -h "$s" -o "icon-$s.png" "$assets/icons/lastrino.svg"; done
# The 256-pixel frame as a PNG, as Windows has read them since Vista.
icotool -c -o lastrino.ico $(printf 'icon-%s.png ' "${sizes[@]:0:${#sizes[@]}-1}") -r icon-256.png
rm icon-*.png
echo 'LASTRINO ICON "lastrino.ico"' >>artwork.rc.new
mv artwork.rc.new artwork.rc
