# Reads the game window of a running Lastrino from the accessibility bus, as
# a screen reader does, and checks that every control is there by its name,
# role and state.
#
# Usage: /usr/bin/python3 atspi_tree.py PID SECONDS (Debian's python3-pyatspi).
# Every wait polls against the one deadline, running the bus's events meanwhile
# as a screen reader does; exits 1 with the reason on failure.
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


def by_name(tree, role, name):
    nodes = [n for r, nm, n in tree if r == role and nm == name]
    if len(nodes) != 1:
        fail(f"{len(nodes)} {role} named {name!r}; the tree has {sorted((r, nm) for r, nm, _ in tree)}")
    return nodes[0]


frame = poll('the frame "Lastrino!"', game_frame)
tree = poll("the controls of the game window", lambda: (t := controls(frame)) and len(t) >= 40 and t)

# Each cell is named by its tile and says where it stands, counted from 1.
for n in range(1, 33):
    cell = by_name(tree, "push button", str(n) if n < 32 else "vuota")
    place = f"riga {(n - 1) // 4 + 1}, colonna {(n - 1) % 4 + 1}"
    if cell.description != place:
        fail(f"cell {n} says {cell.description!r}, not {place!r}")
for name in ("Comincia", "Esci", "Soluzione"):
    by_name(tree, "push button", name)
help_button = by_name(tree, "push button", "Aiuto!")
if help_button.getState().contains(pyatspi.STATE_SHOWING):
    fail("Help shows at load")
no = by_name(tree, "radio button", "No")
si = by_name(tree, "radio button", "Sì")
if not no.getState().contains(pyatspi.STATE_CHECKED) or si.getState().contains(pyatspi.STATE_CHECKED):
    fail('"No" is not the checked option at load')
counter = by_name(tree, "label", "0")
clock = by_name(tree, "label", "00:00")
if (counter.description, clock.description) != ("Mosse", "Tempo"):
    fail(f"the counter and the clock say {counter.description!r} and {clock.description!r}")
by_name(tree, "panel", "Mosse")
if clock.parent.name != "Tempo" or clock.parent.getRoleName() != "panel":
    fail(f"the clock sits in {clock.parent.getRoleName()} {clock.parent.name!r}")
by_name(tree, "image", "Lastrino!")
by_name(tree, "image", "Tessere")
# Whatever the keyboard reaches has a name.
for role, name, node in tree:
    if node.getState().contains(pyatspi.STATE_FOCUSABLE) and not name:
        fail(f"a focusable {role} has no name")

print(f"ok: {len(tree)} accessible objects in the game window")
