#!/usr/bin/env bash
# Starts the real game on a private X server with a private D-Bus session and
# accessibility bus, and reads its window from the bus as a screen reader
# does (atspi_tree.py). Every step is bounded by timeout or a deadline.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ "${1:-}" = "--inside" ]; then
    game=$2
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    game_pid=""
    trap 'kill $game_pid $launcher 2>/dev/null || true' EXIT
    # Qt speaks to the bus only when asked to, or when a screen reader runs.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" &
    game_pid=$!
    # Debian's python with pyatspi, not whatever python3 comes first on PATH.
    timeout 60 /usr/bin/python3 "$here/atspi_tree.py" "$game_pid" 45
    exit 0
fi

game=${1:?path of the lastrino binary}
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
timeout 90 xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" \
    dbus-run-session -- "$0" --inside "$game"
