# Reads the game window of a running Lastrino from the accessibility bus, as
# a screen reader does, and compares every object's role, name, description
# and states with tests/atspi_tree.txt.
#
# Usage: /usr/bin/python3 atspi_tree.py PID SECONDS EXPECTED (Debian's python3-pyatspi).
# Every wait polls against the one deadline, running the bus's events meanwhile
# as a screen reader does; exits 1 with the reason on failure.
import difflib
import sys
import time

import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
deadline = time.monotonic() + float(sys.argv[2])


def fail(reason):
    print("FAIL:", reason)
    sys.exit(1)


def pump(seconds):
    # Runs the bus's events for a while: the programs and names that come
    # and go reach pyatspi's caches only through them.
    context = GLib.MainContext.default()
    end = min(deadline, time.monotonic() + seconds)
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def poll(what, find):
    # Calls find() until it gives something, or fails at the deadline.
    last = None
    while time.monotonic() < deadline:
        try:
            found = find()
            if found:
                return found
        except Exception as e:  # the bus answers late while the program starts
            last = e
        pump(0.2)
    fail(f"{what} not found before the deadline ({last})")


def game_frame():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None or app.get_process_id() != pid:
            continue
        for j in range(app.childCount):
            w = app.getChildAtIndex(j)
            if w is not None and w.getRoleName() == "frame" and w.name == "Lastrino!":
                return w
    return None


def controls(node, depth=0):
    # (role, name, node) of every node below `node`.
    out = []
    if depth > 10:
        return out
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        out.append((child.getRoleName(), child.name, child))
        out.extend(controls(child, depth + 1))
    return out


frame = poll('the frame "Lastrino!"', game_frame)
tree = poll("the controls of the game window", lambda: (t := controls(frame)) and len(t) >= 40 and t)

# Every object, as tests/atspi_tree.txt writes it out.
STATES = {"showing": pyatspi.STATE_SHOWING, "checked": pyatspi.STATE_CHECKED, "focusable": pyatspi.STATE_FOCUSABLE}
seen = [" | ".join([role, name, node.description, node.parent.name,
                    " ".join(k for k, s in STATES.items() if node.getState().contains(s))])
        for role, name, node in tree]
expected = [line for line in open(sys.argv[3], encoding="utf-8").read().splitlines() if not line.startswith("#")]
if seen != expected:
    fail("the tree differs:\n" + "\n".join(difflib.unified_diff(expected, seen, "expected", "seen", lineterm="")))
print(f"ok: the {len(tree)} accessible objects of the game window")
