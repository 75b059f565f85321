#!/usr/bin/env bash
# The shipped lastrino.exe under Wine: the game window as it is loaded, a
# random deal, a move, and Exit.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/session.sh"
source "$here/board.sh"
exe=$1/lastrino.exe

start_display
start_game "$exe"
id=$(wait_window "Lastrino!")
geometry "$id"
[ "$win_w" = 369 ] && [ "$win_h" = 474 ] || fail "client area ${win_w}x$win_h, not 369x474"

# At load: the solved board on its red border, Help hidden, Start yellow.
expect_solved_board
[ "$(pixel 2 2)" = $peach ] || fail "window background $(pixel 2 2)"
[ "$(pixel 27 107)" = $red ] || fail "Label1 is $(pixel 27 107)"
[ "$(pixel $help_button)" = $peach ] || fail "Help is showing at load"
[ "$(pixel $start_button)" = $yellow ] || fail "Start is $(pixel $start_button)"

# Start deals at random: the cells 1 to 31 keep 15 blue and 16 yellow tiles,
# cell 32 stays empty, and the colours no longer make the checkerboard.
click $start_button
dealt() {
    screenshot
    local n colour blues=0 yellows=0 moved=0
    for n in $(seq 1 31); do
        colour=$(pixel $(cell "$n"))
        [ "$colour" = $blue ] && blues=$((blues + 1))
        [ "$colour" = $yellow ] && yellows=$((yellows + 1))
        [ "$colour" != "$(solved_colour "$n")" ] && moved=$((moved + 1))
    done
    [ $blues = 15 ] && [ $yellows = 16 ] && [ $moved -gt 0 ] && is_grey "$(pixel $(cell 32))"
}
wait_for 15 dealt || fail "Start dealt no new board"

# A click on cell 28 slides its tile down into the empty cell 32.
screenshot
tile=$(pixel $(cell 28))
click $(cell 28)
pixel_becomes $(cell 32) "$tile"
is_grey "$(pixel $(cell 28))" || fail "cell 28 is $(pixel $(cell 28)) after its tile left"

# Exit ends the program at once.
click $exit_button
wait_for 20 game_ended || fail "the game is still running after Exit"
wait_for 10 window_gone "Lastrino!" || fail "the game window is still shown after Exit"
echo "window test passed"
