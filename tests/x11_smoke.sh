#!/usr/bin/env bash
# Starts the real game on a private X server and checks that a window titled
# "Lastrino!" maps with a 369 x 474 client area. Bounded: 30 s at most.
set -euo pipefail
game=${1:?path of the lastrino binary}
export -n WAYLAND_DISPLAY QT_QPA_PLATFORM 2>/dev/null || true
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

check() {
    local game=$1
    "$game" &
    local pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    local info="" i
    # Poll for the window, at most 10 s.
    for i in $(seq 100); do
        info=$(xwininfo -name 'Lastrino!' 2>/dev/null) && break
        sleep 0.1
    done
    if [ -z "$info" ]; then echo "no window titled Lastrino! appeared"; exit 1; fi
    echo "$info"
    grep -q 'Map State: IsViewable' <<<"$info" || { echo "not mapped"; exit 1; }
    grep -q 'Width: 369$' <<<"$info" || { echo "wrong width"; exit 1; }
    grep -q 'Height: 474$' <<<"$info" || { echo "wrong height"; exit 1; }
    local id
    id=$(awk '/Window id:/ {print $4; exit}' <<<"$info")
    local hints
    hints=$(xprop -id "$id" WM_NORMAL_HINTS _NET_WM_NAME)
    echo "$hints"
    grep -q 'minimum size: 369 by 474' <<<"$hints" || { echo "not fixed in size"; exit 1; }
    grep -q 'maximum size: 369 by 474' <<<"$hints" || { echo "not fixed in size"; exit 1; }
    grep -q '_NET_WM_NAME(UTF8_STRING) = "Lastrino!"' <<<"$hints" || { echo "wrong title"; exit 1; }
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    trap - EXIT
    echo "ok"
}

if [ "${1:-}" = "--inside" ]; then
    check "$2"
    exit 0
fi
exec timeout 30 xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$0" --inside "$game"
