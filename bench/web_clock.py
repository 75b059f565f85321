"""The page's clock in a background tab: a timed game in a real Chromium (not
headless) on a private Xvfb, with the browser's background throttling left as
a player has it. The game starts in front, a second tab then hides it for
--hidden seconds, and it comes back. The page notes every change of the clock
label (frmgioco-lbltime) and of its visibility against performance.now(), so
nothing reads the hidden tab from outside; the notes are printed at the end
against the seconds since Start: a clock that keeps time reads N s at N s.

Usage: web_clock.py BUILD_DIR [--hidden SECONDS]   (Debian's /usr/bin/python3)
"""
import argparse
import os
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "web"))
import chromium  # noqa: E402
from harness import Display  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# Kept in the page: [seconds since Start, what changed, visibility].
WATCH = """
const t0 = performance.now(), label = document.getElementById('frmgioco-lbltime');
const note = what => window.clockNotes.push([(performance.now() - t0) / 1000, what, document.visibilityState]);
window.clockNotes = [];
new MutationObserver(() => note(label.textContent)).observe(label, {childList: true, characterData: true, subtree: true});
document.addEventListener('visibilitychange', () => note('(' + document.visibilityState + ')'));
document.getElementById('frmgioco-cmdcomincia').click();
note(label.textContent);"""
# Flags that would switch the throttling off, which a player's browser has on.
UNTHROTTLED = ("disable-background-timer-throttling", "disable-renderer-backgrounding",
               "disable-backgrounding-occluded-windows", "disable-features=IntensiveWakeUpThrottling")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--hidden", type=float, default=420.0, help="seconds the tab stays hidden (at least 180)")
    args = parser.parse_args()
    display = Display()
    os.environ["DISPLAY"] = display.name
    httpd, url = chromium.serving(args.build)
    browser = chromium.browser("--window-size=800,800", headless=False)
    try:
        browser.get(url)
        WebDriverWait(browser, 20).until(lambda b: b.execute_script(
            "return !!document.getElementById('frmgioco-cmd32')"))
        browser.find_element("css selector", "#frmgioco-optsi").click()
        browser.execute_script(WATCH)
        time.sleep(5)
        game = browser.current_window_handle
        browser.switch_to.new_window("tab")
        browser.get("chrome://version")
        line = browser.find_element("id", "command_line").text
        if any("--" + flag in line for flag in UNTHROTTLED):
            sys.exit("web-clock: the browser was started with its background throttling off")
        time.sleep(args.hidden)
        browser.switch_to.window(game)
        time.sleep(2)
        notes = browser.execute_script("return window.clockNotes")
        shown = browser.execute_script("return document.getElementById('frmgioco-lbltime').textContent")
    finally:
        browser.quit()
        httpd.shutdown()
        display.close()
    hidden = [t for t, what, _ in notes if what.startswith("(")]
    print(f"{'seconds since Start':>20}  clock  ({'tab':6})  behind")
    printed = -99.0
    for i, (t, what, visibility) in enumerate(notes):
        if what.startswith("("):
            print(f"{t:20.1f}  tab {what[1:-1]}")
        elif t - printed >= 20 or i + 1 == len(notes) or t - notes[i - 1][0] > 2:  # and every late tick
            printed = t
            m, s = (int(v) for v in what.split(":"))
            print(f"{t:20.1f}  {what}  ({visibility:6})  {t - 60 * m - s:6.1f} s")
    span = hidden[1] - hidden[0] if len(hidden) >= 2 else 0.0
    m, s = (int(v) for v in shown.split(":"))
    print(f"hidden for {span:.1f} s; back in front at {notes[-1][0]:.1f} s since Start the clock read {shown} "
          f"({60 * m + s} s)")
    if span < 180:
        print("web-clock: the tab was not hidden for 3 minutes: the figures say nothing of a background tab")


if __name__ == "__main__":
    main()
