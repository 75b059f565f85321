#!/usr/bin/env bash
# No GDI or USER object is left behind: the counts of the game process are
# the same after 10 games and after 30 more (each a deal, Help, a win and
# "Sì"), after an end window closed from its title bar, and after moves to a
# monitor of another DPI and back. (scripts/bench win32-soak plays 200.)
# Wine makes one or two GDI objects of its own once, at a moment of its
# choosing: a count may grow by that much, where a leak grows by one a game.
build=$1
source "$(dirname "$0")/session.sh"

# The counts after the commands from $2 on played $1 times: after N games (each
# a deal, 28 down and up, Help: won; "Sì"), or N moves to a 200% monitor and back.
counts() { { for _ in $(seq "$1"); do printf '%s\n' "${@:2}"; done; echo gui; } | inspector | tail -n1; }
games() { counts "$1" start "click 28" "click 32" help "end si"; }
moves() { counts "$1" "dpi 192" "dpi 96"; }
# Whether the counts $2 are those of $1, Wine's own slack aside.
flat() {
    read -r _ gdi _ user _ gdi2 _ user2 <<<"$1 $2"
    [ "$user2" = "$user" ] && [ "$gdi2" -ge "$gdi" ] && [ "$gdi2" -le $((gdi + 2)) ]
}

set_dpi 96
start_game lastrino-scripted.exe
inspect wait >/dev/null || fail "no game window"
after10=$(games 10)
flat "$after10" "$(games 30)" || fail "after 10 games: $after10; after 40: $(games 0)"
flat "$after10" "$(inspect start "click 28" "click 32" help "end close" solution gui | tail -n1)" ||
    fail "after an end window closed: $(games 0), not $after10"

# Moved to a 200% monitor the window goes where the system suggests and is
# laid out afresh: 738 x 948, cells of 82, and the digit on cell 1 twice as
# high as back at 96 dpi, give or take the font's hinting.
look() { inspect "dpi $1" look "ink cmd1 6" | grep -E '^(at |frmgioco \| (-|cmd1) |[0-9]+x)' | cut -d'|' -f4-7 | paste -sd' '; }
[[ "$(look 192)" =~ ^"at 192 192  0 | 0 | 738 | 948   64 | 224 | 82 | 82  "[0-9]+x([0-9]+)$ ]] && high=${BASH_REMATCH[1]} || fail "at 192 dpi: $(look 192)"
[[ "$(look 96)" =~ ^"at 96 96  0 | 0 | 369 | 474   32 | 112 | 41 | 41  "[0-9]+x([0-9]+)$ ]] || fail "back at 96 dpi: $(look 96)"
(( (high - 2 * BASH_REMATCH[1]) ** 2 <= 4 )) || fail "cell 1's digit is $high px high at 192 dpi, ${BASH_REMATCH[1]} at 96"
once=$(moves 0)
flat "$once" "$(moves 5)" || fail "after a DPI change: $once; after five more: $(moves 0)"
echo "object test passed: $after10"
