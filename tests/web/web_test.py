# The browser version in a headless Chromium through Selenium. Usage: web_test.py BUILD TEST_BUILD:
# the page as shipped (build-web/page/), and beside it the test build, whose every Start deals tile i
# onto cell i (solved but for 30 and 31). The test build plays the transcripts for the windows
# (and tests/web/'s, for the page alone), is compared with the design and is reached in small
# viewports; the page as shipped is read as a screen reader hears it. Both run under their CSP.
import json
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

TESTS = Path(__file__).resolve().parents[1]
sys.path[:0] = [str(TESTS.parent / "web"), str(TESTS)]
import chromium  # noqa: E402
import designed  # noqa: E402
import transcript  # noqa: E402

# Before the page's scripts, a stand-in for the worker of the game's timer: it keeps the periods the
# page asks for (0 stops it), and the tests fire its ticks themselves ("tick K"). The test build asks
# for a period of 0x7FFFFFFF ms, which no test outlives; the page as shipped for a tick a second.
TIMER = "Worker = class { constructor(url) { if (url === 'timer.js') window.timer = this; this.periods = [] } postMessage(p) { this.periods.push(p) } }"
# The control with the page's focus, if that is in the window in front.
FOCUS = "return ['focus ' + (document.activeElement.closest('.window.front') && document.activeElement.dataset.control || '-')]"
# The events of the last command: an end window not seen before, and the
# program's end (both windows gone), when the page says goodbye with its link focused.
EVENTS = """
const $ = id => document.getElementById(id), end = $('frmscelta'), link = $('addio').querySelector('a');
const out = end && !end.seen && (end.seen = true) ? ['event end-window ' + $(end.getAttribute('aria-describedby'))?.textContent] : [];
return document.querySelector('.window') ? out
  : [...out, !$('addio').hidden && document.activeElement === link ? 'event exit' : 'event exit, no goodbye'];"""
# Every window and its controls in the columns of tests/design.txt and the five after them (see
# tests/transcript.py): places from the parent's corner in CSS pixels, an option's box is its label, a
# shape's colour its line's, a window's own row its client area, no colour reads 0x00000000, and a
# cell in the button face is 0x8000000F. Then the page's timer: the test build asks for a period
# of 0x7FFFFFFF ms, on, and 0, off.
LOOK = """
const bgr = c => '0x' + c.match(/\\d+/g).reverse().map(n => (256 + +n).toString(16).slice(1)).join('').toUpperCase();
return [...document.querySelectorAll('.window')].flatMap(w => { const client = w.querySelector('.client');
  return [[w.id, '-', '-', 0, 0, client.offsetWidth, client.offsetHeight, w.querySelector('.caption').textContent,
           bgr(getComputedStyle(client).backgroundColor), '-', '-', '-', 1, '-', '-', 1, 0, 0],
          ...[...client.querySelectorAll('[data-control]')].map(c => {
  const e = c.type === 'radio' ? c.parentElement : c, s = getComputedStyle(e), r = e.getBoundingClientRect(),
        p = e.parentElement.getBoundingClientRect();
  return [w.id, c.dataset.control, e.parentElement.dataset.control || '-',
          ...[r.left - p.left, r.top - p.top, r.width, r.height].map(Math.round),
          (e.querySelector('.legend') || e).innerHTML.replace('<u>', '&').replace(/<[^>]*>/g, '') || '-',
          c.style.backgroundColor === 'buttonface' ? '0x8000000F' : bgr(e.classList.contains('shape') ? s.borderTopColor : s.backgroundColor),
          bgr(s.color), `${s.fontFamily.split(',')[0].replaceAll('"', '')}/${parseInt(s.fontSize)}/${s.fontWeight}`, e.title || '-',
          s.visibility === 'visible' ? 1 : 0, c.ariaLabel || c.title || '-', c.ariaDescription || '-', c.disabled ? 0 : 1,
          c.checked ? 1 : 0, c === document.activeElement && w.classList.contains('front') ? 1 : 0]; })]; })
  .map(row => row.join(' | ')).concat('timer ' + ((p = window.timer?.periods ?? []) => !p.at(-1) ? 'off'
    : p.at(-1) === 0x7FFFFFFF && p.at(-2) !== 0x7FFFFFFF ? 'on' : p)(), 'looked');"""
# Whether the page is scrolled to its far corner; then each window brought in front: how far it is from
# centred on the page (but never above or left of it), the page's zoom, and the controls that, scrolled
# into view, are not the element at their own centre.
REACH = """const p = document.documentElement, at = (s, o) => Math.max(0, Math.round((s - o) / 2));
return [scrollX + p.clientWidth === p.scrollWidth && scrollY + p.clientHeight === p.scrollHeight ? 'far corner' : 'not scrolled',
  ...[...document.querySelectorAll('.window')].map(w => (Module.raise(w), ['reach', w.id, w.offsetLeft - at(p.clientWidth,
  w.offsetWidth), w.offsetTop - at(p.clientHeight, w.offsetHeight), 'scale', visualViewport.scale, ...[...w.querySelectorAll(
  'button, input')].filter(c => (c.scrollIntoView({block: 'center', inline: 'center'}), !c.contains(document.elementFromPoint(
    ...[c.getBoundingClientRect()].map(r => [r.x + r.width / 2, r.y + r.height / 2])[0])))).map(c => c.id)].join(' ')))];"""
