#!/usr/bin/python3
"""The page's figures as an app (scripts/measure-web), in headless Chromium:
  - an offline reload (the server stopped, the network cut) to New game
    usable, in ms from the navigation's start to the page's mark
    kelmar-ready: the median of RUNS reloads;
  - the first start of a fresh profile to New game usable, and when the
    service worker is registered and its precache done, in ms of the same
    clock: the precache begins after New game is usable;
  - the page at rest, as a share of one core over REST seconds: its main
    thread's busy time (Performance.getMetrics) and the CPU of every process
    of the browser (/proc), with the worker in control and at an address
    where the page has none.

usage: measure_app.py PAGE_DIR [RUNS] [REST]
"""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from app_browser import Server, browser, load, until  # noqa: E402

PAGE = sys.argv[1]
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 9
REST = float(sys.argv[3]) if len(sys.argv) > 3 else 10

# Records when the page registers its worker, before the page's own scripts.
WATCH_REGISTER = """
const register = navigator.serviceWorker && navigator.serviceWorker.register.bind(navigator.serviceWorker);
if (register) navigator.serviceWorker.register = (...args) => {
  window.registeredAt = performance.now();
  return register(...args).then((r) => {
    const done = () => (window.precachedAt = performance.now());
    const w = r.installing || r.waiting;
    if (!w) done(); else w.addEventListener('statechange', () => { if (w.state === 'activated') done(); });
    return r;
  });
};
"""


def median_line(what, values, unit="ms"):
    values = sorted(values)
    return (f"{what}: median {statistics.median(values):.1f} {unit} "
            f"(fastest {values[0]:.1f}, slowest {values[-1]:.1f}, {len(values)} runs)")


def first_starts(url):
    ready, registered, precached = [], [], []
    for _ in range(max(3, RUNS // 2)):
        d = browser(1000, 800)
        try:
            d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_REGISTER})
            load(d, url, hooks=False)
            until(d, lambda: d.execute_script("return window.precachedAt !== undefined"), 60, "the precache")
            r, g, p = d.execute_script(
                "return [performance.getEntriesByName('kelmar-ready')[0].startTime, window.registeredAt,"
                " window.precachedAt]")
            ready.append(r)
            registered.append(g - r)
            precached.append(p - r)
        finally:
            d.quit()
    print(median_line("first start to New game usable", ready))
    print(median_line("the worker registered, after New game usable by", registered))
    print(median_line("its precache done, after New game usable by", precached))


def offline_reloads(server, d, url):
    until(d, lambda: d.execute_script(
        "return navigator.serviceWorker.getRegistration().then(r => !!(r && r.active))"), 60, "the worker")
    load(d, url, hooks=False)
    server.stop()
    d.execute_cdp_cmd("Network.enable", {})
    d.execute_cdp_cmd("Network.emulateNetworkConditions",
                      {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    times = [1000 * load(d, url + "?clock=4000000,777", hooks=False) for _ in range(RUNS)]
    print(median_line("offline reload to New game usable", times))
    d.execute_cdp_cmd("Network.emulateNetworkConditions",
                      {"offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    server.start()


def browser_ticks(profile):
    """The CPU ticks of every process of the browser of this profile."""
    total = 0
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                if profile.encode() not in f.read():
                    continue
            with open(f"/proc/{pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total


def at_rest(d, profile, what):
    d.execute_cdp_cmd("Performance.enable", {})
    time.sleep(2)
    metric = lambda: {m["name"]: m["value"] for m in d.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]}
    before, ticks = metric(), browser_ticks(profile)
    time.sleep(REST)
    after, ticks = metric(), browser_ticks(profile) - ticks
    page = (after["TaskDuration"] - before["TaskDuration"]) / REST
    whole = ticks / os.sysconf("SC_CLK_TCK") / REST
    print(f"at rest, {what}: the page's thread {100 * page:.2f}% of a core, "
          f"every process of the browser {100 * whole:.2f}% ({REST:.0f} s)")


def main():
    server = Server(PAGE)
    try:
        first_starts(server.url)
        import tempfile
        profile = tempfile.mkdtemp(prefix="kelmar-chromium-")
        d = browser(1000, 800, profile)
        try:
            load(d, server.url, hooks=False)
            offline_reloads(server, d, server.url)
            load(d, server.url, hooks=False)
            at_rest(d, profile, "the worker in control")
            other = server.other_address()
            if other:
                load(d, other, hooks=False)
                at_rest(d, profile, "no worker (" + other + ")")
        finally:
            d.quit()
    finally:
        server.stop()


main()
