#!/usr/bin/env bash
# No GDI or USER object is left behind: the counts of the game process are
# the same after 10 games and after 30 more (each a deal, Help, a win and
# "Sì"), after an end window closed from its title bar, and after moves to a
# monitor of another DPI and back. (scripts/bench win32-soak plays 200.)
# Wine makes one or two GDI objects of its own once, at a moment of its
# choosing: a count may grow by that much, where a leak grows by one a game.
here=$(cd "$(dirname "$0")" && pwd)
build=$1
source "$here/session.sh"

# N games (each a deal, 28 down and up, Help: won; "Sì"), as the driver plays them.
games() {
    for _ in $(seq "$1"); do printf '%s\n' start "click 28" "click 32" help "end si"; done | inspect play >/dev/null ||
        fail "a game did not go as played"
}
counts() { inspect gui; }
# Whether the counts $2 are those of $1, Wine's own slack aside.
flat() {
    local gdi user gdi2 user2
    read -r _ gdi _ user <<<"$1"
    read -r _ gdi2 _ user2 <<<"$2"
    [ "$user2" = "$user" ] && [ "$gdi2" -ge "$gdi" ] && [ "$gdi2" -le $((gdi + 2)) ]
}

start_display
set_dpi 96
start_game lastrino-scripted.exe
inspect wait:$G >/dev/null || fail "no game window"

games 10
after10=$(counts)
games 30
flat "$after10" "$(counts)" || fail "after 10 games: $after10; after 40: $(counts)"

printf '%s\n' start "click 28" "click 32" help "end close" solution | inspect play >/dev/null
flat "$after10" "$(counts)" || fail "after an end window closed: $(counts), not $after10"

# Moved to a 200% monitor the window is laid out afresh: 738 x 948, cells of 82.
inspect dpi:$G:192 >/dev/null
at192=$(inspect window:$G controls:$G)
grep -q 'client 738x948 ' <<<"$at192" || fail "at 192 dpi: $(head -n1 <<<"$at192")"
grep -q '^cmd1 Button "1" 64,224 82x82 ' <<<"$at192" || fail "at 192 dpi: $(grep '^cmd1 ' <<<"$at192")"
inspect dpi:$G:96 >/dev/null
once=$(counts)
inspect $(for i in $(seq 5); do echo dpi:$G:192 dpi:$G:96; done) >/dev/null
flat "$once" "$(counts)" || fail "after a DPI change: $once; after five more: $(counts)"
expect "window \"Lastrino!\" client 369x474 dpi 96" window:$G
echo "object test passed: $after10"
