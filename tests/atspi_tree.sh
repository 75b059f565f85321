#!/usr/bin/env bash
# Starts the real game on a private X server with a private D-Bus session and
# accessibility bus, as a screen reader finds it: the bus says a screen reader
# is on before the game starts, and nothing else asks Qt to serve the bus.
# Then reads its window from the bus (atspi_tree.py), and clicks Esci. Every
# step is bounded by timeout or a deadline.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ "${1:-}" = "--inside" ]; then
    game=$2
    # Without the display, the launcher leaves no bus address on the root
    # window, from which Qt would serve the bus whether a screen reader runs
    # or not: the game has only the bus's word to go by.
    env -u DISPLAY /usr/libexec/at-spi-bus-launcher &
    launcher=$!
    game_pid=""
    trap 'kill $game_pid $launcher 2>/dev/null || true' EXIT
    # Asked of the bus itself, which starts nothing: a call to the launcher's
    # name before it has taken it would have the bus start a second one.
    timeout 30 sh -c 'until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"; do sleep 0.1; done' ||
        { echo "FAIL: the accessibility bus did not start"; exit 1; }
    # What a screen reader does at its start; Qt reads it when it starts.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
        string:ScreenReaderEnabled variant:boolean:true >/dev/null
    "$game" &
    game_pid=$!
    # Debian's python with pyatspi, not whatever python3 comes first on PATH.
    timeout 60 /usr/bin/python3 "$here/atspi_tree.py" "$game_pid" 45 "$here/atspi_tree.txt"
    # A click on Esci, as the X server delivers it, ends the program with status 0.
    id=$(xdotool search --onlyvisible --name '^Lastrino!$' | head -n1)
    xdotool mousemove --window "$id" 332 380 click 1
    timeout 10 tail --pid="$game_pid" -f /dev/null || { echo "FAIL: still running after Esci"; exit 1; }
    wait "$game_pid" || { echo "FAIL: after Esci the program ended with status $?"; exit 1; }
    echo "ok: Esci ends it"
    exit 0
fi

game=${1:?path of the lastrino binary}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
timeout 90 "$here/private_x.sh" 800x600 dbus-run-session -- "$0" --inside "$game"
