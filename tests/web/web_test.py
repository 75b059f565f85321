# The browser version in a headless Chromium through Selenium. Usage: web_test.py BUILD TEST_BUILD:
# the page as shipped (build-web/), and the test build, whose every Start deals tile i onto cell i
# (solved but for 30 and 31) and whose timer ticks when the test calls Module.testTick.
import sys
import unittest
from pathlib import Path

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

TESTS = Path(__file__).resolve().parents[1]
sys.path[:0] = [str(TESTS.parent / "web"), str(TESTS)]
import chromium  # noqa: E402
import designed  # noqa: E402
import transcript  # noqa: E402

# The control with the page's focus, if it is in the window in front.
FOCUS = """const a = document.activeElement, w = a.closest('.window');
return 'focus ' + (w && w.classList.contains('front') && a.dataset.control || '-');"""
# The state as the driver's "show" prints it: a face is B or Y for the
# tiles' blue and yellow, E for the button face, else # and the colour set.
SHOW = """
const $ = id => document.getElementById(id), g = name => $('frmgioco-' + name), end = $('frmscelta');
const faces = {'rgb(128, 128, 255)': 'B', 'rgb(255, 255, 0)': 'Y', buttonface: 'E'};
const face = c => faces[c.style.backgroundColor] || '#' + c.style.backgroundColor;
const option = g('optsi').checked ? 'si' : g('optno').checked ? 'no' : '-';
return ['board ' + [...document.querySelectorAll('#frmgioco .cell')].map(c => (c.textContent || '_') + face(c))
                   .join(' '),
        'moves ' + g('lblcont').textContent, 'clock ' + g('lbltime').textContent,
        'options ' + option + (g('optsi').disabled ? ' disabled' : ' enabled'),
        'help ' + (getComputedStyle(g('cmdaiuto')).visibility === 'visible' ? 'shown' : 'hidden'),
        'tooltip ' + g('cmdcomincia').title, (() => {""" + FOCUS + """})(),
        'end-window ' + (end ? $('frmscelta-lblmess').textContent : '-')];"""
# The events of the last command: an end window not seen before, and the
# program's end (both windows gone), when the page says goodbye with its link focused.
EVENTS = """
const end = document.getElementById('frmscelta'), addio = document.getElementById('addio'), out = [];
if (end && !end.dataset.seen) out.push('event end-window ' + document.getElementById('frmscelta-lblmess').textContent);
if (end) end.dataset.seen = 1;
if (!document.querySelector('.window'))
  out.push(!addio.hidden && document.activeElement === addio.querySelector('a') ? 'event exit'
           : 'event exit, no goodbye');
return out;"""
# The window in front and its controls in the columns of tests/windows.txt
# (places from the parent's corner in CSS pixels; an option's box is its
# label, a shape's colour its line's), the window's own row its client area.
LOOK = """
const w = document.querySelector('.window.front'), client = w.querySelector('.client');
const bgr = c => { const [r, g, b] = c.match(/\\d+/g).map(Number);
                   return '0x' + ((b << 16 | g << 8 | r) >>> 0).toString(16).toUpperCase().padStart(6, '0'); };
const row = (e, name, caption) => {
  const s = getComputedStyle(e), r = e.getBoundingClientRect(), p = e.parentElement.getBoundingClientRect();
  const parent = e.parentElement === client || e === client ? '-' : e.parentElement.dataset.control;
  return [w.id, name, parent, ...(e === client ? [0, 0, r.width, r.height]
                                  : [r.left - p.left, r.top - p.top, r.width, r.height]).map(Math.round),
          caption || '-', bgr(e.classList.contains('shape') ? s.borderTopColor : s.backgroundColor), bgr(s.color),
          s.fontFamily.split(',')[0].replaceAll('"', '') + '/' + parseInt(s.fontSize) + '/' + s.fontWeight,
          e.title || '-', s.visibility === 'visible' ? 1 : 0].join(' | '); };
return [row(client, '-', w.querySelector('.caption').textContent), ...[...client.querySelectorAll('[data-control]')]
  .map(c => row(c.type === 'radio' ? c.parentElement : c, c.dataset.control,
                [...(c.type === 'radio' ? c.nextSibling : c.querySelector('.legend') || c).childNodes]
                  .map(n => (n.nodeName === 'U' ? '&' : '') + n.textContent).join('')))];"""
# What each command clicks, by the words after it, and the keys by name.
CLICKS = {"click": "#frmgioco-cmd{}", "start": "#frmgioco-cmdcomincia", "help": "#frmgioco-cmdaiuto",
          "solution": "#frmgioco-cmdsoluzione", "exit": "#frmgioco-cmdesci", "timed": "#frmgioco-opt{}",
          "end": "#frmscelta-cmd{}", "end close": "#frmscelta .close", "close": "#frmgioco .close"}
