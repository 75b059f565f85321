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

# A control as the inspector describes it, placed in twips.
control() { # name class text left top width height state face tip acc desc
    echo "$1 $2 \"$3\" $(rect "$4" "$5" "$6" "$7") $8${9:+ face=$9} tip=\"${10}\" acc=\"${11}\" desc=\"${12}\""
}
# The controls of a window as loaded, from the designs in tests/windows.txt
# (a control in a frame is placed from the frame's corner), with what they
# leave out: the board's cells, each control's class and state, the names a
# screen reader hears for the pictures. Label1, Shape1 and Image1 are painted.
declare -A spoken=([frmgioco.cmdcomincia]=Comincia [frmgioco.cmdaiuto]=Aiuto! [frmgioco.cmdesci]=Esci
    [frmgioco.Picture1]=Lastrino! [frmscelta.Picture1]=Vittoria!) x y
controls() {
    local name parent left top w h caption back tip shown tab class state n r c
    while IFS='|' read -r _ name parent left top w h caption back _ _ tip shown tab; do
        case $name in -|Label1|Shape1|Image1) continue ;; esac
        x[$name]=$left y[$name]=$top
        [ "$parent" = - ] || left=$((left + x[$parent])) top=$((top + y[$parent]))
        [ "$caption" = - ] && caption=
        [ "$name" = lblmess ] && caption="Hai vinto in 3 mosse!"
        class=Button state="$([ "$shown" = 1 ] && echo visible || echo hidden) enabled"
        case $name in
        lbl* | Label*) class=Static ;;
        optno) state+=" checked tabstop" ;;  # "No" is chosen; the group is one tab stop
        optsi) ;;
        *) [ "$tab" = - ] || state+=" tabstop" ;;
        esac
        [[ $name == cmd* || $name == Picture1 ]] && back=$(printf %08X "$back") || back=
        [ "$tip" = - ] && tip=
        control "$name" $class "$caption" "$left" "$top" "$w" "$h" "$state" "$back" "$tip" \
            "${spoken[$1.$name]:-${caption/&/}}" ""
    done < <(grep "^$1 " "$here/../windows.txt" | tr -s ' ' | sed 's/ | /|/g')
    [ "$1" = frmgioco ] || return 0
    for n in $(seq 1 32); do
        r=$(((n - 1) / 4)) c=$(((n - 1) % 4)) back=(00FF8080 0000FFFF)
        [ "$n" = 32 ] && back=8000000F || back=${back[(r + c) % 2]}
        control "cmd$n" Button "${n/32/}" $((480 + 600 * c)) $((1680 + 600 * r)) 615 615 "visible enabled tabstop" \
            $back "" "${n/32/vuota}" "riga $((r + 1)), colonna $((c + 1))"
    done
}

start_display
set_dpi "$dpi"
start_game lastrino-scripted.exe
inspect wait:Lastrino! >/dev/null || fail "no game window"
expect "window \"Lastrino!\" client $(px 5535)x$(px 7110) dpi $dpi" window:Lastrino!
expect_set "$(controls frmgioco)" controls:Lastrino!
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
printf '%s\n' start "click 28" "click 32" help | inspect play >/dev/null
expect "window \"Un'altra partita?\" client $(px 6135)x$(px 3495) dpi $dpi" "window:Un'altra partita?"
expect_set "$(controls frmscelta)" "controls:Un'altra partita?"
expect "focus \"Un'altra partita?\" cmdsi" focus
expect FFC080 "pixel:Un'altra partita?:$(px 60):$(px 60)"
echo "layout test at $dpi dpi passed"
