# The browser version in a headless Chromium through Selenium. Usage: web_test.py BUILD TEST_BUILD:
# the page as shipped (build-web/), and the test build, whose every Start deals tile i onto cell i
# (solved but for 30 and 31) and whose timer ticks when the test calls Module.testTick.
import sys
import unittest
from pathlib import Path

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "web"))
import chromium  # noqa: E402

BLUE, YELLOW, PEACH, RED = "rgb(128, 128, 255)", "rgb(255, 255, 0)", "rgb(255, 192, 128)", "rgb(255, 0, 0)"
TEXT, BLACK = "rgb(0, 0, 255)", "rgb(0, 0, 0)"
LIBERATION, COMIC = '"Liberation Sans", sans-serif', '"Comic Neue", sans-serif'
SOLVED = {n: str(n) for n in range(1, 32)} | {32: ""}

# Left, top, width, height in CSS pixels (twips / 15), within the window's
# client area or, for lblcont, optsi, optno and lbltime, within their frame.
GAME = {"Label1": (24, 104, 177, 337), "cmdcomincia": (216, 360, 41, 41), "cmdesci": (312, 360, 41, 41),
        "cmdsoluzione": (240, 408, 89, 33), "Frame2": (224, 104, 121, 57), "lblcont": (8, 24, 89, 25),
        "Frame1": (224, 176, 121, 81), "optsi": (8, 24, 41, 17), "optno": (64, 24, 49, 17),
        "lbltime": (8, 48, 73, 25), "Picture1": (56, 24, 257, 49), "Shape1": (40, 8, 289, 81),
        "Image1": (8, 456, 82, 11)}
END = {"Picture1": (24, 16, 361, 49), "lblmess": (24, 80, 361, 73), "Label2": (120, 160, 169, 25),
       "cmdsi": (120, 200, 73, 25), "cmdno": (216, 200, 73, 25)}

browser = None


def setUpModule():
    global browser
    browser = chromium.browser("--window-size=600,700")


def tearDownModule():
    browser.quit()


class Page(unittest.TestCase):
    build = None  # the directory served

    @classmethod
    def setUpClass(cls):
        cls.httpd, cls.url = chromium.serving(cls.build)

    @classmethod
    def tearDownClass(cls):
        cls.httpd.shutdown()

    def setUp(self):
        browser.get(self.url)
        self.wait(lambda: self.js("return !!document.getElementById('frmgioco-cmd32')"), "the game window")

    def tearDown(self):
        errors = [e["message"] for e in browser.get_log("browser") if e["level"] in ("SEVERE", "WARNING")]
        self.assertEqual(errors, [], "console errors")

    def js(self, script, *args):
        return browser.execute_script(script, *args)

    def wait(self, condition, what):
        WebDriverWait(browser, 10).until(lambda _: condition(), f"no {what} within 10 s")

    def el(self, control, window="frmgioco"):
        return browser.find_element("id", f"{window}-{control}")

    def click(self, control, window="frmgioco"):
        self.el(control, window).click()

    def text(self, control, window="frmgioco"):
        return self.js("return arguments[0].textContent", self.el(control, window))

    def board(self):
        return {n: self.text(f"cmd{n}") for n in range(1, 33)}

    def face(self, n):
        return self.js("return getComputedStyle(arguments[0]).backgroundColor", self.el(f"cmd{n}"))

    def grey(self, n):
        r, g, b = self.face(n)[4:-1].split(", ")
        return r == g == b

    def box(self, control, window):
        # The option's box is its label, which holds the radio input.
        return tuple(self.js("""
            const e = arguments[0].type === 'radio' ? arguments[0].parentElement : arguments[0];
            const r = e.getBoundingClientRect(), p = e.parentElement.getBoundingClientRect();
            return [r.left - p.left, r.top - p.top, r.width, r.height];""", self.el(control, window)))

    def client_size(self, window):
        return tuple(self.js("const r = arguments[0].querySelector('.client').getBoundingClientRect();"
                             "return [r.width, r.height]", browser.find_element("id", window)))

    def windows(self):
        return self.js("return [...document.querySelectorAll('.window')].map(w => w.id)")

    def focused(self):
        return self.js("return document.activeElement.id")

    def keys(self, *keys):
        ActionChains(browser).send_keys(*keys).perform()

    def alt(self, letter):
        ActionChains(browser).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()


