#!/usr/bin/env bash
# Runs a command on an X server of its own: Xvfb picks a free display and
# reports it (-displayfd), so tests run side by side never share one, as
# xvfb-run -a can when two start at once. The server goes with the command.
#   private_x.sh WIDTHxHEIGHT COMMAND...
set -euo pipefail
screen=$1
shift
exec {fd}< <(exec Xvfb -displayfd 1 -screen 0 "${screen}x24" -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
read -r -t 30 -u "$fd" display || { echo "Xvfb did not start"; exit 1; }
DISPLAY=":$display" "$@"
