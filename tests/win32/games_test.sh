#!/usr/bin/env bash
# The transcripts of tests/games and tests/windowed played on the Windows game: each on a fresh
# test build, through the inspector.
#   games_test.sh BUILD_DIR            all of them, on one display
#   games_test.sh BUILD_DIR --player   one game, its commands on stdin (transcript.py's player)
here=$(cd "$(dirname "$0")" && pwd)
build=$1
source "$here/session.sh"

if [ "${2:-}" = --player ]; then
    # The display and Wine's server are the whole run's: only the game goes,
    # and its windows with it, before the next one starts.
    trap 'kill "$game_pid" 2>/dev/null || true; wait; inspect gone >&2; rm -rf "$session_dir"' EXIT
    start_game lastrino-scripted.exe
    { echo wait; cat; } | inspector
    exit
fi
set_dpi 96
/usr/bin/python3 "$here/../transcript.py" windows "$0" "$build" --player