class ShippedPage(Page):
    def test_layout_at_load(self):
        self.assertEqual(browser.title, "Lastrino!")
        self.assertEqual(self.client_size("frmgioco"), (369, 474))
        for name, expected in GAME.items():
            self.assertEqual(self.box(name, "frmgioco"), expected, name)
        for n in range(1, 33):
            r, c = (n - 1) // 4, (n - 1) % 4
            self.assertEqual(self.box(f"cmd{n}", "frmgioco"), (32 + 40 * c, 112 + 40 * r, 41, 41), n)
            cell = self.el(f"cmd{n}")
            self.assertEqual(cell.accessible_name, str(n) if n < 32 else "vuota")
            self.assertEqual(cell.get_attribute("aria-description"), f"riga {r + 1}, colonna {c + 1}")
            if n < 32:
                self.assertEqual(self.face(n), BLUE if (r + c) % 2 == 0 else YELLOW, n)
        self.assertEqual(self.board(), SOLVED)
        self.assertTrue(self.grey(32), "the empty cell shows the grey of a button face")

        # Face, text colour and font: Liberation Sans for "MS Sans Serif", Comic Neue for "Comic Sans MS".
        for control, expected in {"Label1": [RED, TEXT, LIBERATION, "13px", "400"],
                                  "Frame2": [PEACH, TEXT, LIBERATION, "16px", "700"],
                                  "cmd1": [BLUE, BLACK, LIBERATION, "24px", "400"],
                                  "cmdsoluzione": [YELLOW, BLACK, COMIC, "13px", "400"]}.items():
            self.assertEqual(self.js("const s = getComputedStyle(arguments[0]);"
                                     "return [s.backgroundColor, s.color, s.fontFamily, s.fontSize, s.fontWeight]",
                                     self.el(control)), expected, control)
        self.assertEqual([self.text(c) for c in ("lblcont", "lbltime", "cmdsoluzione")], ["0", "00:00", "Soluzione"])
        self.assertEqual([self.el(c).accessible_name for c in ("Frame2", "Frame1", "optsi", "optno")],
                         ["Mosse", "Tempo", "Sì", "No"])
        self.assertEqual(self.js("return arguments[0].querySelector('u').textContent", self.el("cmdsoluzione")), "S")
        self.assertEqual([self.el(c).accessible_name for c in ("cmdcomincia", "cmdesci", "Picture1")],
                         ["Comincia", "Esci", "Lastrino!"])
        self.assertEqual(self.el("cmdcomincia").get_attribute("title"), "Comincia")
        self.assertFalse(self.el("cmdaiuto").is_displayed())
        self.assertEqual((self.el("optsi").is_selected(), self.el("optno").is_selected()), (False, True))
        self.assertEqual(self.focused(), "frmgioco-cmdcomincia")

        # A favicon, and nothing from anywhere but this page's own server.
        icon = self.js("return fetch(document.querySelector('link[rel=icon]').href)"
                       ".then(r => r.status + ' ' + r.headers.get('content-type'))")
        self.assertEqual(icon, "200 image/svg+xml")
        self.assertEqual(self.js("return performance.getEntriesByType('resource')"
                                 ".filter(e => !e.name.startsWith(location.origin)).length"), 0)
        self.assertIsNone(self.js("return Module.testTick"), "the shipped page has no test hook")

    def test_tab_order(self):
        order = []
        for _ in range(36):
            self.keys(Keys.TAB)
            order.append(self.focused().removeprefix("frmgioco-"))
        cells = [f"cmd{n}" for n in range(1, 33)]
        self.assertEqual(order, ["cmdsoluzione", "cmdesci"] + cells[:28] + ["Picture1"] + cells[28:] + ["optno"])

    def test_exit(self):
        self.click("cmdesci")
        self.assertEqual(self.windows(), [])
        goodbye = browser.find_element("id", "addio")
        self.assertTrue(goodbye.is_displayed())
        self.assertEqual(self.js("return document.activeElement.textContent"), "Un'altra partita")


