#!/usr/bin/env python3
"""Desktop benchmarks of the game's window against a bare Qt form.

Runs everything under a private Xvfb display and compares the game
(build/bin/lastrino) with bare_form, a Qt Widgets form with the same widgets
and no game in it, run by run, interleaved, reporting medians and the ratio
game / bare form:

  first paint   from the exec of the program to its window titled as the
                game window ("Lastrino!", the bare form's title too) being
                mapped, and then painted: paint_probe watches the display for
                every top-level window's creation, gives it an X DAMAGE object,
                and reports the map of the window with that title and its first
                damage, that is the first time the program drew into it once
                mapped (Qt leaves the server no background to paint)
  RSS           peak (VmHWM) and settled (VmRSS about 3 s after the paint),
                from /proc/PID/status
  wakeups/s     voluntary context switches of every thread of the process
                (/proc/PID/task/*/status, threads started meanwhile included)
                over an idle period, divided by its length: a thread switches
                out voluntarily when it goes to sleep, and each sleep ends in
                one wakeup. Involuntary switches are left out: they are
                preemptions of a thread already awake, and count how busy the
                machine is, not how often the program wakes

Modes measured in one run: the window just shown; the game with an untimed
game started and left alone (0 wakeups/s is the target); and a timed game
left running against the bare form with a 1 s QTimer that rewrites a label.
The game is driven with xdotool clicks at the middle of "Sì" and Start, whose
places click_points prints from the window's design table; then the pointer
is moved off the window, as a player leaves a game alone (a pointer resting
on Start would show its tooltip, whose timers are Qt's).

Every program gets the same private X display and a private D-Bus session
bus, as on a desktop: Qt's accessibility bridge connects to it in both.

"clock" mode starts a timed game, lets it run for real time, and reads the
clock label through the accessibility bus (AT-SPI, with Debian's
python3-pyatspi), so the game needs no hook of its own; without pyatspi it
says so and skips.

"soak" mode plays N games in the game's own windows (bench/soak.cpp: the
deal scripted, the winning clicks and "Sì" posted as mouse events) and
prints its RSS, heap in use, top-level widgets and objects every 10 games;
with --screen-reader, the bus says a screen reader runs, and Qt serves it.

"memory" mode starts the game, the bare form and the bare form's window with
no widget in it (what any Qt Widgets window costs), lets each settle, and
breaks its resident memory down by what is mapped (/proc/PID/smaps): the Qt
libraries and plugins, the other libraries, fonts, the X server's shared
memory (the window's backing store), the heap and the rest.

Python 3 standard library only; called by scripts/bench.
"""
import argparse
import glob
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import time


def die(message):
    print(f"bench: {message}", file=sys.stderr)
    sys.exit(1)


