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
# "close" (the game window's title bar).
#
# The real windows are played through a player (an adapter of the same
# protocol) that clicks their controls and reads them back. They show less than
# the driver, so for them a transcript of tests/games is read with these
# differences:
# - a command the driver refuses is left out: a hidden or disabled control
#   cannot be clicked, and the windows have nothing to refuse;
# - "event help-shown" is not printed: Help's being shown is read by "show";
# - "show" leaves out partita, atempo and timer, which no window shows, and
#   while an end window is open the focus is on its "Sì" (cmdsi);
# - the commands come with their words one space apart.
#
#     transcript.py driver|windows PLAYER [ARG...]
# starts the player once per transcript, with the commands on its standard
# input, and wants it to end with status 0.
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
HIDDEN = ("partita ", "atempo ", "timer ")


def transcripts(kind):
    dirs = ["games", "driver" if kind == "driver" else "windowed"]
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
    for path in transcripts(kind):
        commands, expected = session(path, kind == "windows")
        printed, ending = play(player, commands)
        problems = differences(printed, expected) + ending
        print(("FAIL " if problems else "ok   ") + path.name, *problems, sep="\n    ")
        failed |= bool(problems)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
