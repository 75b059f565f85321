# Where the game window's controls are, in client pixels, and the colours
# the tests expect there. Sourced by the Wine tests.

blue=8080FF    # colblu
yellow=FFFF00  # colgiallo
peach=FFC080   # colpesca
red=FF0000     # Label1

# A point inside cell n's face, clear of its edge and of its caption.
cell() { echo "$((32 + 40 * ((${1} - 1) % 4) + 6)) $((112 + 40 * ((${1} - 1) / 4) + 6))"; }
start_button="222 366"
help_button="270 366"
exit_button="318 366"
solution_button="250 416"
si_button="130 208"
no_button="226 208"

# The solved board's colour of cell n: a checkerboard from blue at cell 1.
solved_colour() {
    if (( ((${1} - 1) / 4 + (${1} - 1) % 4) % 2 == 0 )); then echo $blue; else echo $yellow; fi
}

# The empty cell shows the system's button face: a grey.
is_grey() { [ "${1:0:2}" = "${1:2:2}" ] && [ "${1:2:2}" = "${1:4:2}" ]; }

# Whether a fresh screenshot shows the solved board; what differs goes to $mismatch.
board_solved() {
    screenshot
    local n colour
    for n in $(seq 1 31); do
        colour=$(pixel $(cell "$n"))
        if [ "$colour" != "$(solved_colour "$n")" ]; then
            mismatch="cell $n is $colour, not $(solved_colour "$n")"
            return 1
        fi
    done
    colour=$(pixel $(cell 32))
    is_grey "$colour" || { mismatch="cell 32 is $colour, not the grey of an empty cell"; return 1; }
}

# The window paints after it maps: the board is given a little time.
expect_solved_board() {
    mismatch=
    wait_for 15 board_solved || fail "$mismatch"
}