KEYS = {"Tab": Keys.TAB, "Left": Keys.LEFT, "Right": Keys.RIGHT, "Space": Keys.SPACE, "Return": Keys.RETURN,
        "Enter": Keys.ENTER, "Shift": Keys.SHIFT, "Alt": Keys.ALT}


class Page(unittest.TestCase):
    build = None  # the directory served

    @classmethod
    def setUpClass(cls):
        cls.httpd, cls.url = chromium.serving(cls.build)
        cls.browser = chromium.browser("--window-size=600,700")

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.httpd.shutdown()

    def setUp(self):
        self.browser.get(self.url)
        WebDriverWait(self.browser, 10).until(lambda _: self.js("return !!document.getElementById('frmgioco-cmd32')"),
                                              "no game window within 10 s")

    def tearDown(self):
        errors = [e["message"] for e in self.browser.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]
        self.assertEqual(errors, [], "console errors")

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def el(self, selector):
        return self.browser.find_element("css selector", selector)


class ShippedPage(Page):
    def test_page_at_load(self):
        self.assertEqual(self.browser.title, "Lastrino!")
        self.assertEqual([(c.accessible_name, c.get_attribute("aria-description"))
                          for c in self.browser.find_elements("css selector", "#frmgioco .cell")],
                         [(str(n) if n < 32 else "vuota", f"riga {(n - 1) // 4 + 1}, colonna {(n - 1) % 4 + 1}")
                          for n in range(1, 33)])
        names = {"Frame2": "Mosse", "Frame1": "Tempo", "Picture1": "Lastrino!", "Image1": "Tessere",
                 "cmdcomincia": "Comincia", "cmdesci": "Esci"}
        self.assertEqual({c: self.el(f"#frmgioco-{c}").accessible_name for c in names}, names)
        # A favicon, and nothing from anywhere but this page's own server.
        self.assertEqual(self.js("return fetch(document.querySelector('link[rel=icon]').href)"
                                 ".then(r => r.status + ' ' + r.headers.get('content-type'))"), "200 image/svg+xml")
        self.assertEqual(self.js("return performance.getEntriesByType('resource')"
                                 ".filter(e => !e.name.startsWith(location.origin)).length"), 0)
        self.assertIsNone(self.js("return Module.testTick"), "the shipped page has no test hook")


class Play(Page):
    maxDiff = None

    def play(self, commands):
        """What the page prints for the driver's commands, and for key, focus, close and look."""
        self.setUp()
        printed = []
        for command in commands:
            word, *args = command.split()
            if word in ("show", "focus", "look"):
                printed += self.js({"show": SHOW, "focus": "return [(() => {" + FOCUS + "})()]", "look": LOOK}[word])
            elif word == "tick":
                self.js("for (let i = 0; i < arguments[0]; ++i) Module.testTick()", int(args[0]) if args else 1)
            elif word == "key":  # held down until the last, as WebDriver types a chord
                self.browser.switch_to.active_element.send_keys("".join(KEYS.get(k, k.lower())
                                                                        for k in args[0].split("+")))
            elif word == "quit":
                break
            elif word != "rand":  # in a window behind the other, after a click on that window's title bar
                control = self.el(CLICKS.get(command, CLICKS[word]).format(*args))
                for caption in self.js("return arguments[0].closest('.window:not(.front)')?.querySelectorAll('.caption')"
                                       " || []", control):
                    caption.click()
                control.click()
            printed += self.js(EVENTS)
            if printed and printed[-1].startswith("event exit"):
                break
        return printed

    def test_transcripts(self):
        for path in transcript.transcripts("windows"):
            with self.subTest(path.name):
                commands, expected = transcript.session(path, windows=True)
                self.assertEqual(transcript.differences(self.play(commands), expected), [])
        with self.subTest("designed"):
            self.assertEqual(designed.problems(self.play(designed.SESSION)), [])

    def test_end_window(self):
        self.play(["start", "click 28", "click 32", "help"])
        # With the game window in front of it, the end window's icon stays
        # clear, and a click there brings the end window back in front.
        self.el("#frmgioco-cmdcomincia").click()
        self.el("#frmscelta .icon").click()
        self.assertEqual(self.js("const r = arguments[0].getBoundingClientRect();"
                                 "return document.elementFromPoint(r.x + 2, r.y + 2).id", self.el("#frmscelta-cmdsi")),
                         "frmscelta-cmdsi")


if __name__ == "__main__":
    ShippedPage.build, Play.build = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
