#!/usr/bin/env bash
# The game played through the inspector: a random deal and Exit in the
# shipped game; then, in the test build whose Start deals tile i onto cell i,
# the keyboard, moves across row ends, the clock tick by tick, Help (a quick
# second click included), Solution, wins in both message forms, "Sì", "No"
# and the title bars' close buttons, with the focus after each.
here=$(cd "$(dirname "$0")" && pwd)
build=$1
source "$here/session.sh"

# The labels of cells from..to, joined by commas.
labels() {
    local n cmds=()
    for n in $(seq "$1" "$2"); do cmds+=("text:$G:cmd$n"); done
    inspect "${cmds[@]}" | paste -sd,
}
# Fails unless the cells 25 to 32, the move counter and the focus are these.
expect_board() {
    expect "$1" text:$G:cmd25 text:$G:cmd26 text:$G:cmd27 text:$G:cmd28 text:$G:cmd29 text:$G:cmd30 \
        text:$G:cmd31 text:$G:cmd32
}
state() { inspect controls:$G | grep "^$1 " | cut -d' ' -f6-; }
ticks() { # N: N ticks, the clock read after each
    local i cmds=()
    for i in $(seq "$1"); do cmds+=(timer:1 text:$G:lbltime); done
    inspect "${cmds[@]}"
}

start_display
set_dpi 96

# The shipped game: Start deals the 31 tiles at random over the cells 1 to
# 31, each tile in its own colour; Exit ends the program.
start_game lastrino.exe
inspect wait:$G >/dev/null || fail "no game window"
inspect click:$G:cmdcomincia >/dev/null
dealt=$(inspect controls:$G | grep '^cmd[0-9]')
tiles=$(sed -n 's/^cmd\([0-9]*\) Button "\([0-9]*\)".* face=\([0-9A-F]*\) .*/\1:\2:\3/p' <<<"$dealt")
[ "$(cut -d: -f2 <<<"$tiles" | sort -n | paste -sd,)" = ",$(seq -s, 1 31)" ] || fail "dealt: $tiles"
grep -q '^32::8000000F$' <<<"$tiles" || fail "cell 32 is not empty after the deal"
while IFS=: read -r cell tile face; do
    [ -z "$tile" ] && continue
    home=$(((tile - 1) / 4 + (tile - 1) % 4))
    [ "$face" = "$([ $((home % 2)) = 0 ] && echo 00FF8080 || echo 0000FFFF)" ] || fail "tile $tile is $face"
    [ "$cell" = "$tile" ] || moved=1
done <<<"$tiles"
[ -n "${moved:-}" ] || fail "Start dealt the solved board"
inspect click:$G:cmdesci >/dev/null || true
wait_for 20 game_ended || fail "the game is still running after Exit"

start_game lastrino-scripted.exe
inspect wait:$G >/dev/null || fail "no game window"
at_load=$(inspect controls:$G | sort)

# Tab from Start: Solution, Exit, the cells 1 to 28, the title picture, the
# cells 29 to 32, then the option group once, on "No"; Help is hidden.
want=$(printf 'focus "Lastrino!" %s\n' cmdsoluzione cmdesci $(seq -f 'cmd%g' 1 28) Picture1 \
    $(seq -f 'cmd%g' 29 32) optno optsi cmdcomincia)
cmds=()
for i in $(seq 36); do cmds+=(key:9 focus); done
# The left arrow moves within the group and selects "Sì"; Tab leaves it.
expect "$want" "${cmds[@]}" key:37 focus key:9 focus
[ "$(state optsi)" = "visible enabled checked tabstop tip=\"\" acc=\"Sì\" desc=\"\"" ] || fail "optsi: $(state optsi)"
[ "$(state optno)" = "visible enabled tip=\"\" acc=\"No\" desc=\"\"" ] || fail "optno: $(state optno)"

# Space on Start deals, 30 and 31 exchanged; the options are locked, Start
# is now Restart.
inspect press:32 >/dev/null
started() { [ "$(inspect text:$G:cmd30)" = 31 ]; }
wait_for 10 started || fail "Space on Start dealt nothing"
expect_board "$(printf '%s\n' 25 26 27 28 29 31 30 '')"
[ "$(state optsi)" = "visible disabled checked tabstop tip=\"\" acc=\"Sì\" desc=\"\"" ] || fail "optsi: $(state optsi)"
[ "$(state optno)" = "visible disabled tip=\"\" acc=\"No\" desc=\"\"" ] || fail "optno: $(state optno)"
[[ "$(state cmdcomincia)" == *'tip="Ricomincia" acc="Ricomincia"'* ]] || fail "Start: $(state cmdcomincia)"

