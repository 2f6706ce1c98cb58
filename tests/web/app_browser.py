"""The browser and the server of the page's tests (play_test.py,
record_test.py, app_test.py, phone_test.py, english_test.py) and of
scripts/measure-web: headless Chromium with a profile of its own, the page
served by serve.py on a free port (stopped and started again for the offline
cases), the page's windows found by name, and the checks' record."""
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

from selenium import webdriver
from selenium.common.exceptions import NoSuchElementException, WebDriverException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

HERE = os.path.dirname(os.path.abspath(__file__))
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


class Server:
    """serve.py on a port of 127.0.0.1 kept across stops."""

    def __init__(self, page, host="127.0.0.1"):
        self.page, self.host, self.port = page, host, free_port()
        self.url = f"http://{host}:{self.port}/"
        self.process = None
        self.others = []
        self.start()

    def start(self):
        self.process = subprocess.Popen([sys.executable, os.path.join(HERE, "serve.py"), str(self.port),
                                         self.page, self.host])
        for _ in range(100):
            try:
                urllib.request.urlopen(self.url, timeout=1)
                return
            except OSError:
                time.sleep(0.05)
        raise RuntimeError("the test's server did not start")

    def stop(self):
        if self.process:
            self.process.terminate()
            self.process.wait()
            self.process = None
        for other in self.others:
            other.stop()
        self.others = []

    def other_address(self):
        """The page at an address of this machine other than the loopback's
        (no secure context), or None."""
        try:
            ip = subprocess.run(["hostname", "-I"], capture_output=True, text=True).stdout.split()
        except OSError:
            return None
        ip = [a for a in ip if "." in a and not a.startswith("127.")]
        if not ip:
            return None
        other = Server(self.page, ip[0])
        self.others.append(other)
        return other.url


def browser(width, height, profile=None, language="ja", downloads=None):
    """Downloads, when a folder is given, go there without a question."""
    o = Options()
    o.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
    for a in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
              "--disable-component-update", "--disable-sync", "--no-first-run",
              "--user-data-dir=" + (profile or tempfile.mkdtemp(prefix="kelmar-chromium-")),
              f"--window-size={width},{height}", f"--lang={language}"]:
        o.add_argument(a)
    # The browser's language: the page follows it (Japanese unless a test asks).
    prefs = {"intl.accept_languages": language}
    if downloads:
        prefs.update({"download.default_directory": downloads, "download.prompt_for_download": False})
    o.add_experimental_option("prefs", prefs)
    o.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    d = webdriver.Chrome(service=Service(shutil.which("chromedriver") or "/usr/bin/chromedriver"),
                         options=o)
    d.set_script_timeout(30)
    if downloads:
        d.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": downloads})
    return d


def until(d, condition, seconds, what):
    """Whether `condition` held within `seconds`; a page that is loading
    meanwhile holds nothing."""
    end = time.time() + seconds
    while time.time() < end:
        try:
            if condition():
                return True
        except WebDriverException:
            pass
        time.sleep(0.02)
    check(False, what + " (timed out)")
    return False


def q(d, name, within=None):
    css = f'[data-name="{name}"]'
    if within:
        css = f'[data-name="{within}"] ' + css
    return d.find_element(By.CSS_SELECTOR, css)


def shown(d, name, within=None):
    try:
        return q(d, name, within).is_displayed()
    except NoSuchElementException:
        return False


# The test's hooks, served beside the page by serve.py only: each module and
# the global it sets.
HOOKS = {"tests/hooks.mjs": "kelmarTest", "tests/record_hooks.mjs": "kelmarRecord"}


def load(d, address, hooks=True, record=False):
    """The page loaded; the seconds from the navigation's start to New game
    usable (the page's mark kelmar-ready); then the test's hooks injected:
    window.kelmarTest, and with `record` window.kelmarRecord too."""
    d.get(address)
    if not until(d, lambda: d.execute_script("return document.body.dataset.ready === '1'"), 10, "the page ready"):
        return None
    ready = d.execute_script("return performance.getEntriesByName('kelmar-ready')[0].startTime") / 1000
    if hooks:
        modules = list(HOOKS)[:2 if record else 1]
        d.execute_script(
            "for (const m of arguments[0]) {"
            "  const s = document.createElement('script'); s.type = 'module';"
            "  s.src = new URL(m, location.href).href; document.head.append(s); }", modules)
        until(d, lambda: d.execute_script("return arguments[0].every((g) => window[g] !== undefined)",
                                          [HOOKS[m] for m in modules]), 5, "the test's hooks")
    return ready


def menu(d, name):
    d.execute_script(f"document.querySelector('[data-name=\"{name}\"]').click()")


def keys(d, *ks):
    ActionChains(d).send_keys(*ks).perform()


def sim_save(sim, data, clock):
    """The Kelmar.ini kelmar-sim writes after a first basho of pick 4."""
    with tempfile.TemporaryDirectory() as folder:
        for f in os.listdir(data):
            if f.endswith(".txt") or f == "Kelmar.hlp":
                shutil.copy(os.path.join(data, f), folder)
        subprocess.run([sim, "--pick", "4", "--tactic", "1", "--clock", clock, "--basho", "1",
                        "--save-after", "1"], cwd=folder, check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(folder, "Kelmar.ini"), "rb") as f:
            return f.read()
