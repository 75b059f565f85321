#!/usr/bin/env bash
# What the transcripts (wine_games) cannot play: the shipped game's random
# deals and its timer, and a quick second click on Help.
build=$1
source "$(dirname "$0")/session.sh"
set_dpi 96

# The shipped game: two quick Starts deal differently (the deal itself is the
# rules' tests' to check). Its timer ticks once a second: 4 s after a timed
# Start the clock shows 3 to 5 s, where a period of half or twice a second
# would show 8 or 2.
start_game lastrino.exe
dealt=$(inspect wait "timed si" start "real 4" show start show exit)
[[ "$(head -n1 <<<"$dealt")" =~ ^clock\ 00:0[345]$ ]] || fail "4 s after a timed Start: $(head -n1 <<<"$dealt")"
[ "$(sed -n 2p <<<"$dealt")" != "$(sed -n 10p <<<"$dealt")" ] || fail "two quick Starts dealt the same board: $(sed -n 2p <<<"$dealt")"

# In the test build, tile 28 down shows Help; Help pressed twice quickly, as
# Windows reports it (down, up, double-click, up), exchanges 30 and 31 twice.
start_game lastrino-scripted.exe
board="1B 2Y 3B 4Y 5Y 6B 7Y 8B 9B 10Y 11B 12Y 13Y 14B 15Y 16B 17B 18Y 19B 20Y 21Y 22B 23Y 24B 25B 26Y 27B"
got=$(inspect wait start "click 28" "double cmdaiuto" show | head -n2 | paste -sd' ')
[ "$got" = "board $board _E 29Y 31Y 30B 28Y moves 3" ] || fail "after Help twice: $got"
echo "play test passed, $(head -n1 <<<"$dealt") after 4 s"
