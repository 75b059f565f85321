#!/usr/bin/env bash
# Both windows at a DPI as designed (tests/designed.py, through the inspector),
# and what the inspector cannot read from another process: the painted colours
# and the size of the text drawn for the DPI.
#   layout_test.sh BUILD_DIR DPI
here=$(cd "$(dirname "$0")" && pwd)
build=$1
dpi=$2
source "$here/session.sh"
px() { echo $((($1 * dpi + 720) / 1440)); }

set_dpi "$dpi"
start_game lastrino-scripted.exe
inspect wait >/dev/null || fail "no game window"
# Label1 and Shape1 are painted on the window, not controls; fonts and text
# colours stay in the game's process.
/usr/bin/python3 "$here/../designed.py" --dpi "$dpi" --unread Label1,Shape1,text,font \
    wine "$build/inspect.exe" || fail "the windows unlike their design"

# Painted: the end window's peach (it is in front, the game won), then in a
# new game window the peach, Label1's red band beside the board, a cell's
# blue face, the peach where the hidden Help button stands, and the green of
# Start's picture (#2e7d32) a quarter of the way into it; and the tile strip
# Image1 named for a screen reader.
# Drawn for the DPI: the digits of a 12 pt label stand between half and all
# of the font's em (points * dpi / 72) high, and Start's 32-pixel (at 96 dpi)
# picture fills at least three quarters of its width. (A cell's digits are
# measured across a change of DPI, in objects_test.sh.)
read -r won peach red blue help green label start strip <<<"$(inspect "pixel $(px 60) $(px 60)" "end si" wait \
    "pixel $(px 60) $(px 60)" "pixel $(px 405) $(px 1605)" "pixel $(px 570) $(px 1770)" "pixel $(px 4000) $(px 5440)" \
    "pixel $(px 3428) $(px 5708)" "ink lblcont 0" "ink cmdcomincia 6" "name Image1" | paste -sd' ')"
[ "$won $peach $red $blue $help $green $strip" = "0x80C0FF 0x80C0FF 0x0000FF 0xFF8080 0x80C0FF 0x327D2E Tessere" ] ||
    fail "painted, named: $won $peach $red $blue $help $green $strip"
within() { [ "$2" -le "$1" ] && [ "$1" -le "$3" ] || fail "$4 is $1 px, not $2 to $3"; }
within "${label#*x}" $((12 * dpi / 144)) $((12 * dpi / 72)) "the height of lblcont's text"
within "${start%x*}" $((24 * dpi / 96)) $((32 * dpi / 96)) "the width of Start's picture"
echo "layout test at $dpi dpi passed"