class Display:
    """A private Xvfb server, gone when the harness ends."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            number = f.readline().strip()
        if not number:
            die("Xvfb did not start")
        self.name = f":{number}"

    def close(self):
        self.server.terminate()
        try:
            self.server.wait(5)
        except subprocess.TimeoutExpired:
            self.server.kill()


class SessionBus:
    """A private D-Bus session bus, as every desktop session has one, gone
    when the harness ends. Without it, Qt's accessibility bridge would have
    libdbus autolaunch a bus of its own on the display: the first program
    started would pay for it, and the bus would outlive the harness."""

    def __init__(self):
        self.daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self.daemon.stdout.readline().strip()
        if not self.address:
            die("dbus-daemon did not start")

    def close(self):
        self.daemon.terminate()
        try:
            self.daemon.wait(5)
        except subprocess.TimeoutExpired:
            self.daemon.kill()


class Program:
    """One program under test on the display, with its first paint timed."""

    def __init__(self, argv, env, probe, title, deadline=30):
        # Only the window with the game window's title counts (the bare form has the same one).
        watcher = subprocess.Popen([probe, str(deadline), title], env=env, stdout=subprocess.PIPE, text=True)
        ready = watcher.stdout.readline()
        if not ready.startswith("ready"):
            watcher.kill()
            die("paint_probe did not start")
        start = time.monotonic()  # the same clock as paint_probe's
        self.process = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.pid = self.process.pid
        try:
            out, _ = watcher.communicate(timeout=deadline + 5)
        except subprocess.TimeoutExpired:
            watcher.kill()
            out = ""
        events = {m[0]: (float(m[1]), m[2]) for m in re.findall(r"^(map|paint) (\S+) (\S+)$", out, re.M)}
        if "paint" not in events:
            self.stop()
            die(f"{argv[0]}: no window titled {title} was mapped and painted within {deadline} s")
        self.map_ms = (events["map"][0] - start) * 1000
        self.paint_ms = (events["paint"][0] - start) * 1000
        self.window = events["paint"][1]

    def status(self, key):
        with open(f"/proc/{self.pid}/status") as f:
            for line in f:
                if line.startswith(key + ":"):
                    return int(line.split()[1])
        return 0

    def switches(self):
        total = 0
        for path in glob.glob(f"/proc/{self.pid}/task/*/status"):
            try:
                with open(path) as f:
                    for line in f:
                        if line.startswith("voluntary_ctxt_switches"):
                            total += int(line.split()[1])
            except FileNotFoundError:  # a thread that ended meanwhile
                pass
        return total

    def wakeups_per_second(self, seconds):
        before = self.switches()
        time.sleep(seconds)
        if self.process.poll() is not None:
            die(f"the program under test ended while idle (status {self.process.returncode})")
        return (self.switches() - before) / seconds

    def click(self, env, x, y):
        subprocess.run(["xdotool", "mousemove", "--window", self.window, str(x), str(y), "click", "1"],
                       env=env, check=True, timeout=10)

    def park_pointer(self, env):
        """The pointer off the window, as a player leaves the game alone: a
        pointer resting on a button would show its tooltip, whose timers are
        Qt's and not the game's."""
        subprocess.run(["xdotool", "mousemove", "0", "0"], env=env, check=True, timeout=10)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def click_points(tool):
    """The game window's title ("title") and where to click its controls."""
    out = subprocess.run([tool], capture_output=True, text=True, check=True).stdout
    points = {}
    for line in out.splitlines():
        name, rest = line.split(" ", 1)
        points[name] = rest if name == "title" else tuple(int(v) for v in rest.split())
    return points


def start_game(program, env, points, timed, settle):
    """Starts a game; returns the monotonic time just before the click on Start."""
    if timed:
        program.click(env, *points["optsi"])
    clicked = time.monotonic()
    program.click(env, *points["cmdcomincia"])
    program.park_pointer(env)
    time.sleep(settle)
    return clicked


def measure(args, env, tools, points):
    """Interleaved runs; returns {metric: {"bare": [...], "game": [...]}}."""
    results = {}

    def add(metric, who, value):
        results.setdefault(metric, {"bare": [], "game": []})[who].append(value)

    subjects = [("bare", [tools["bare_form"]])]
    if args.game:
        subjects.append(("game", [args.game]))
    for run in range(1, args.runs + 1):
        print(f"run {run}/{args.runs}", file=sys.stderr)
        for who, argv in subjects:
            p = Program(argv, env, tools["paint_probe"], points["title"])
            try:
                add("map (ms)", who, p.map_ms)
                add("first paint (ms)", who, p.paint_ms)
                time.sleep(args.settle)
                add("peak RSS (KiB)", who, p.status("VmHWM"))
                add("settled RSS (KiB)", who, p.status("VmRSS"))
                add("wakeups/s, window left alone", who, p.wakeups_per_second(args.idle))
                if who == "game":
                    start_game(p, env, points, timed=False, settle=1)
                    add("wakeups/s, untimed game left alone", who, p.wakeups_per_second(args.idle))
            finally:
                p.stop()
            # A timed game against the bare form's 1 s timer.
            p = Program(argv + (["--timer"] if who == "bare" else []), env, tools["paint_probe"], points["title"])
            try:
                if who == "game":
                    start_game(p, env, points, timed=True, settle=1)
                else:
                    time.sleep(1)
                add("wakeups/s, timed game running", who, p.wakeups_per_second(args.idle))
            finally:
                p.stop()
    return results


TARGETS = {  # metric: (largest ratio game / bare form, or an absolute limit for the game)
    "first paint (ms)": ("ratio", 1.10),
    "settled RSS (KiB)": ("ratio", 1.05),
    "wakeups/s, untimed game left alone": ("absolute", 0.0),
    "wakeups/s, timed game running": ("ratio", 1.0),
}


