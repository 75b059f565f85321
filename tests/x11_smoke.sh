#!/usr/bin/env bash
# Starts the real game on private X servers and checks that a window titled
# "Lastrino!" maps with a fixed 369 x 474 client area, centred on the screen
# even where the screen is smaller than the window (no clamping), and that a
# click on Esci ends it with status 0. Each run is bounded by timeout.
set -euo pipefail
game=${1:?path of the lastrino binary}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

# Screen W x H, window 369 x 474 (no window manager: no frame), halved in
# twips and rounded to whole pixels, half away from zero.
expected_corner() {
    awk -v w="$1" -v h="$2" 'function r(x) { return x < 0 ? -int(-x + 0.5) : int(x + 0.5) }
        BEGIN { print r((w - 369) * 15 / 2 / 15), r((h - 474) * 15 / 2 / 15) }'
}

inside() {
    local game=$1 want_x=$2 want_y=$3
    "$game" &
    local pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    local info="" _
    # The window exists (and has its title) a moment before it is mapped:
    # wait for the map, at most 10 s.
    for _ in $(seq 100); do
        info=$(xwininfo -name 'Lastrino!' 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info" && break
        sleep 0.1
    done
    [ -n "$info" ] || { echo "no window titled Lastrino! appeared"; exit 1; }
    echo "$info"
    grep -q 'Map State: IsViewable' <<<"$info" || { echo "not mapped"; exit 1; }
    grep -q 'Width: 369$' <<<"$info" || { echo "wrong width"; exit 1; }
    grep -q 'Height: 474$' <<<"$info" || { echo "wrong height"; exit 1; }
    grep -q "Absolute upper-left X:  $want_x\$" <<<"$info" || { echo "left is not $want_x"; exit 1; }
    grep -q "Absolute upper-left Y:  $want_y\$" <<<"$info" || { echo "top is not $want_y"; exit 1; }
    local id hints
    id=$(awk '/Window id:/ {print $4; exit}' <<<"$info")
    hints=$(xprop -id "$id" WM_NORMAL_HINTS _NET_WM_NAME)
    echo "$hints"
    grep -q 'minimum size: 369 by 474' <<<"$hints" || { echo "not fixed in size"; exit 1; }
    grep -q 'maximum size: 369 by 474' <<<"$hints" || { echo "not fixed in size"; exit 1; }
    grep -q '_NET_WM_NAME(UTF8_STRING) = "Lastrino!"' <<<"$hints" || { echo "wrong title"; exit 1; }
    # Esci ends the program at once, with status 0 (where the window is on the screen).
    if [ "$want_y" -lt 0 ]; then
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    else
        xdotool mousemove --window "$id" 332 380 click 1
        local status=0
        wait "$pid" || status=$?
        [ "$status" = 0 ] || { echo "the program ended with status $status"; exit 1; }
    fi
    trap - EXIT
}

if [ "$game" = "--inside" ]; then
    inside "$2" "$3" "$4"
    exit 0
fi

for screen in 800x600 320x240; do
    read -r x y < <(expected_corner "${screen%x*}" "${screen#*x}")
    echo "== screen $screen: expecting the window at $x,$y"
    timeout 30 "$(dirname "$0")/private_x.sh" "$screen" "$0" --inside "$game" "$x" "$y"
done
echo ok
