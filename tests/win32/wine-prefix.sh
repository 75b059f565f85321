#!/usr/bin/env bash
# Makes the private Wine prefix that the Wine tests share, once: Wine's first
# start in a new prefix is slow, so it is done here, bounded, before them.
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A game or server left behind by a run cut short would keep the wait at the
# end from ever returning.
[ -d "$WINEPREFIX" ] && { timeout 20 wineserver -k 2>/dev/null || true; }
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    # wineboot wants no display; DISPLAY is cleared so no dialog can wait for one.
    DISPLAY= timeout 300 wineboot -i
    echo "prefix made: $WINEPREFIX"
fi
# No window manager runs on the tests' X display: Wine manages and frames the
# windows itself, rather than wait for a manager to map and unmap them.
if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    DISPLAY= timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
fi
timeout 60 wineserver -w
test -f "$WINEPREFIX/system.reg"
echo "prefix ready: $WINEPREFIX"
