#!/usr/bin/env python3
# Compares both windows, as a front end shows them, with tests/design.txt,
# the windows as designed. The front end's player (see transcript.py) answers
# "look" with each loaded window and its controls in that table's columns,
# but for places in pixels at 96 dpi, and fonts as drawn: Liberation Sans for
# "MS Sans Serif", Comic Neue for "Comic Sans MS", sized in pixels. A "-" in
# the table leaves a column unchecked, but for the tooltip, where it is none;
# the tab order is the keyboard transcript's to check.
#     designed.py [--dpi N] [--unread NAME,...] PLAYER [ARG...]
# --dpi: places and fonts for a screen of N dots per inch (each edge rounded);
# --unread: the columns (by the table's heading) or controls the player
# cannot read, left to the front end's own tests.
import sys

import transcript

FACES = {"MS Sans Serif": "Liberation Sans", "Comic Sans MS": "Comic Neue"}
TABLE = (transcript.HERE / "design.txt").read_text(encoding="utf-8").splitlines()
HEADING = [f.strip() for f in next(line for line in TABLE if line.startswith("# window"))[2:].split("|")]
# Looked at once loaded, and once won (the players' test builds deal in order).
SESSION = ["look", "start", "click 28", "click 32", "help", "look"]


def drawn(row, parent, dpi):
    # A row of the table as the front end should show it, placed from its
    # parent's corner (a frame's, or the window's).
    px = lambda twips: (twips * dpi + 720) // 1440
    x, y = (int(parent[3]), int(parent[4])) if parent else (0, 0)
    left, top, width, height = (int(t) for t in row[3:7])
    row[3:7] = [str(n) for n in (px(x + left) - px(x), px(y + top) - px(y), px(x + left + width) - px(x + left),
                                 px(y + top + height) - px(y + top))]
    if row[10] != "-":
        face, points, weight = row[10].split("/")
        row[10] = f"{FACES[face]}/{int(float(points) * dpi / 72 + 0.5)}/{weight}"
    return row


def designed(dpi=96):
    rows = [[f.strip() for f in line.split("|")] for line in TABLE if line.startswith("frm")]
    # The 32 cells, which the table describes in words.
    rows += [["frmgioco", f"cmd{n}", "-", str(480 + 600 * ((n - 1) % 4)), str(1680 + 600 * ((n - 1) // 4)), "615",
              "615", str(n) if n < 32 else "-", "-", "-", "MS Sans Serif/18/400", "-", "1", "-"] for n in range(1, 33)]
    parents = {(r[0], r[1]): list(r) for r in rows}
    return [drawn(row, parents.get((row[0], row[2])), dpi) for row in rows]


def problems(printed, dpi=96, unread=()):
    # What the player printed for SESSION unlike the design.
    looked = {}  # each window as first seen: the game window before the game
    for f in ([f.strip() for f in line.split("|")] for line in printed if line.startswith("frm")):
        looked.setdefault(tuple(f[:2]), f)
    found = []
    for want in designed(dpi):
        if want[1] in unread:
            continue
        got = looked.get(tuple(want[:2]))
        if got is None:
            found.append(f"{want[0]} {want[1]}: not shown")
            continue
        for column, (w, g) in enumerate(zip(want[2:13], got[2:13]), start=2):
            if g != w and (w != "-" or column == 11) and HEADING[column] not in unread:
                found.append(f"{want[0]} {want[1]} column {column + 1}: shows {g!r}, designed {w!r}")
    return found


def main():
    args, options = sys.argv[1:], {"--dpi": "96", "--unread": ""}
    while args[0] in options:
        options[args[0]] = args[1]
        args = args[2:]
    printed, ending = transcript.play(args, SESSION)
    found = problems(printed, int(options["--dpi"]), options["--unread"].split(",")) + ending
    print("\n".join(found) or "ok: both windows as designed")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
