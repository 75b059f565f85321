#!/usr/bin/env bash
# A test build of the game whose every Start deals tile i onto cell i: the
# board comes out solved but for 30 and 31, so a game can be won in three
# clicks. Keyboard, Help, the end-of-game window, "Sì" and "No".
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/board.sh"
exe=$1/lastrino-scripted.exe

start_display
start_game "$exe"
id=$(wait_window "Lastrino!")
geometry "$id"

# The focus is on Start: Space deals, with 30 and 31 exchanged.
xdotool key space
pixel_becomes $(cell 30) $yellow
pixel_becomes $(cell 31) $blue
# Tab walks Solution, Exit, the cells 1 to 28, the title picture, then the
# cells 29 to 31: Space there slides the tile into the empty corner.
xdotool key --delay 20 --repeat 34 Tab
xdotool key space
cell_31_empty() { screenshot && is_grey "$(pixel $(cell 31))"; }
wait_for 15 cell_31_empty || fail "Tab did not reach cell 31 past the title picture"
# The click left the focus on Solution: back to Start.
xdotool key shift+Tab
# Tab goes on to Solution: the solved board again.
xdotool key Tab space
pixel_becomes $(cell 30) $blue
# Back to Start, a deal, and Alt+S: Solution by its access key.
xdotool key shift+Tab space
pixel_becomes $(cell 30) $yellow
xdotool key alt+s
pixel_becomes $(cell 30) $blue
pixel_becomes $(cell 31) $yellow

win() {
    click $start_button
    pixel_becomes $(cell 30) $yellow
    # Tile 28 down: 28 tiles in place, and Help shows.
    click $(cell 28)
    pixel_becomes $help_button $yellow
    click $(cell 32)
    pixel_becomes $(cell 28) $yellow
    # Help exchanges 30 and 31: all 31 in place, the game is won.
    click $help_button
    end=$(wait_window "Un'altra partita?" 20)
    geometry "$end"
    [ "$win_w" = 409 ] && [ "$win_h" = 233 ] || fail "end window client area ${win_w}x$win_h"
}

win
# "Sì": a fresh game window, solved and with Help hidden, and this one goes.
click $si_button
wait_for 20 window_gone "Un'altra partita?" || fail "the end window stayed after Sì"
id=$(wait_window "Lastrino!")
geometry "$id"
expect_solved_board
[ "$(pixel $help_button)" = $peach ] || fail "Help is showing in the fresh game window"
game_running || fail "the game ended after Sì"

# A second win, then "No" ends the program.
win
click $no_button
wait_for 20 game_ended || fail "the game is still running after No"
echo "win test passed"
