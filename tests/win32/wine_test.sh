#!/usr/bin/env bash
# The Windows game under Wine, looked at through the inspector (session.sh):
#   wine_test.sh BUILD_DIR games         the transcripts of tests/games, windowed and win32,
#                                        each on a fresh test build
#   wine_test.sh BUILD_DIR --player      one of them: its commands on stdin (transcript.py's player)
#   wine_test.sh BUILD_DIR layout DPI    both windows at a DPI as designed, and what the
#                                        inspector cannot read from another process
#   wine_test.sh BUILD_DIR moved         the game moved to a monitor of another DPI (what it
#                                        leaves behind is the soak benchmark's to count)
here=$(cd "$(dirname "$0")" && pwd)
build=$1
source "$here/session.sh"
# The display and Wine's server are the whole games run's: a player's game
# goes, and its windows with it, before the next one starts.
if [ "$2" = --player ]; then
    # What Wine and the inspector said, when the player fails.
    trap '[ $? = 0 ] || tail -n 20 "$session_dir"/*.log >&2
          kill "$game_pid" 2>/dev/null || true; wait; inspect gone >&2; rm -rf "$session_dir"' EXIT
    start_game lastrino-scripted.exe
    { echo wait; cat; } | inspector
    exit
fi
set_dpi "${3:-96}"
[ "$2" = games ] && { /usr/bin/python3 "$here/../transcript.py" win32 "$0" "$build" --player; exit; }
start_game lastrino-scripted.exe
inspect wait >/dev/null || fail "no game window"

if [ "$2" = layout ]; then
    dpi=$3
    px() { echo $((($1 * dpi + 720) / 1440)); }
    # Label1 and Shape1 are painted on the window, not controls; fonts and
    # text colours stay in the game's process.
    /usr/bin/python3 "$here/../designed.py" --dpi "$dpi" --unread Label1,Shape1,text,font \
        wine "$build/inspect.exe" || fail "the windows unlike their design"
    # Painted in a new game window (the windows' own colour is the design's):
    # Label1's red band beside the board, a cell's blue face, and the green of
    # Start's picture (#2e7d32) a quarter of the way into it; and the tile
    # strip Image1 named for a screen reader.
    # Drawn for the DPI: the digits of a 12 pt label stand between half and
    # all of the font's em (points * dpi / 72) high, and Start's 32-pixel (at
    # 96 dpi) picture fills at least three quarters of its width.
    read -r red blue green label start strip <<<"$(inspect "end si" "pixel $(px 405) $(px 1605)" \
        "pixel $(px 570) $(px 1770)" "pixel $(px 3428) $(px 5708)" "ink lblcont 0" "ink cmdcomincia 6" "name Image1" |
        paste -sd' ')"
    [ "$red $blue $green $strip" = "0x0000FF 0xFF8080 0x327D2E Tessere" ] || fail "painted, named: $red $blue $green $strip"
    within() { [ "$2" -le "$1" ] && [ "$1" -le "$3" ] || fail "$4 is $1 px, not $2 to $3"; }
    within "${label#*x}" $((12 * dpi / 144)) $((12 * dpi / 72)) "the height of lblcont's text"
    within "${start%x*}" $((24 * dpi / 96)) $((32 * dpi / 96)) "the width of Start's picture"
    exit
fi

# Moved to a 200% monitor the window goes where the system suggests and is
# laid out afresh: 738 x 948, cells of 82, and the digit on cell 1 twice as
# high as back at 96 dpi, give or take the font's hinting.
look() { inspect "dpi $1" look "ink cmd1 6" | grep -E '^(at |frmgioco \| (-|cmd1) |[0-9]+x)' | cut -d'|' -f4-7 | paste -sd' '; }
[[ "$(look 192)" =~ ^"at 192 192  0 | 0 | 738 | 948   64 | 224 | 82 | 82  "[0-9]+x([0-9]+)$ ]] && high=${BASH_REMATCH[1]} || fail "at 192 dpi: $(look 192)"
[[ "$(look 96)" =~ ^"at 96 96  0 | 0 | 369 | 474   32 | 112 | 41 | 41  "[0-9]+x([0-9]+)$ ]] || fail "back at 96 dpi: $(look 96)"
(( (high - 2 * BASH_REMATCH[1]) ** 2 <= 4 )) || fail "cell 1's digit is $high px high at 192 dpi, ${BASH_REMATCH[1]} at 96"

