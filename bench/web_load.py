"""Loads the browser version in headless Chromium, cache off, run after run,
and reports the time from the start of the page load to its first paint and
first contentful paint (the page shows nothing before the game window, so
this is the game window's first paint), and the bytes sent to the browser
up to then: the page and everything it fetched, headers included.

Usage: web_load.py BUILD_DIR [--runs N]
"""
import argparse
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "web"))
import chromium  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

MEASURE = """
const paint = Object.fromEntries(performance.getEntriesByType('paint').map(e => [e.name, e.startTime]));
const loads = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')];
return [paint['first-paint'], paint['first-contentful-paint'],
        loads.reduce((n, e) => n + e.transferSize, 0), loads.reduce((n, e) => n + e.encodedBodySize, 0),
        loads.map(e => [e.name.replace(location.origin, ''), e.encodedBodySize])];
"""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--runs", type=int, default=10)
    args = parser.parse_args()
    httpd, url = chromium.serving(args.build)
    browser = chromium.browser("--window-size=600,720")
    browser.execute_cdp_cmd("Network.enable", {})
    browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    runs = []
    try:
        for _ in range(args.runs):
            browser.get(url)
            # The fonts and pictures in; the paint entries are there by then.
            WebDriverWait(browser, 20).until(lambda b: b.execute_script(
                "return !!document.getElementById('frmgioco') && document.readyState === 'complete'"
                " && performance.getEntriesByType('paint').length === 2"))
            browser.execute_script("return document.fonts.ready")
            runs.append(browser.execute_script(MEASURE))
    finally:
        browser.quit()
        httpd.shutdown()
    for name, size in sorted(runs[-1][4], key=lambda e: -e[1]):
        print(f"{size:>9} B  {name}")
    print(f"runs: {len(runs)}")
    print(f"first paint:            median {statistics.median(r[0] for r in runs):.1f} ms")
    print(f"first contentful paint: median {statistics.median(r[1] for r in runs):.1f} ms")
    print(f"bytes sent: {runs[-1][2]} with headers, {runs[-1][3]} of content")


if __name__ == "__main__":
    main()