class Play(Page):
    def deal(self):
        self.click("cmdcomincia")
        self.assertEqual(self.text("cmd30") + " " + self.text("cmd31"), "31 30")

    def ticks(self, n):
        for _ in range(n):
            self.js("Module.testTick()")

    def win(self):
        # Tile 28 down (28 in place: Help shows), back up, then Help.
        self.deal()
        self.click("cmd28")
        self.assertTrue(self.el("cmdaiuto").is_displayed())
        self.assertEqual(self.el("cmdaiuto").accessible_name, "Aiuto!")
        self.click("cmd32")
        self.click("cmdaiuto")
        self.wait(lambda: self.js("return !!document.getElementById('frmscelta')"), "end window")

    def assert_fresh(self):
        self.assertEqual(self.board(), SOLVED)
        self.assertEqual((self.text("lblcont"), self.text("lbltime")), ("0", "00:00"))
        self.assertEqual((self.el("optno").is_selected(), self.el("optsi").is_enabled()), (True, True))
        self.assertFalse(self.el("cmdaiuto").is_displayed())
        self.assertEqual(self.el("cmdcomincia").accessible_name, "Comincia")

    def test_deal_and_moves_across_row_ends(self):
        self.deal()
        self.assertEqual((self.face(30), self.face(31)), (YELLOW, BLUE))
        self.assertEqual(self.el("cmdcomincia").get_attribute("title"), "Ricomincia")
        self.assertFalse(self.el("optsi").is_enabled())
        self.assertFalse(self.el("cmdaiuto").is_displayed(), "29 in place calls for no Help")
        # (cell clicked, board afterwards as {cell: label}, move count): the
        # empty cell walks left to 29; 28 slides across the row end into it,
        # but 29 never looks back at 28, and no far cell moves.
        for cell, changed, moves in [(31, {31: "", 32: "30"}, "1"), (30, {30: "", 31: "31"}, "2"),
                                     (29, {29: "", 30: "29"}, "3"), (28, {28: "", 29: "28"}, "4"),
                                     (29, {}, "4"), (1, {}, "4"), (24, {24: "", 28: "24"}, "5")]:
            before = self.board()
            self.click(f"cmd{cell}")
            self.assertEqual(self.board(), before | changed, cell)
            self.assertEqual(self.text("lblcont"), moves, cell)
            self.assertEqual(self.focused(), "frmgioco-cmdsoluzione")
        self.assertEqual((self.face(28), self.face(29)), (BLUE, YELLOW), "colours move with their tiles")
        self.assertTrue(self.grey(24))
        self.assertEqual(self.el("cmd24").accessible_name, "vuota")

    def test_timer(self):
        self.ticks(1)
        self.assertEqual(self.text("lbltime"), "00:00", "no tick before a timed game")
        self.click("optsi")
        self.deal()
        self.click("cmd28")
        self.click("cmd32")
        self.ticks(65)
        self.assertEqual(self.text("lbltime"), "01:05")
        self.click("cmdaiuto")
        self.assertEqual(self.text("lblmess", "frmscelta"), "Hai vinto in 3 mosse e con un tempo di 01:05!")
        # The clock runs on behind the end window, whose message stays as it was.
        self.ticks(1)
        self.assertEqual(self.text("lbltime"), "01:06")
        self.assertEqual(self.text("lblmess", "frmscelta"), "Hai vinto in 3 mosse e con un tempo di 01:05!")
        # "Sì": a fresh game window with its timer off, and the end window gone.
        self.click("cmdsi", "frmscelta")
        self.ticks(2)
        self.assert_fresh()
        self.assertEqual(self.windows(), ["frmgioco"])
        self.assertEqual(self.focused(), "frmgioco-cmdcomincia")
        # Solution stops the clock of a timed game.
        self.click("optsi")
        self.deal()
        self.ticks(2)
        self.assertEqual(self.text("lbltime"), "00:02")
        self.click("cmdsoluzione")
        self.ticks(2)
        self.assertEqual(self.text("lbltime"), "00:00")

    def test_win_and_the_end_window(self):
        self.win()
        self.assertEqual(self.text("lblmess", "frmscelta"), "Hai vinto in 3 mosse!")
        self.assertEqual(self.client_size("frmscelta"), (409, 233))
        for name, expected in END.items():
            self.assertEqual(self.box(name, "frmscelta"), expected, name)
        self.assertEqual([self.text(c, "frmscelta") for c in ("caption", "Label2", "cmdsi", "cmdno")],
                         ["Un'altra partita?", "Un'altra partita?", "Sì", "No"])
        self.assertEqual(self.js("return getComputedStyle(arguments[0]).backgroundColor", self.el("cmdsi", "frmscelta")),
                         "rgb(255, 255, 128)")
        self.assertEqual(self.focused(), "frmscelta-cmdsi")
        # The game window stays usable behind it: Start deals anew there.
        self.deal()
        self.assertEqual(self.text("lblmess", "frmscelta"), "Hai vinto in 3 mosse!")
        # It came in front of the end window; a click on the end window's
        # title bar (its icon, which the game window leaves clear) brings that back.
        browser.find_element("css selector", "#frmscelta .icon").click()
        self.assertEqual(self.js("const r = arguments[0].getBoundingClientRect();"
                                 "return document.elementFromPoint(r.x + 2, r.y + 2).closest('button').id",
                                 self.el("cmdsi", "frmscelta")), "frmscelta-cmdsi")

    def test_no_and_closing_the_end_window(self):
        self.win()
        browser.find_element("css selector", "#frmscelta .close").click()
        self.assertEqual(self.windows(), ["frmgioco"])
        self.assertEqual(self.text("lblcont"), "3")
        self.click("cmd31")
        self.click("cmd32")
        self.wait(lambda: self.js("return !!document.getElementById('frmscelta')"), "end window again")
        self.assertEqual(self.text("lblmess", "frmscelta"), "Hai vinto in 5 mosse!")
        self.click("cmdno", "frmscelta")
        self.assertEqual(self.windows(), [])
        self.assertTrue(browser.find_element("id", "addio").is_displayed())

    def test_keyboard_play(self):
        # Space on Start, which has the focus; Tab on past the title picture to cell 31.
        self.keys(Keys.SPACE)
        self.keys(*[Keys.TAB] * 34, Keys.ENTER)
        self.assertEqual((self.text("cmd31"), self.text("cmd32")), ("", "30"))
        self.assertEqual(self.focused(), "frmgioco-cmdsoluzione")
        self.alt("s")
        self.assertEqual(self.board(), SOLVED)
        # A whole game: deal, tile 28 down and up, Help (after the disabled options).
        ActionChains(browser).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).send_keys(Keys.SPACE).perform()
        self.keys(*[Keys.TAB] * 30, Keys.SPACE)
        self.keys(*[Keys.TAB] * 34, Keys.SPACE)
        self.keys(*[Keys.TAB] * 35, Keys.SPACE)
        self.wait(lambda: self.focused() == "frmscelta-cmdsi", "focus on Sì")
        # Alt+S is "&Sì" in the end window, where the focus is.
        self.alt("s")
        self.assertEqual(self.windows(), ["frmgioco"])
        self.assert_fresh()


if __name__ == "__main__":
    ShippedPage.build, Play.build = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