def report(results):
    print(f"{'metric':38} {'bare form':>11} {'game':>11} {'game/bare':>10}  target")
    for metric, values in results.items():
        bare = statistics.median(values["bare"]) if values["bare"] else None
        game = statistics.median(values["game"]) if values["game"] else None
        ratio = game / bare if game is not None and bare else None
        target = ""
        if metric in TARGETS and game is not None:
            kind, limit = TARGETS[metric]
            if kind == "ratio":
                if ratio is not None:
                    target = f"<= {limit:.2f}x  {'met' if ratio <= limit else 'MISSED'}"
                elif game <= 0:
                    target = "met (both 0)"
                else:
                    target = "MISSED (bare form is 0)"
            else:
                target = f"= {limit:g}  {'met' if game <= limit else 'MISSED'}"
        fmt = lambda v: "-" if v is None else f"{v:.1f}"  # noqa: E731
        print(f"{metric:38} {fmt(bare):>11} {fmt(game):>11} {fmt(ratio) if ratio is None else f'{ratio:.3f}':>10}  {target}")


ATSPI_READER = r"""
import re, sys
import pyatspi
pid = int(sys.argv[1])
def walk(node, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if node.getRoleName() == "label" and re.fullmatch(r"\d{2,}:\d{2}", node.name or ""):
            return node.name
        for i in range(node.childCount):
            found = walk(node.getChildAtIndex(i), depth + 1)
            if found:
                return found
    except Exception:
        return None
    return None
import time
desktop = pyatspi.Registry.getDesktop(0)
# The registry's first answer can come before it has listed the programs.
for attempt in range(20):
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            text = walk(app)
            if text:
                print(text)
                sys.exit(0)
    time.sleep(0.25)
sys.exit(3)
"""


def clock(args, env, tools, points):
    """Reads the clock label once a minute (and at the end) against the real
    time since the click on Start. A clock of whole seconds that keeps time
    shows N s from N real seconds until N + 1: it reads between 0 and 1 s
    behind, and never more; ahead would be wrong too."""
    system_python = "/usr/bin/python3"
    if subprocess.run([system_python, "-c", "import pyatspi"], capture_output=True).returncode != 0:
        print("clock: skipped: reading the clock label needs the accessibility bus "
              "(Debian's python3-pyatspi and at-spi2-core)")
        return
    env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    argv, who = ([args.game], "game") if args.game else ([tools["bare_form"], "--timer"], "bare form")
    p = Program(argv, env, tools["paint_probe"], points["title"])

    def read():
        r = subprocess.run([system_python, "-c", ATSPI_READER, str(p.pid)], env=env,
                           capture_output=True, text=True, timeout=60)
        return r.stdout.strip() if r.returncode == 0 else None

    try:
        # The bare form's timer runs from its start: real time is counted from its first paint.
        started = start_game(p, env, points, timed=True, settle=0) if args.game else time.monotonic()
        if args.stall:
            stall(p, started, args.stall, read)
            return
        checkpoints = [float(t) for t in range(60, int(args.clock_seconds), 60)] + [args.clock_seconds]
        worst_behind, worst_ahead = 0.0, 0.0
        for checkpoint in checkpoints:
            time.sleep(max(0.0, started + checkpoint - time.monotonic()))
            before = time.monotonic() - started
            text = read()
            after = time.monotonic() - started
            if text is None:
                print(f"clock: skipped: the clock label of the {who} was not found on the accessibility bus")
                return
            minutes, seconds = (int(v) for v in text.split(":"))
            shown = minutes * 60 + seconds
            # The label was read at some moment between the two times.
            behind, ahead = before - shown, shown - after
            worst_behind, worst_ahead = max(worst_behind, behind), max(worst_ahead, ahead)
            print(f"clock ({who}): shows {text} = {shown:4d} s, read between {before:7.2f} s and "
                  f"{after:7.2f} s of real time: behind by {behind:+.2f} to {after - shown:+.2f} s")
        verdict = "kept time" if worst_behind < 1.0 and worst_ahead <= 0.0 else "DID NOT keep time"
        print(f"clock ({who}) over {args.clock_seconds:g} s: at worst {worst_behind:.2f} s behind "
              f"(whole seconds read under 1 s behind) and {max(0.0, worst_ahead):.2f} s ahead: {verdict}")
    finally:
        p.stop()


