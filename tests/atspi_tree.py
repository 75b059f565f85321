# Reads the game window of a running Lastrino from the accessibility bus, as
# a screen reader does, and compares every object's role, name, description
# and states with tests/atspi_tree.txt.
#
# Usage: /usr/bin/python3 atspi_tree.py PID SECONDS EXPECTED (Debian's python3-pyatspi).
# It polls against the one deadline, running the bus's events meanwhile as a
# screen reader does: the programs and names that come and go reach pyatspi's
# caches only through them. Exits 1 with the reason on failure.
import difflib
import sys
import time

import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
deadline = time.monotonic() + float(sys.argv[2])


def poll(what, find):
    # Calls find() until it gives something, or fails at the deadline.
    last = None
    while time.monotonic() < deadline:
        try:
            if found := find():
                return found
        except Exception as e:  # the bus answers late while the program starts
            last = e
        for _ in range(20):
            if not GLib.MainContext.default().iteration(False):
                time.sleep(0.01)
    sys.exit(f"FAIL: {what} not found before the deadline ({last})")


def below(node):
    # Every object below `node`, depth first.
    return [n for child in node if child for n in [child, *below(child)]]


def game_window():
    # The objects of the frame "Lastrino!", once its controls are all there.
    frame = next(w for app in pyatspi.Registry.getDesktop(0) if app and app.get_process_id() == pid
                 for w in app if w and w.getRoleName() == "frame" and w.name == "Lastrino!")
    return (tree := below(frame)) and len(tree) >= 40 and tree


tree = poll('the frame "Lastrino!" and its controls', game_window)

# Every object, as tests/atspi_tree.txt writes it out.
STATES = {"showing": pyatspi.STATE_SHOWING, "checked": pyatspi.STATE_CHECKED, "focusable": pyatspi.STATE_FOCUSABLE}
seen = [" | ".join([node.getRoleName(), node.name, node.description, node.parent.name,
                    " ".join(k for k, s in STATES.items() if node.getState().contains(s))]) for node in tree]
expected = [line for line in open(sys.argv[3], encoding="utf-8").read().splitlines() if not line.startswith("#")]
if seen != expected:
    sys.exit("FAIL: the tree differs:\n" + "\n".join(difflib.unified_diff(expected, seen, "expected", "seen", lineterm="")))
print(f"ok: the {len(tree)} accessible objects of the game window")
