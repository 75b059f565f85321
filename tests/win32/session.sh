# Runs the Windows game under Wine on a private X display and looks at it
# from outside: windows by title, pixels from screenshots, mouse and keys
# through xdotool. Sourced by the Wine tests and the screenshot script.
#
# Needs WINEPREFIX set to a prefix of our own (see wine-prefix.sh). Every
# wait polls with a deadline; nothing here sleeps a fixed time to pass.

set -euo pipefail

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
: "${WINEPREFIX:?set WINEPREFIX to a private Wine prefix}"
export WINEPREFIX

session_dir=$(mktemp -d)
xvfb_pid=
game_pid=

end_session() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    # Stops what runs in our own prefix: the game and Wine's helpers.
    timeout 20 wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$session_dir"
}
trap end_session EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$session_dir/failure.png" 2>/dev/null &&
        cp "$session_dir/failure.png" "${FAILURE_SHOT:-/dev/null}" 2>/dev/null
    exit 1
}

# Polls a command until it succeeds or `seconds` have passed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

# An X server on the first free display number.
start_display() {
    local size=${1:-1024x768x24}
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$session_dir/display" 2>/dev/null &
    xvfb_pid=$!
    wait_for 30 test -s "$session_dir/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$session_dir/display")"
}

start_game() {
    wine "$1" >"$session_dir/wine.log" 2>&1 &
    game_pid=$!
}

game_running() { kill -0 "$game_pid" 2>/dev/null; }
game_ended() { ! game_running; }

# The X window of a visible top-level window with exactly this title.
# Titles are matched as text: "?" and the like are escaped for the regex.
window_id() {
    local title
    title=$(sed 's/[][\\.*^$?+(){}|]/\\&/g' <<<"$1")
    xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1 || true
}
window_shown() { [ -n "$(window_id "$1")" ]; }
window_gone() { [ -z "$(window_id "$1")" ]; }

wait_window() {
    wait_for "${2:-60}" window_shown "$1" || fail "no window titled \"$1\""
    window_id "$1"
}

# Sets win_x, win_y, win_w, win_h: the window's client area on the screen.
geometry() {
    local info
    [ -n "$1" ] || fail "no window to measure"
    info=$(xwininfo -id "$1")
    win_x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    win_y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    win_w=$(awk '/Width:/ {print $2}' <<<"$info")
    win_h=$(awk '/Height:/ {print $2}' <<<"$info")
}

screenshot() { import -window root "$session_dir/screen.png"; }

# The colour at client pixel x, y of the window measured last, as RRGGBB,
# from the last screenshot.
pixel() {
    convert "$session_dir/screen.png" -format "%[hex:u.p{$((win_x + $1)),$((win_y + $2))}]" info: | cut -c1-6
}

# Clicks client pixel x, y of the window measured last.
click() {
    xdotool mousemove --sync $((win_x + $1)) $((win_y + $2)) click 1
}

# Polls screenshots until client pixel x, y shows the colour RRGGBB.
pixel_becomes() {
    local x=$1 y=$2 want=$3
    shown() { screenshot && [ "$(pixel "$x" "$y")" = "$want" ]; }
    wait_for "${4:-15}" shown || fail "pixel $x,$y is $(pixel "$x" "$y"), not $want"
}