def stall(p, started, seconds, read):
    """The game process stopped for a while during a timed game, as a closed
    laptop or a debugger would stop it. The clock counts ticks, not time: the
    stop itself may add at most the one tick that comes due when it goes on."""
    time.sleep(max(0.0, started + 3.5 - time.monotonic()))
    t0 = time.monotonic()
    before = read()
    os.kill(p.pid, signal.SIGSTOP)
    stopped = time.monotonic()
    time.sleep(seconds)
    os.kill(p.pid, signal.SIGCONT)
    resumed = time.monotonic()
    after = read()
    running = (stopped - t0) + (time.monotonic() - resumed)

    def secs(text):
        minutes, sec = (int(v) for v in text.split(":"))
        return minutes * 60 + sec
    moved = secs(after) - secs(before)
    print(f"clock stall: {before} before a {seconds:g} s stop, {after} after it: moved {moved} s "
          f"in {running:.2f} s of running time and the stop")


def screen_reader_on(env):
    """Starts the accessibility bus and says a screen reader runs, as one does
    at its start, so that Qt serves the bus; returns the bus's launcher."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher"],
                                env={k: v for k, v in env.items() if k != "DISPLAY"},
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    ask = ["dbus-send", "--session", "--print-reply"]
    for _ in range(100):  # the bus itself answers, and starts nothing
        owner = subprocess.run(ask + ["--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                      "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
                               env=env, capture_output=True, text=True).stdout
        if "boolean true" in owner:
            break
        time.sleep(0.1)
    else:
        die("the accessibility bus did not start")
    subprocess.run(ask + ["--dest=org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                          "string:org.a11y.Status", "string:ScreenReaderEnabled", "variant:boolean:true"],
                   env=env, check=True, capture_output=True)
    return launcher


def soak(args, env, tools):
    """The soak program's own lines, with the growth since game 10."""
    launcher = screen_reader_on(env) if args.screen_reader else None
    out = subprocess.Popen([tools["soak"], str(args.games)], env=env, stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, text=True)
    print(f"{'games':>5} {'RSS (KiB)':>10} {'heap (KiB)':>10} {'windows':>8} {'objects':>8}")
    at10 = None
    for line in out.stdout:
        if line.startswith("#"):
            print(line.strip())
            continue
        games, rss, heap, windows, objects = (int(v) for v in line.split())
        at10 = rss if games == 10 else at10
        print(f"{games:5d} {rss:10d} {heap:10d} {windows:8d} {objects:8d}")
        last = (games, rss)
    if launcher:
        launcher.terminate()
    if out.wait() != 0:
        die("the soak program did not play every game")
    if at10 is not None and last[0] > 10:
        grown = last[1] - at10
        print(f"RSS after {last[0]} games: {grown:+d} KiB since game 10: "
              f"{'met' if grown < 1024 else 'MISSED'} (under 1 MiB)")


LIBRARY_KINDS = [  # (kind, pattern of the library's file name), first match wins
    ("C and C++ runtime", r"^(libc|libm|libstdc\+\+|libgcc_s|ld-linux.*)\.so"),
    ("ICU (Unicode tables, by Qt Core)", r"^libicu"),
    ("X11, xcb and xkbcommon", r"^lib(X|xcb|xkbcommon|ICE|SM)"),
    ("text: freetype, harfbuzz, fontconfig", r"^lib(freetype|harfbuzz|fontconfig|graphite2|png|brotli|expat|z\.)"),
    ("GLib", r"^libg(lib|thread)-"),
    ("D-Bus and what libdbus loads", r"^lib(dbus|systemd|gcrypt|gpg-error|lz4|zstd|lzma|cap\.)"),
    ("OpenGL dispatch (linked by Qt Gui)", r"^lib(GL|EGL|OpenGL)"),
]