# What each command clicks, by the words after it.
CLICKS = {"click": "#frmgioco-cmd{}", "start": "#frmgioco-cmdcomincia", "help": "#frmgioco-cmdaiuto",
          "solution": "#frmgioco-cmdsoluzione", "exit": "#frmgioco-cmdesci", "timed": "#frmgioco-opt{}",
          "end": "#frmscelta-cmd{}", "end close": "#frmscelta .close", "close": "#frmgioco .close"}


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # Each build from a server of its own, which serves that build alone.
        cls.urls = {}
        for build in sys.argv[1:3]:
            httpd, cls.urls[build] = chromium.serving(build)
            cls.addClassCleanup(httpd.shutdown)
        cls.browser = chromium.browser("--window-size=600,700")
        cls.addClassCleanup(cls.browser.quit)
        cls.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": TIMER})

    def load(self, build):
        self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        self.browser.get(self.urls[build])
        WebDriverWait(self.browser, 10).until(lambda _: self.js("return !!document.getElementById('frmgioco')"), "no game")

    def tearDown(self):  # no errors or warnings on the console
        self.assertEqual([e for e in self.browser.get_log("browser") if e["level"] in ("SEVERE", "WARNING")], [])

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def test_shipped_page(self):
        self.load(sys.argv[1])
        # The names a screen reader gives a frame, a picture, a button of pictures alone, and a cell by
        # its tile (as "show" reads them from the page after every move).
        names = {"Frame2": "Mosse", "Picture1": "Lastrino!", "Image1": "Tessere", "cmdesci": "Esci", "cmd32": "vuota"}
        self.assertEqual({c: self.browser.find_element("css selector", f"#frmgioco-{c}").accessible_name
                          for c in names}, names)
        # A timed game's clock ticks each second.
        for control in ("optsi", "cmdcomincia"):
            self.browser.find_element("id", "frmgioco-" + control).click()
        self.assertEqual(self.js("return window.timer.periods"), [1000])
        # Its policy refuses eval, which the rules are built without.
        self.assertFalse(self.js("setTimeout('window.ran = true'); return new Promise(r => setTimeout(() => r(window.ran)))"))
        # Opened from disk, it says how to open it (and the console its errors, read away).
        self.browser.get((Path(sys.argv[1]).resolve() / "index.html").as_uri())
        self.assertIn("scripts/web", self.browser.find_element("id", "disco").text)
        self.browser.get_log("browser")

    def test_offline(self):
        # One visit to a copy of the page as shipped: it can be installed, and its worker keeps every file.
        subprocess.run(["cp", "-a", sys.argv[1], build := Path(tempfile.mkdtemp(), "build")], check=True)
        httpd, self.urls[build] = chromium.serving(build)
        self.load(build)
        self.assertEqual(self.browser.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"], [])
        files = sorted(str(p.relative_to(build)) for p in build.rglob("*") if p.is_file() and p.name != "sw.js")
        self.assertEqual(self.js("return navigator.serviceWorker.ready.then(_ => caches.keys())"
                                 ".then(([k]) => caches.open(k)).then(c => c.keys())"
                                 ".then(r => r.map(q => q.url.slice(origin.length + 1)))"), files)
        # Rebuilt beside a link out of its folder (not the page's, nor served), the page comes fresh by the
        # next visit but one; with the server gone, it plays as kept.
        (build / "out").symlink_to(chromium.serve.__file__)
        (index := build / "index.html").write_text(index.read_text().replace("<title>Lastrino!", "<title>Nuova"))
        subprocess.run([sys.executable, TESTS.parent / "web/worker.py", build], check=True)
        kept = self.js("return caches.keys()")
        self.browser.refresh()  # served as kept, it finds the new worker
        WebDriverWait(self.browser, 20).until(lambda _: len(k := self.js("return caches.keys()")) == 1 and k != kept)
        httpd.shutdown()
        httpd.server_close()
        self.load(build)  # the game window, which the rules build
        self.assertEqual(self.browser.title, "Nuova")

    # What the page prints for a transcript's commands.
    def play(self, commands):
        self.load(sys.argv[2])
        printed = []
        for command in commands:
            word, *args = command.split()
            if word == "quit" or any(line.startswith("event exit") for line in printed):
                break
            if word in ("look", "show", "reach", "focus"):
                printed += self.js({"look": LOOK, "show": LOOK, "reach": REACH, "focus": FOCUS}[word])
            elif word == "tick":
                self.js("for (let i = 0; i < arguments[0]; ++i) window.timer?.onmessage()", int(args[0]) if args else 1)
            elif word == "devtools":  # a DevTools command with its arguments, NAME=JSON; then two frames
                self.browser.execute_cdp_cmd(args[0], {k: json.loads(v) for k, v in (a.split("=", 1) for a in args[1:])})
                self.browser.execute_async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")
            elif word == "key":  # a chord ("up" is the Up arrow): WebDriver holds Shift and Alt down to the end
                self.browser.switch_to.active_element.send_keys("".join(getattr(Keys, k.upper(), k.lower())
                                                                        for k in args[0].split("+")))
            elif word != "rand":  # in the window behind, after a click on its title bar
                control = self.browser.find_element("css selector", CLICKS.get(command, CLICKS[word]).format(*args))
                if bar := self.js("return arguments[0].closest('.window:not(.front)')?.firstChild", control):
                    bar.click()
                control.click()
            printed += self.js(EVENTS)
        return printed

    def test_transcripts(self):
        for path in transcript.transcripts("windows") + sorted((TESTS / "web").glob("*.txt")):
            with self.subTest(path.name):
                commands, expected = transcript.session(path, windows=True, hidden=transcript.HIDDEN[:2])
                printed = transcript.seen(commands, self.play(commands))
                printed = [line for line in printed if path.parent.name != "windowed" or line[:6] != "timer "]
                self.assertEqual(transcript.differences(printed, expected), [])
        with self.subTest("designed"):
            self.assertEqual(designed.problems(self.play(designed.SESSION)), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
