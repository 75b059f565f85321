#!/usr/bin/env bash
# Makes the private Wine prefix that the Wine tests share, once: Wine's first
# start in a new prefix is slow, so it is done here, bounded, before them.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$WINEPREFIX/system.reg" ]; then
    echo "prefix ready: $WINEPREFIX"
    exit 0
fi
mkdir -p "$WINEPREFIX"
# wineboot wants no display; DISPLAY is cleared so no dialog can wait for one.
DISPLAY= timeout 300 wineboot -i
timeout 60 wineserver -w
test -f "$WINEPREFIX/system.reg"
echo "prefix made: $WINEPREFIX"
