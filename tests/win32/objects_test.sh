#!/usr/bin/env bash
# No GDI or USER object is left behind: the counts of the game process are
# the same after 10 games and after 30 more (each a deal, Help, a win and
# "Sì"), after an end window closed from its title bar, and after moves to a
# monitor of another DPI and back. (scripts/bench win32-soak plays 200.)
here=$(cd "$(dirname "$0")" && pwd)
build=$1
source "$here/session.sh"

games() {
    local i cmds=()
    for i in $(seq "$1"); do
        cmds+=(click:$G:cmdcomincia click:$G:cmd28 click:$G:cmd32 click:$G:cmdaiuto "wait:$E" "click:$E:cmdsi"
            wait:$G "gone:$E")
    done
    inspect "${cmds[@]}" >/dev/null || fail "a game did not go as played"
}
counts() { inspect gui; }

start_display
set_dpi 96
start_game lastrino-scripted.exe
inspect wait:$G >/dev/null || fail "no game window"

games 10
after10=$(counts)
games 30
[ "$(counts)" = "$after10" ] || fail "after 10 games: $after10; after 40: $(counts)"

inspect click:$G:cmdcomincia click:$G:cmd28 click:$G:cmd32 click:$G:cmdaiuto "wait:$E" "close:$E" "gone:$E" \
    click:$G:cmdsoluzione >/dev/null
[ "$(counts)" = "$after10" ] || fail "after an end window closed: $(counts), not $after10"

# Moved to a 200% monitor the window is laid out afresh: 738 x 948, cells of 82.
inspect dpi:$G:192 >/dev/null
inspect window:$G controls:$G | grep -q -e 'client 738x948 ' || fail "at 192 dpi: $(inspect window:$G)"
inspect controls:$G | grep -q '^cmd1 Button "1" 64,224 82x82 ' || fail "at 192 dpi: $(inspect controls:$G | grep '^cmd1 ')"
inspect dpi:$G:96 >/dev/null
once=$(counts)
inspect dpi:$G:192 dpi:$G:96 dpi:$G:192 dpi:$G:96 >/dev/null
[ "$(counts)" = "$once" ] || fail "after a DPI change: $once; after two more: $(counts)"
expect "window \"Lastrino!\" client 369x474 dpi 96" window:$G
echo "object test passed: $after10"
