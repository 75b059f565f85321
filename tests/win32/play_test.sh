#!/usr/bin/env bash
# What the transcripts (wine_games) cannot play: the shipped game's random
# deal and Exit; then, in the test build whose Start deals tile i onto cell i,
# the keyboard, the names a screen reader hears once a game is on, a quick
# second click on Help, and the game window's title-bar close.
here=$(cd "$(dirname "$0")" && pwd)
build=$1
source "$here/session.sh"

# The driver's commands played (see peek.cpp), then the state's line KEY.
after() {
    local key=$1
    shift
    printf '%s\n' "$@" show | inspect play | sed -n "s/^$key //p"
}
state() { inspect controls:$G | grep "^$1 " | cut -d' ' -f6-; }

start_display
set_dpi 96

# The shipped game: Start deals the 31 tiles at random over the cells 1 to
# 31, each tile in its own colour; Exit ends the program.
start_game lastrino.exe
inspect wait:$G >/dev/null || fail "no game window"
dealt=$(after board start)
tiles=$(head -n31 <<<"${dealt// /$'\n'}")
[ "$(tr -d BY <<<"$tiles" | sort -n | paste -sd,)" = "$(seq -s, 1 31)" ] || fail "dealt: $dealt"
[ "${dealt##* }" = _E ] || fail "cell 32 is not empty after the deal: $dealt"
for tile in $(tr -d BY <<<"$tiles"); do
    home=$(((tile - 1) / 4 + (tile - 1) % 4))
    grep -qx "$tile$([ $((home % 2)) = 0 ] && echo B || echo Y)" <<<"$tiles" || fail "tile $tile: $dealt"
done
[ "$(tr -d BY <<<"$tiles" | paste -sd,)" != "$(seq -s, 1 31)" ] || fail "Start dealt the solved board"
[ "$(inspect play <<<exit)" = "event exit" ] || fail "the game is still running after Exit"

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

# Space on Start deals, 30 and 31 exchanged; the options are locked, and a
# screen reader hears Start as Restart.
inspect press:32 >/dev/null
board="1B 2Y 3B 4Y 5Y 6B 7Y 8B 9B 10Y 11B 12Y 13Y 14B 15Y 16B 17B 18Y 19B 20Y 21Y 22B 23Y 24B 25B 26Y 27B"
dealt() { [ "$(after board)" = "$board 28Y 29Y 31Y 30B _E" ]; }
wait_for 10 dealt || fail "Space on Start dealt nothing: $(after board)"
[ "$(state optsi)" = "visible disabled checked tabstop tip=\"\" acc=\"Sì\" desc=\"\"" ] || fail "optsi: $(state optsi)"
[ "$(state optno)" = "visible disabled tip=\"\" acc=\"No\" desc=\"\"" ] || fail "optno: $(state optno)"
[[ "$(state cmdcomincia)" == *'tip="Ricomincia" acc="Ricomincia"'* ]] || fail "Start: $(state cmdcomincia)"

# Tile 28 down shows Help; Help pressed twice quickly, as Windows reports it
# (down, up, double-click, up), exchanges 30 and 31 twice: two moves.
after help "click 28" >/dev/null
inspect double:$G:cmdaiuto >/dev/null
[ "$(after board)" = "$board _E 29Y 31Y 30B 28Y" ] || fail "after Help twice: $(after board)"
[ "$(after moves)" = 3 ] || fail "moves after Help twice: $(after moves)"

# A win; the game window closed from its title bar: the program goes on with
# the end window, whose "Sì" brings back a fresh game window and goes.
[ "$(after end-window "click 32" help)" != - ] || fail "no end window after the win"
inspect "wait:$E" close:$G gone:$G >/dev/null || fail "the game window stayed after its close button"
game_running || fail "the program ended with the end window open"
inspect "click:$E:cmdsi" wait:$G "gone:$E" >/dev/null || fail "no fresh game window after Sì"
[ "$(inspect controls:$G | sort)" = "$at_load" ] || fail "the game window after Sì differs from the one at load"
expect 'focus "Lastrino!" cmdcomincia' focus

# With no end window, closing the game window ends the program.
inspect close:$G >/dev/null
wait_for 20 game_ended || fail "the game is still running after its window was closed"
echo "play test passed"
