#!/usr/bin/env bash
# What the transcripts (wine_games) cannot play: the shipped game's random
# deal and Exit, and a quick second click on Help.
here=$(cd "$(dirname "$0")" && pwd)
build=$1
source "$here/session.sh"
start_display
set_dpi 96

# The shipped game: Start deals the 31 tiles at random over the cells 1 to
# 31, each tile in its own colour; Exit ends the program.
start_game lastrino.exe
dealt=$(inspect wait start show exit)
board=$(head -n1 <<<"$dealt")
tiles=$(cut -d' ' -f2-32 <<<"$board" | tr ' ' '\n')
[ "$(tr -d BY <<<"$tiles" | sort -n | paste -sd,)" = "$(seq -s, 1 31)" ] || fail "dealt: $board"
[ "${board##* }" = _E ] || fail "cell 32 is not empty after the deal: $board"
for tile in $(tr -d BY <<<"$tiles"); do
    home=$(((tile - 1) / 4 + (tile - 1) % 4))
    grep -qx "$tile$([ $((home % 2)) = 0 ] && echo B || echo Y)" <<<"$tiles" || fail "tile $tile: $board"
done
[ "$(tr -d BY <<<"$tiles" | paste -sd,)" != "$(seq -s, 1 31)" ] || fail "Start dealt the solved board"
[ "$(tail -n1 <<<"$dealt")" = "event exit" ] || fail "the game is still running after Exit"

# In the test build, tile 28 down shows Help; Help pressed twice quickly, as
# Windows reports it (down, up, double-click, up), exchanges 30 and 31 twice.
start_game lastrino-scripted.exe
board="1B 2Y 3B 4Y 5Y 6B 7Y 8B 9B 10Y 11B 12Y 13Y 14B 15Y 16B 17B 18Y 19B 20Y 21Y 22B 23Y 24B 25B 26Y 27B"
got=$(inspect wait start "click 28" "double cmdaiuto" show | head -n2 | paste -sd' ')
[ "$got" = "board $board _E 29Y 31Y 30B 28Y moves 3" ] || fail "after Help twice: $got"
echo "play test passed"
