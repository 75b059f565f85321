#!/usr/bin/env bash
# The Windows game's long evening: N games (default 200) played under Wine
# through the tests' inspector, each a deal, Help, a win and "Sì" (a fresh
# game window), with the game process's GDI and USER object counts
# (gui_count.cpp) and its resident memory every 10 games. A leak of a GDI or
# USER object grows a count by one a game; Wine makes one or two GDI objects
# of its own once, at a moment of its choosing. Run by `scripts/bench
# win32-soak [N]`.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
games=${1:-200}
build=$root/build-win32
export WINEPREFIX=$build/wine-prefix-bench
"$root/tests/win32/wine-prefix.sh" "$WINEPREFIX" >/dev/null
source "$root/tests/win32/session.sh"

set_dpi 96
start_game lastrino-scripted.exe
inspect wait >/dev/null || fail "no game window"
# The Windows process under Wine's loader: the one whose command line names the .exe.
game_rss() {
    local pid
    pid=$(pgrep -f 'lastrino-scripted.exe' | head -n1)
    awk '/VmRSS/ {print $2}' "/proc/$pid/status"
}
round=(start "click 28" "click 32" help "end si")
printf '%6s %6s %6s %9s\n' games gdi user rss_kb
for ((played = 10; played <= games; played += 10)); do
    cmds=()
    for i in $(seq 10); do cmds+=("${round[@]}"); done
    inspect "${cmds[@]}" >/dev/null || fail "a game did not go as played"
    read -r _ gdi _ user <<<"$(wine "$build/gui_count.exe" | tr -d '\r')"
    printf '%6d %6d %6d %9d\n' "$played" "$gdi" "$user" "$(game_rss)"
done
