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
import transcript  # noqa: E402

# The page has one focus for both windows: a window's own focus, which the
# desktop keeps for each, is the control in it that last took the page's.
TRACK_FOCUS = """
const note = e => { const w = e.closest && e.closest('.window'); if (w) w.dataset.focus = e.dataset.control; };
note(document.activeElement);
document.addEventListener('focusin', e => note(e.target));"""
# The state as the driver's "show" prints it: a face is B or Y for the
# tiles' blue and yellow, E for the button face, else # and the colour.
SHOW = """
const $ = id => document.getElementById(id), g = name => $('frmgioco-' + name), end = $('frmscelta');
const probe = document.body.appendChild(Object.assign(document.createElement('div'),
                                                      {style: 'background: ButtonFace'}));
const faces = {'rgb(128, 128, 255)': 'B', 'rgb(255, 255, 0)': 'Y', [getComputedStyle(probe).backgroundColor]: 'E'};
probe.remove();
const face = c => faces[getComputedStyle(c).backgroundColor] || '#' + getComputedStyle(c).backgroundColor;
const option = g('optsi').checked ? 'si' : g('optno').checked ? 'no' : '-';
return ['board ' + [...document.querySelectorAll('#frmgioco .cell')].map(c => (c.textContent || '_') + face(c))
                   .join(' '),
        'moves ' + g('lblcont').textContent, 'clock ' + g('lbltime').textContent,
        'options ' + option + (g('optsi').disabled ? ' disabled' : ' enabled'),
        'help ' + (getComputedStyle(g('cmdaiuto')).visibility === 'visible' ? 'shown' : 'hidden'),
        'tooltip ' + g('cmdcomincia').title, 'focus ' + ((end || $('frmgioco')).dataset.focus || '-'),
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
# What each command clicks, by the words after it.
CLICKS = {"click": "#frmgioco-cmd{}", "start": "#frmgioco-cmdcomincia", "help": "#frmgioco-cmdaiuto",
          "solution": "#frmgioco-cmdsoluzione", "exit": "#frmgioco-cmdesci", "timed": "#frmgioco-opt{}",
          "end": "#frmscelta-cmd{}", "end close": "#frmscelta .close"}
# A control's box (from its parent's corner; an option's is its label, which
# holds the radio input), face (a shape's line), text colour, font, caption.
LOOK = """
const c = arguments[0], e = c.type === 'radio' ? c.parentElement : c, s = getComputedStyle(e);
const r = e.getBoundingClientRect(), p = e.parentElement.getBoundingClientRect();
return [[r.left - p.left, r.top - p.top, r.width, r.height], e.classList.contains('shape') ? s.borderTopColor
        : s.backgroundColor, s.color, [s.fontFamily, s.fontSize, s.fontWeight],
        (e.querySelector('.legend') || e).textContent];"""
FACES = {"MS Sans Serif": '"Liberation Sans", sans-serif', "Comic Sans MS": '"Comic Neue", sans-serif'}


def rgb(bgr):
    n = int(bgr, 16)
    return f"rgb({n & 255}, {n >> 8 & 255}, {n >> 16})"


def font(spec):
    face, points, weight = spec.split("/")
    return [FACES[face], f"{round(float(points) * 96 / 72)}px", weight]


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

    def keys(self, *keys, hold=None):
        """Keys typed (while the key hold is held down); returns the id of what has the focus then."""
        chain = ActionChains(self.browser)
        (chain.key_down(hold).send_keys(*keys).key_up(hold) if hold else chain.send_keys(*keys)).perform()
        return self.js("return document.activeElement.id")

    def assert_window(self, window):
        """The window as tests/windows.txt designs it: size, colours, fonts, captions, tooltips."""
        lines = (TESTS / "windows.txt").read_text(encoding="utf-8").splitlines() + [  # and the board's cells
            f"frmgioco | cmd{n} | - | {480 + 600 * ((n - 1) % 4)} | {1680 + 600 * ((n - 1) // 4)} | 615 | 615 | "
            f"{n if n < 32 else '-'} | - | - | MS Sans Serif/18/400 | - | 1 | -" for n in range(1, 33)]
        for line in (line for line in lines if line.startswith(window + " ")):
            _, control, _, *box, caption, back, text, face, tooltip, _, _ = [f.strip() for f in line.split("|")]
            box = [int(t) / 15 for t in box]
            whole = control == "-"  # the window itself: its client area, and the caption in its title bar
            element = self.el(f"#{window} .client" if whole else f"#{window}-{control}")
            look = self.js(LOOK, element)
            if whole:
                box, look[0], look[4] = box[2:], look[0][2:], self.el(f"#{window}-caption").text
            for got, want in zip(look, [box, back != "-" and rgb(back), text != "-" and rgb(text),
                                        face != "-" and font(face), caption.replace("&", "")]):
                if want and want != "-":
                    self.assertEqual(got, want, f"{window} {control}")
            if tooltip != "-":
                self.assertEqual([element.get_attribute(a) for a in ("title", "aria-label")], [tooltip] * 2)


class ShippedPage(Page):
    def test_page_at_load(self):
        self.assertEqual(self.browser.title, "Lastrino!")
        self.assert_window("frmgioco")
        self.assertEqual([(c.accessible_name, c.get_attribute("aria-description"))
                          for c in self.browser.find_elements("css selector", "#frmgioco .cell")],
                         [(str(n) if n < 32 else "vuota", f"riga {(n - 1) // 4 + 1}, colonna {(n - 1) % 4 + 1}")
                          for n in range(1, 33)])
        names = {"Frame2": "Mosse", "Frame1": "Tempo", "Picture1": "Lastrino!", "Image1": "Tessere"}
        self.assertEqual({c: self.el(f"#frmgioco-{c}").accessible_name for c in names}, names)
        # Tab from Start: the cells past the title picture at 28, the selected option, not the hidden Help.
        cells = [f"frmgioco-cmd{n}" for n in range(1, 33)]
        self.assertEqual([self.keys(Keys.TAB) for _ in range(36)], ["frmgioco-cmdsoluzione", "frmgioco-cmdesci"]
                         + cells[:28] + ["frmgioco-Picture1"] + cells[28:] + ["frmgioco-optno"])
        # A favicon, and nothing from anywhere but this page's own server.
        self.assertEqual(self.js("return fetch(document.querySelector('link[rel=icon]').href)"
                                 ".then(r => r.status + ' ' + r.headers.get('content-type'))"), "200 image/svg+xml")
        self.assertEqual(self.js("return performance.getEntriesByType('resource')"
                                 ".filter(e => !e.name.startsWith(location.origin)).length"), 0)
        self.assertIsNone(self.js("return Module.testTick"), "the shipped page has no test hook")


class Play(Page):
    def play(self, commands):
        """What the page prints for the driver's commands."""
        self.setUp()
        self.js(TRACK_FOCUS)
        printed = []
        for command in commands:
            word, *args = command.split()
            if word == "show":
                printed += self.js(SHOW)
            elif word == "tick":
                self.js("for (let i = 0; i < arguments[0]; ++i) Module.testTick()", int(args[0]) if args else 1)
            elif word == "quit":
                break
            elif word != "rand":
                self.click(CLICKS.get(command, CLICKS[word]).format(*args))
            printed += self.js(EVENTS)
            if printed and printed[-1].startswith("event exit"):
                break
        return printed

    def click(self, selector):
        control = self.el(selector)
        # A window behind the other comes in front by its title bar first, as the player brings it.
        window = self.js("return arguments[0].closest('.window')", control)
        if "front" not in window.get_attribute("class"):
            window.find_element("css selector", ".caption").click()
        control.click()

    def test_transcripts(self):
        for path in transcript.transcripts("windows"):
            with self.subTest(path.name):
                commands, expected = transcript.session(path, windows=True)
                self.assertEqual(transcript.differences(self.play(commands), expected), [])

    def test_end_window(self):
        self.play(["start", "click 28", "click 32", "help"])
        self.assert_window("frmscelta")
        # With the game window in front of it, the end window's icon stays
        # clear, and a click there brings the end window back in front.
        self.click("#frmgioco-cmdcomincia")
        self.el("#frmscelta .icon").click()
        self.assertEqual(self.js("const r = arguments[0].getBoundingClientRect();"
                                 "return document.elementFromPoint(r.x + 2, r.y + 2).id", self.el("#frmscelta-cmdsi")),
                         "frmscelta-cmdsi")

    def test_keyboard_play(self):
        # Space on Start, which has the focus, deals; Alt+S is "&Soluzione".
        self.keys(Keys.SPACE)
        self.assertEqual(self.el("#frmgioco-cmd30").accessible_name, "31")
        self.keys("s", hold=Keys.ALT)
        self.assertEqual(self.el("#frmgioco-cmd30").accessible_name, "30")
        # A whole game: deal, Tab on to cell 28 (down into 32), past the title
        # picture to 32 (back up), past the disabled options to Help.
        self.keys(Keys.SPACE, *[Keys.TAB] * 30, Keys.SPACE)
        self.assertEqual([self.el(f"#frmgioco-cmd{n}").accessible_name for n in (28, 32)], ["vuota", "28"])
        self.assertEqual(self.keys(*[Keys.TAB] * 34, Keys.SPACE, *[Keys.TAB] * 35, Keys.SPACE), "frmscelta-cmdsi")
        # Alt+S is "&Sì" in the end window, where the focus is.
        self.keys("s", hold=Keys.ALT)
        self.assertEqual(self.js("return [...document.querySelectorAll('.window')].map(w => w.id)"), ["frmgioco"])
        self.assertEqual(self.el("#frmgioco-lblcont").text, "0")

if __name__ == "__main__":
    ShippedPage.build, Play.build = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
