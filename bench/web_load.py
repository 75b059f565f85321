"""Loads the browser version as on a first visit, a fresh browser each run,
and reports the time from the start of the page load to its first paint and
first contentful paint (the page shows nothing before the game window, so
this is the game window's first paint), and the bytes the server sent, by
kind of file, headers included: counted at the server, they are everything
the browser fetched, the page's fetches and the service worker's own (the
files it keeps, asked for again once the page is in) alike, up to the worker's
taking over.

Usage: web_load.py BUILD_DIR [BUILD_DIR...] [--runs N] [--slow]   (several:
compared, run after run; --slow: through a slow 4G network)
"""
import argparse
import collections
import functools
import http.server
import statistics
import sys
import threading
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "web"))
import chromium  # noqa: E402
import serve  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

PAINTS = """
const paint = Object.fromEntries(performance.getEntriesByType('paint').map(e => [e.name, e.startTime]));
return [paint['first-paint'], paint['first-contentful-paint']];"""
KINDS = [("fonts", (".woff2",)), ("wasm", (".wasm",)), ("js", ("lastrino.js", "page.js")),
         ("html/css", ("/", ".html", ".css")), ("svg", (".svg",)), ("manifest/sw", (".webmanifest", "sw.js"))]


class Counting(serve.Handler):
    """Notes every byte written to the browser against the path asked for."""
    sent = collections.Counter()
    statuses = collections.Counter()

    def setup(self):
        super().setup()
        raw = self.wfile

        class Writer:
            def write(_, data):
                Counting.sent[self.path.split("?")[0]] += len(data)
                return raw.write(data)

            def __getattr__(_, name):
                return getattr(raw, name)
        self.wfile = Writer()

    def send_response(self, code, message=None):
        Counting.statuses[code] += 1
        super().send_response(code, message)


def kind(path):
    return next((k for k, ends in KINDS if path.endswith(ends)), "other")


def load(url, worker, slow):
    """One first visit in a fresh browser: its paints, and the bytes sent by path with the answers' codes."""
    browser = chromium.browser("--window-size=600,720")
    try:
        if slow:  # a phone's slow 4G, as DevTools has it: 150 ms round trips, 1.6 Mbit/s down, 750 kbit/s up
            browser.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": 150, "downloadThroughput": 1.6e6 / 8, "uploadThroughput": 750e3 / 8})
        Counting.sent.clear()
        Counting.statuses.clear()
        browser.get(url)
        # The fonts and pictures in, the paint entries there, and the worker (if any) done keeping the files.
        WebDriverWait(browser, 20).until(lambda b: b.execute_script(
            "return !!document.getElementById('frmgioco') && document.readyState === 'complete'"
            " && performance.getEntriesByType('paint').length === 2"))
        browser.execute_script("return document.fonts.ready")
        if worker:
            browser.execute_script("return navigator.serviceWorker.ready.then(() => true)")
        return browser.execute_script(PAINTS), dict(Counting.sent), dict(Counting.statuses)
    finally:
        browser.quit()


def report(build, runs):
    _, last, statuses = runs[-1]
    print(f"{build}:")
    for path, size in sorted(last.items(), key=lambda e: -e[1]):
        print(f"{size:>9} B  {path}")
    by_kind = collections.Counter()
    for path, size in last.items():
        by_kind[kind(path)] += size
    print("by kind: " + ", ".join(f"{k} {by_kind[k]}" for k, _ in KINDS + [("other", ())] if by_kind[k]))
    print(f"answers: {', '.join(f'{n} x {code}' for code, n in sorted(statuses.items()))}")
    print(f"runs: {len(runs)}")
    print(f"first paint:            median {statistics.median(r[0][0] for r in runs):.1f} ms")
    print(f"first contentful paint: median {statistics.median(r[0][1] for r in runs):.1f} ms")
    print(f"bytes sent, headers included: median {statistics.median(sum(r[1].values()) for r in runs):.0f}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="+", help="one build, or several to compare, run after run")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--slow", action="store_true", help="on a slow 4G network, not the local one")
    args = parser.parse_args()
    runs = {build: [] for build in args.build}
    for _ in range(args.runs):
        for build in args.build:
            httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Counting, directory=build))
            threading.Thread(target=httpd.serve_forever, daemon=True).start()
            try:
                runs[build].append(load(f"http://127.0.0.1:{httpd.server_address[1]}/",
                                        (Path(build) / "sw.js").exists(), args.slow))
            finally:
                httpd.shutdown()
                httpd.server_close()
    for build in args.build:
        report(build, runs[build])


if __name__ == "__main__":
    main()
