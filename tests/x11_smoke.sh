#!/usr/bin/env bash
# Starts the real game on private X servers and checks that a window titled
# "Lastrino!" maps with a fixed 369 x 474 client area, centred on the screen
# even where the screen is smaller than the window (no clamping), and that a
# click on Esci ends it with status 0.
set -euo pipefail
game=${1:?path of the lastrino binary}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

# Waits up to 10 s for a condition.
wait_for() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }

for screen in 800x600 320x240; do
    w=${screen%x*} h=${screen#*x}
    # Halved in twips and rounded to whole pixels, half away from zero (no
    # window manager, so no frame).
    read -r want_x want_y < <(awk -v w="$w" -v h="$h" 'function r(x) { return x < 0 ? -int(-x + 0.5) : int(x + 0.5) }
        BEGIN { print r((w - 369) * 15 / 2 / 15), r((h - 474) * 15 / 2 / 15) }')
    echo "== screen $screen: expecting the window at $want_x,$want_y"
    # Xvfb picks a free display itself and tells which.
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    pids+=($!)
    wait_for test -s "$work/display" || { echo "Xvfb did not start"; exit 1; }
    export DISPLAY=":$(cat "$work/display")"
    "$game" &
    pid=$!
    pids+=("$pid")
    # The window exists (and has its title) a moment before it is mapped.
    info=""
    mapped() { info=$(xwininfo -name 'Lastrino!' 2>/dev/null) && grep -q 'Map State: IsViewable' <<<"$info"; }
    wait_for mapped || { echo "no window titled Lastrino! was mapped"; exit 1; }
    echo "$info"
    grep -q 'Width: 369$' <<<"$info" || { echo "wrong width"; exit 1; }
    grep -q 'Height: 474$' <<<"$info" || { echo "wrong height"; exit 1; }
    grep -q "Absolute upper-left X:  $want_x\$" <<<"$info" || { echo "left is not $want_x"; exit 1; }
    grep -q "Absolute upper-left Y:  $want_y\$" <<<"$info" || { echo "top is not $want_y"; exit 1; }
    id=$(awk '/Window id:/ {print $4; exit}' <<<"$info")
    hints=$(xprop -id "$id" WM_NORMAL_HINTS _NET_WM_NAME)
    echo "$hints"
    grep -q 'minimum size: 369 by 474' <<<"$hints" || { echo "not fixed in size"; exit 1; }
    grep -q 'maximum size: 369 by 474' <<<"$hints" || { echo "not fixed in size"; exit 1; }
    grep -q '_NET_WM_NAME(UTF8_STRING) = "Lastrino!"' <<<"$hints" || { echo "wrong title"; exit 1; }

    # Esci ends the program at once, with status 0 (on the screen it fits on).
    if [ "$want_y" -lt 0 ]; then kill "${pids[@]}"; wait "$pid" 2>/dev/null || true; pids=(); continue; fi
    xdotool mousemove --window "$id" 332 380 click 1
    wait_for eval '! kill -0 "$pid" 2>/dev/null' || { echo "Esci did not end the program"; exit 1; }
    status=0
    wait "$pid" || status=$?
    [ "$status" = 0 ] || { echo "the program ended with status $status"; exit 1; }
    kill "${pids[0]}"
    pids=()
done
echo ok
