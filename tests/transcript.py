#!/usr/bin/env python3
# Plays the game's transcripts on a front end and compares what it prints.
#
# A transcript is a session in the text driver's protocol: a line "> TEXT" is a
# command ("\t" and "\r" stand for a tab and a carriage return), a line
# "< TEXT" the next line the front end must print, where a final "*" stands for
# any rest of the line; other lines are notes. Those in tests/games/ are played
# on every front end, those in tests/driver/ on the driver alone, and those in
# tests/windowed/ on the windows alone, with three more commands: "key K" (a
# key pressed where the focus is: Tab, Shift+Tab, Left, Right, Space, Return,
# Enter on the keypad, or Alt and a letter), "focus" (prints "focus NAME") and
# "close" (the game window's title bar); those in tests/win32/ on Windows alone,
# with "double NAME" (a quick second click).
#
# The real windows are played through a player (an adapter of the same
# protocol) that clicks their controls and reads them back. A player answers
# the driver's commands, but "show" as it answers "look": it prints every
# loaded window, the game window first, as rows in the
# columns of tests/design.txt (see designed.py) followed by five more: what a
# screen reader calls the control, how it describes it, and 1 or 0 for
# enabled, checked and having the focus; then "looked". Lines that are not rows
# (the page's "timer") join the "show" made from them here.
#
# The windows show less than the driver, so for them a transcript of
# tests/games is read with these differences:
# - a command the driver refuses is left out: a hidden or disabled control
#   cannot be clicked, and the windows have nothing to refuse;
# - "event help-shown" is not printed: Help's being shown is read by "show";
# - "show" leaves out partita, atempo and timer, which no window shows, and
#   while an end window is open the focus is on its "Sì" (cmdsi);
# - the commands come with their words one space apart.
#
#     transcript.py driver|windows|win32 PLAYER [ARG...]
# starts the player once per transcript, with the commands on its standard
# input, and wants it to end with status 0.
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
HIDDEN = ("partita ", "atempo ", "timer ")
FACES = {"0xFF8080": "B", "0x00FFFF": "Y", "0x8000000F": "E"}


def transcripts(kind):
    dirs = ["games", *{"driver": ["driver"], "windows": ["windowed"], "win32": ["windowed", "win32"]}[kind]]
    return sorted(p for d in dirs for p in (HERE / d).glob("*.txt"))


def session(path, windows, hidden=HIDDEN):
    # The commands to send and the lines to expect, for the driver or the windows.
    steps = []
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if line.startswith(">"):
            steps.append([line[2:].replace("\\t", "\t").replace("\\r", "\r"), []])
        elif line.startswith("< "):
            steps[-1][1].append(line[2:])
    if not windows or Path(path).parent.name != "games":
        return [c for c, _ in steps], [e for _, out in steps for e in out]
    commands, expected = [], []
    for command, out in steps:
        words = command.split()
        if not words or words[0].startswith("#") or any(e.startswith("error") for e in out):
            continue
        commands.append(" ".join(words))
        out = [e for e in out if e != "event help-shown" and not e.startswith(hidden)]
        if any(e.startswith("end-window ") and e != "end-window -" for e in out):
            out = [re.sub(r"^focus .*", "focus cmdsi", e) for e in out]
        expected += out
    return commands, expected


def differences(printed, expected):
    # What the front end printed unlike the transcript, line by line.
    problems = []
    for i, (got, want) in enumerate(zip(printed, expected)):
        if not (got == want or want.endswith("*") and got.startswith(want[:-1])):
            problems.append(f"line {i + 1}: printed {got!r}, expected {want!r}")
    if len(printed) != len(expected):
        problems.append(f"printed {len(printed)} lines, expected {len(expected)}: the rest {printed[len(expected):]}")
    return problems


def shown(lines):
    # What "show" prints, from a look: a cell is its caption and
    # face, and "?" if it is not named and placed for a screen reader as its
    # caption says; the lines that are not rows follow the options.
    rows = [line.split(" | ") for line in lines if line.startswith("frm")]
    game, end = ({r[1]: r for r in rows if r[0] == form} for form in ("frmgioco", "frmscelta"))
    text = lambda r: "" if r[7] == "-" else r[7]
    place = lambda n: f"riga {(n - 1) // 4 + 1}, colonna {(n - 1) % 4 + 1}"
    board = [(text(r) or "_") + FACES.get(r[8], "#" + r[8]) + ("" if r[13:15] == [text(r) or "vuota", place(n)] else "?")
             for n, r in ((n, game[f"cmd{n}"]) for n in range(1, 33))]
    options = game["optsi"]
    return ["board " + " ".join(board), "moves " + text(game["lblcont"]), "clock " + text(game["lbltime"]),
            f"options {'si' if options[16] == '1' else 'no'} {'enabled' if options[15] == '1' else 'disabled'}",
            *(line for line in lines if not line.startswith("frm")),
            "help " + ("shown" if game["cmdaiuto"][12] == "1" else "hidden"), "tooltip " + game["cmdcomincia"][13],
            "focus " + next((r[1] for r in rows if r[17] == "1"), "-"), "end-window " + (text(end["lblmess"]) if end else "-")]


def seen(commands, printed):
    # What a player of the windows printed for the commands, each look made
    # into what the command that asked for it prints.
    asked, out, look = iter(c for c in commands if c in ("show", "look")), [], []
    for line in printed:
        if line == "looked":
            out += look if next(asked) == "look" else shown(look)
            look = []
        else:
            (out if line.startswith(("event ", "focus ")) else look).append(line)
    return out + look


def play(player, commands):
    # What the player printed for the commands, and a problem if it did not end well.
    try:
        run = subprocess.run(player, input="".join(c + "\n" for c in commands), capture_output=True, text=True,
                             timeout=300)
    except subprocess.TimeoutExpired as hung:
        return (hung.stdout or b"").decode().splitlines(), [f"no end in 300 s: {(hung.stderr or b'').decode().strip()}"]
    return run.stdout.splitlines(), [f"ended with status {run.returncode}: {run.stderr.strip()}"] * (run.returncode != 0)


def main():
    kind, player = sys.argv[1], sys.argv[2:]
    failed = False
    windows = kind != "driver"
    for path in transcripts(kind):
        commands, expected = session(path, windows)
        printed, ending = play(player, commands)
        problems = differences(seen(commands, printed) if windows else printed, expected) + ending
        print(("FAIL " if problems else "ok   ") + path.name, *problems, sep="\n    ")
        failed |= bool(problems)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
