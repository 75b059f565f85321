#!/usr/bin/env bash
# Starts the real game on a private X server and checks that a window titled
# "Lastrino!" maps with a fixed 369 x 474 client area, and that a click on
# Esci ends it with status 0. Bounded by timeout.
set -euo pipefail
game=${1:?path of the lastrino binary}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

if [ "$game" = "--inside" ]; then
    "$2" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    # The window exists (and has its title) a moment before it is mapped.
    until info=$(xwininfo -name 'Lastrino!' 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info"; do
        sleep 0.1
    done
    echo "$info"
    id=$(awk '/Window id:/ {print $4; exit}' <<<"$info")
    hints=$(xprop -id "$id" WM_NORMAL_HINTS _NET_WM_NAME)
    echo "$hints"
    for want in 'Width: 369' 'Height: 474' 'minimum size: 369 by 474' 'maximum size: 369 by 474' \
        '_NET_WM_NAME(UTF8_STRING) = "Lastrino!"'; do
        grep -q "$want" <<<"$info"$'\n'"$hints" || { echo "FAIL: no \"$want\""; exit 1; }
    done
    xdotool mousemove --window "$id" 332 380 click 1
    status=0
    wait "$pid" || status=$?
    trap - EXIT
    [ "$status" = 0 ] || { echo "FAIL: the program ended with status $status"; exit 1; }
    echo ok
    exit 0
fi
timeout 30 "$(dirname "$0")/private_x.sh" 800x600 "$0" --inside "$game"
