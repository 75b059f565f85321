"""A headless Chromium on a page served from 127.0.0.1, for the tests, the
screenshot and the load benchmark. Debian's chromium, chromium-driver and
python3-selenium; run with Debian's /usr/bin/python3."""
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

import serve

# As root Chromium runs only without its sandbox; nothing of its own goes out.
FLAGS = ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync")


def browser(*flags):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS + flags + ("--user-data-dir=" + tempfile.mkdtemp(),):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def serving(directory):
    """Serves directory in a thread; returns the server and the page's address."""
    httpd = serve.server(directory)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    return httpd, f"http://127.0.0.1:{httpd.server_address[1]}/"