def memory_groups(pid):
    """Resident KiB of each kind of mapping of a running program."""
    groups = {}
    kind = None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            head = re.match(r"^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \d+\s*(.*)$", line)
            if head:
                path = head.group(1).strip()
                name = os.path.basename(path)
                if "/plugins/" in path:
                    kind = "Qt plugins"
                elif name.startswith("libQt6"):
                    kind = "Qt library " + name.split(".so")[0][3:]
                elif re.search(r"\.(ttf|otf|pfb|pcf)(\.gz)?$", name) or "fontconfig" in path:
                    kind = "fonts and font caches"
                elif path.startswith(("/memfd:", "/SYSV")):
                    kind = "X shared memory (backing store)"
                elif path in ("[heap]", ""):
                    kind = "heap and anonymous"
                elif ".so" in name:
                    kind = next((k for k, pattern in LIBRARY_KINDS if re.search(pattern, name)),
                                "other libraries")
                elif path.startswith("/") and os.access(path, os.X_OK) and not name.endswith(".cache"):
                    kind = "the program itself"
                else:
                    kind = "stack, locale and the rest"
            elif line.startswith("Rss:"):
                groups[kind] = groups.get(kind, 0) + int(line.split()[1])
    return groups


def memory(args, env, tools, points):
    """Medians over the runs of each group: empty window, bare form, game."""
    subjects = [("empty", [tools["bare_form"], "--empty"]), ("bare", [tools["bare_form"]])]
    subjects += [("game", [args.game])] if args.game else []
    samples = {who: [] for who, _ in subjects}
    for run in range(1, args.runs + 1):
        print(f"run {run}/{args.runs}", file=sys.stderr)
        for who, argv in subjects:
            p = Program(argv, env, tools["paint_probe"], points["title"])
            try:
                time.sleep(args.settle)
                groups = memory_groups(p.pid)
                groups["total (settled RSS)"] = p.status("VmRSS")
                samples[who].append(groups)
            finally:
                p.stop()
    kinds = sorted({k for runs in samples.values() for g in runs for k in g},
                   key=lambda k: (k.startswith("total"), -statistics.median(
                       g.get(k, 0) for runs in samples.values() for g in runs)))
    print(f"{'resident memory (KiB, median)':38} {'empty form':>11} {'bare form':>11} {'game':>11}")
    for kind in kinds:
        row = [statistics.median(g.get(kind, 0) for g in samples[who]) if samples.get(who) else None
               for who in ("empty", "bare", "game")]
        print(f"{kind:38} " + " ".join("-".rjust(11) if v is None else f"{v:11.0f}" for v in row))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("mode", nargs="?", choices=["windows", "clock", "soak", "memory"], default="windows")
    parser.add_argument("--tools", required=True, help="folder of bare_form, paint_probe, click_points")
    parser.add_argument("--game", help="the game's binary (default: measure the bare form alone)")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--settle", type=float, default=3.0, help="seconds before the settled RSS")
    parser.add_argument("--idle", type=float, default=10.0, help="seconds over which wakeups are counted")
    parser.add_argument("--clock-seconds", type=float, default=60.0)
    parser.add_argument("--stall", type=float, default=0.0,
                        help="clock mode: stop the game process this many seconds instead")


    parser.add_argument("--games", type=int, default=200, help="games of the soak")
    parser.add_argument("--screen-reader", action="store_true",
                        help="soak with a screen reader on: Qt serves the accessibility bus")
    args = parser.parse_args()

    for tool in ("Xvfb", "xdotool", "dbus-daemon"):
        if not shutil.which(tool):
            die(f"{tool} is missing")
    tools = {name: os.path.join(args.tools, name) for name in ("bare_form", "paint_probe", "click_points", "soak")}
    points = click_points(tools["click_points"])
    display = Display()
    bus = SessionBus()
    env = {k: v for k, v in os.environ.items() if not k.startswith(("DBUS_", "QT_", "WAYLAND"))}
    env.update(DISPLAY=display.name, QT_QPA_PLATFORM="xcb", DBUS_SESSION_BUS_ADDRESS=bus.address)
    try:
        if args.mode == "clock":
            clock(args, env, tools, points)
        elif args.mode == "soak":
            soak(args, env, tools)
        elif args.mode == "memory":
            memory(args, env, tools, points)
        else:
            report(measure(args, env, tools, points))
    finally:
        bus.close()
        display.close()


if __name__ == "__main__":
    main()
