# Runs the Windows game under Wine on a private X display and looks at it
# through the tests' inspector (inspect.exe, cross-built beside the game from
# inspect.cpp), which plays the text driver's commands on it. Sourced by the Wine
# tests, the screenshot script and the soak benchmark.
#
# Needs WINEPREFIX set to a prefix of our own (see wine-prefix.sh) and
# build set to the game's build directory. Every wait has a deadline.

set -euo pipefail
# Each script that sources this runs on an X server of its own, large enough
# for the game window at 200% scaling.
[ -n "${LASTRINO_X:-}" ] || LASTRINO_X=1 exec "$(dirname "${BASH_SOURCE[0]}")/../private_x.sh" 1600x1200 "$0" "$@"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
: "${WINEPREFIX:?set WINEPREFIX to a private Wine prefix}"
: "${build:?set build to the directory of lastrino.exe and inspect.exe}"
export WINEPREFIX

session_dir=$(mktemp -d)
game_pid=

end_session() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    # Stops what runs in our own prefix, the game and Wine's helpers, and
    # waits for its server to be gone: the next test starts a new one.
    timeout 20 wineserver -k 2>/dev/null || true
    timeout 20 wineserver -w 2>/dev/null || true
    rm -rf "$session_dir"
}
trap end_session EXIT

fail() {
    echo "FAIL: $*" >&2
    # What Wine said, if the game or the inspector would not start.
    tail -n 20 "$session_dir"/*.log 2>/dev/null >&2 || true
    exit 1
}

# The screen's dots per inch for the programs started next in the prefix.
# Whatever a run cut short left in the prefix is stopped first: its server
# would never go idle, and the wait below would run out.
set_dpi() {
    timeout 20 wineserver -k 2>/dev/null || true
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    timeout 60 wineserver -w
    # The server and Wine's own programs (the desktop, the COM resolver) then
    # stay up to the session's end: a program started while they shut down,
    # when the last one went, could wait for them for ever.
    wineserver -p
}

start_game() {
    wine "$build/$1" >"$session_dir/wine.log" 2>&1 &
    game_pid=$!
}

# The inspector (inspect.cpp): commands on stdin, its output without
# Windows' CRs; inspect takes the commands as arguments, one each.
inspector() { wine "$build/inspect.exe" 2>"$session_dir/inspect.log" | tr -d '\r'; }
inspect() { printf '%s\n' "$@" | inspector; }