# One second a tick, written each time.
expect "$(for m in 0 1; do for s in $(seq 0 59); do printf '%02d:%02d\n' $m $s; done; done | sed -n 2,62p)" \
    $(for i in $(seq 61); do echo timer:1 text:$G:lbltime; done)

# Moves into the empty cell, along a row and across the end of row 7; cell
# 29 never reaches back to 28. Each click leaves the focus on Solution.
inspect click:$G:cmd31 >/dev/null
expect_board "$(printf '%s\n' 25 26 27 28 29 31 '' 30)"
inspect click:$G:cmd30 click:$G:cmd29 click:$G:cmd28 >/dev/null
expect_board "$(printf '%s\n' 25 26 27 '' 28 29 31 30)"
inspect click:$G:cmd29 >/dev/null
expect_board "$(printf '%s\n' 25 26 27 '' 28 29 31 30)"
expect "$(printf '%s\n' 4 'focus "Lastrino!" cmdsoluzione')" text:$G:lblcont focus

# Solution: the solved board, the counters and the choice reset, the clock
# stopped.
inspect click:$G:cmdsoluzione timer:1 >/dev/null
expect "$(printf '%s\n' 0 00:00)" text:$G:lblcont text:$G:lbltime
[ "$(labels 1 32)" = "$(seq -s, 1 31)," ] || fail "not solved after Solution: $(labels 1 32)"
[ "$(state optno)" = "visible enabled checked tabstop tip=\"\" acc=\"No\" desc=\"\"" ] || fail "optno: $(state optno)"

# An untimed game: tile 28 down leaves 28 tiles in place and shows Help.
# Help pressed twice quickly exchanges 30 and 31 twice, two moves.
inspect click:$G:cmdcomincia click:$G:cmd28 >/dev/null
[[ "$(state cmdaiuto)" == 'visible enabled'* ]] || fail "Help is not shown at 28 in place"
inspect double:$G:cmdaiuto >/dev/null
expect_board "$(printf '%s\n' 25 26 27 '' 29 31 30 28)"
expect 3 text:$G:lblcont
# Tile 28 back, and Help: all 31 in place, won.
inspect click:$G:cmd32 click:$G:cmdaiuto "wait:$E" >/dev/null || fail "no end window after the win"
expect "$(printf '%s\n' 'Hai vinto in 5 mosse!' "focus \"$E\" cmdsi")" "text:$E:lblmess" focus

# Closing the end window from its title bar leaves the game as it was.
inspect "close:$E" "gone:$E" >/dev/null || fail "the end window stayed after its close button"
[ "$(labels 1 32)" = "$(seq -s, 1 31)," ] && expect 5 text:$G:lblcont || fail "the game changed"

# A timed game: the message quotes the clock; the clock runs on behind the
# end window, whose message stays as it was composed.
inspect click:$G:cmdsoluzione click:$G:optsi click:$G:cmdcomincia timer:2 click:$G:cmd28 click:$G:cmd32 \
    click:$G:cmdaiuto "wait:$E" timer:1 >/dev/null || fail "no end window after the timed win"
expect "$(printf '%s\n' 'Hai vinto in 3 mosse e con un tempo di 00:02!' 00:03)" "text:$E:lblmess" text:$G:lbltime

# The game window closed from its title bar: the program goes on with the
# end window, whose "Sì" brings back a fresh game window and goes.
inspect close:$G gone:$G >/dev/null || fail "the game window stayed after its close button"
game_running || fail "the program ended with the end window open"
inspect "click:$E:cmdsi" wait:$G "gone:$E" >/dev/null || fail "no fresh game window after Sì"
[ "$(inspect controls:$G | sort)" = "$at_load" ] || fail "the game window after Sì differs from the one at load"
expect "$(printf '%s\n' 00:00 'focus "Lastrino!" cmdcomincia')" timer:1 text:$G:lbltime focus

# Another win, and "No" ends the program.
inspect click:$G:cmdcomincia click:$G:cmd28 click:$G:cmd32 click:$G:cmdaiuto "wait:$E" >/dev/null
inspect "click:$E:cmdno" >/dev/null || true
wait_for 20 game_ended || fail "the game is still running after No"

# With no end window, closing the game window ends the program.
start_game lastrino-scripted.exe
inspect wait:$G close:$G >/dev/null
wait_for 20 game_ended || fail "the game is still running after its window was closed"
echo "play test passed"
