"""A Chromium, headless unless asked, on a page served from 127.0.0.1, for the
tests, the screenshot and the benchmarks. Debian's chromium, chromium-driver and
python3-selenium; run with Debian's /usr/bin/python3."""
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

import serve

# As root Chromium runs only without its sandbox; nothing of its own goes out.
FLAGS = ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync")


def browser(*flags, headless=True):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS[not headless:] + flags + ("--user-data-dir=" + tempfile.mkdtemp(),):
        options.add_argument(flag)
    if not headless:  # as a player's browser, whose hidden tabs are throttled (chromedriver turns that off)
        options.add_experimental_option("excludeSwitches", ["disable-background-timer-throttling",
                                                            "disable-backgrounding-occluded-windows"])
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def serving(directory):
    """Serves directory in a thread; returns the server and the page's address."""
    httpd = serve.server(directory)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    return httpd, f"http://127.0.0.1:{httpd.server_address[1]}/"
