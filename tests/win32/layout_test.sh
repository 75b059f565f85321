#!/usr/bin/env bash
# Both windows as they are loaded, at a DPI: every control's class, text,
# place, state, face colour, tooltip and screen-reader name and description,
# the window's size, a few painted colours, and the focus when shown.
#   layout_test.sh BUILD_DIR DPI
here=$(cd "$(dirname "$0")" && pwd)
build=$1
dpi=$2
source "$here/session.sh"

# Twips to pixels at this DPI, rounded; a rectangle by its rounded edges.
px() { echo $((($1 * dpi + 720) / 1440)); }
rect() { echo "$(px "$1"),$(px "$2") $(($(px $(($1 + $3))) - $(px "$1")))x$(($(px $(($2 + $4))) - $(px "$2")))"; }

# The game window's controls in twips (inside a frame: the frame's place
# plus the control's), text, state and face colour.
blue=00FF8080 yellow=0000FFFF empty=8000000F peach=0080C0FF
control() { # name class text left top width height state [face] tip acc desc
    echo "$1 $2 \"$3\" $(rect "$4" "$5" "$6" "$7") $8${9:+ face=$9} tip=\"${10}\" acc=\"${11}\" desc=\"${12}\""
}
game_window() {
    local n r c colour label name
    control cmdcomincia Button "" 3240 5400 615 615 "visible enabled tabstop" $yellow Comincia Comincia ""
    control cmdsoluzione Button "&Soluzione" 3600 6120 1335 495 "visible enabled tabstop" $yellow "" Soluzione ""
    control cmdesci Button "" 4680 5400 615 615 "visible enabled tabstop" $yellow Esci Esci ""
    for n in $(seq 1 32); do
        r=$(((n - 1) / 4)) c=$(((n - 1) % 4))
        label=$n name=$n colour=$([ $(((r + c) % 2)) = 0 ] && echo $blue || echo $yellow)
        [ "$n" = 32 ] && label= name=vuota colour=$empty
        control "cmd$n" Button "$label" $((480 + 600 * c)) $((1680 + 600 * r)) 615 615 \
            "visible enabled tabstop" $colour "" "$name" "riga $((r + 1)), colonna $((c + 1))"
    done
    control Picture1 Button "" 840 360 3855 735 "visible enabled tabstop" $peach "" Lastrino! ""
    control Frame2 Button Mosse 3360 1560 1815 855 "visible enabled" "" "" Mosse ""
    control lblcont Static 0 $((3360 + 120)) $((1560 + 360)) 1335 375 "visible enabled" "" "" 0 ""
    control Frame1 Button Tempo 3360 2640 1815 1215 "visible enabled" "" "" Tempo ""
    control lbltime Static 00:00 $((3360 + 120)) $((2640 + 720)) 1095 375 "visible enabled" "" "" 00:00 ""
    control optsi Button Sì $((3360 + 120)) $((2640 + 360)) 615 255 "visible enabled" "" "" Sì ""
    control optno Button No $((3360 + 960)) $((2640 + 360)) 735 255 "visible enabled checked tabstop" "" "" No ""
    control cmdaiuto Button "" 3960 5400 615 615 "hidden enabled tabstop" $yellow Aiuto! Aiuto! ""
}
end_window() {
    local light=0080FFFF
    control Picture1 Button "" 360 240 5415 735 "visible enabled tabstop" $peach "" Vittoria! ""
    control lblmess Static "Hai vinto in 3 mosse!" 360 1200 5415 1095 "visible enabled" "" "" "Hai vinto in 3 mosse!" ""
    control Label2 Static "Un'altra partita?" 1800 2400 2535 375 "visible enabled" "" "" "Un'altra partita?" ""
    control cmdsi Button "&Sì" 1800 3000 1095 375 "visible enabled tabstop" $light "" Sì ""
    control cmdno Button "&No" 3240 3000 1095 375 "visible enabled tabstop" $light "" No ""
}

start_display
set_dpi "$dpi"
start_game lastrino-scripted.exe
inspect wait:Lastrino! >/dev/null || fail "no game window"
expect "window \"Lastrino!\" client $(px 5535)x$(px 7110) dpi $dpi" window:Lastrino!
expect_set "$(game_window)" controls:Lastrino!
expect 'focus "Lastrino!" cmdcomincia' focus
# Painted: the window's peach, Label1's red band beside the board, a cell's
# blue face, and the peach where the hidden Help button stands.
expect "$(printf '%s\n' FFC080 FF0000 8080FF FFC080)" "pixel:Lastrino!:$(px 60):$(px 60)" \
    "pixel:Lastrino!:$(px 405):$(px 1605)" "pixel:Lastrino!:$(px 570):$(px 1770)" \
    "pixel:Lastrino!:$(px 4000):$(px 5440)"

# Drawn for the DPI: the digits of a 12 pt label and of an 18 pt cell stand
# between half and all of the font's em (points * dpi / 72) high, and Start's
# 32-pixel (at 96 dpi) picture fills at least three quarters of its width.
within() { [ "$2" -le "$1" ] && [ "$1" -le "$3" ] || fail "$4 is $1 px, not $2 to $3"; }
read -r label cell start <<<"$(inspect ink:$G:lblcont:0 ink:$G:cmd1:6 ink:$G:cmdcomincia:6 | paste -sd' ')"
within "${label#*x}" $((12 * dpi / 144)) $((12 * dpi / 72)) "the height of lblcont's text"
within "${cell#*x}" $((18 * dpi / 144)) $((18 * dpi / 72)) "the height of cell 1's text"
within "${start%x*}" $((24 * dpi / 96)) $((32 * dpi / 96)) "the width of Start's picture"

# A scripted deal, tile 28 down, back up, and Help: won in 3 moves.
inspect click:Lastrino!:cmdcomincia click:Lastrino!:cmd28 click:Lastrino!:cmd32 click:Lastrino!:cmdaiuto \
    "wait:Un'altra partita?" >/dev/null || fail "no end window"
expect "window \"Un'altra partita?\" client $(px 6135)x$(px 3495) dpi $dpi" "window:Un'altra partita?"
expect_set "$(end_window)" "controls:Un'altra partita?"
expect "focus \"Un'altra partita?\" cmdsi" focus
expect FFC080 "pixel:Un'altra partita?:$(px 60):$(px 60)"
echo "layout test at $dpi dpi passed"
