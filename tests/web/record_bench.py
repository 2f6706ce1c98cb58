#!/usr/bin/python3
"""The page's figures with the career record (scripts/bench-web-record runs
it): New game usable after load, a basho's record written and kept over
stores of 100 and 1,000 careers, 資料館 over 1,000, the page at rest.

A basho's record is timed from the player's closing of the basho's last
evening chart to the store kept in IndexedDB: the end of the basho in the
core, its transaction, the copy of the store's bytes and their put.

usage: record_bench.py URL KELMAR_SIM DATA_DIR
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

import record_test as t  # noqa: E402  (its helpers; it runs nothing on import)

URL, SIM, DATA = sys.argv[1], sys.argv[2], sys.argv[3]
RUNS = 5


def store(careers):
    with tempfile.TemporaryDirectory() as folder:
        for f in os.listdir(DATA):
            if f.endswith(".txt") or f == "Kelmar.hlp":
                shutil.copy(os.path.join(DATA, f), folder)
        subprocess.run([SIM, "--careers", str(careers), "--basho", "1000000", "--clock", "5000,3333",
                        "--record", "Kelmar.db"], cwd=folder, check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(folder, "Kelmar.db"), "rb") as f:
            return f.read()


def median(what, runs, unit="ms", limit=None):
    m = statistics.median(runs)
    verdict = "" if limit is None else ("  (under %g %s)" % (limit, unit) if m < limit else "  (OVER %g %s)" % (limit, unit))
    print(f"{what}: median {m:.1f} {unit} of {', '.join(f'{r:.1f}' for r in runs)}{verdict}", flush=True)


WATCH_CHARTS = """
const { face } = await import(new URL('moments.mjs', location.href).href);
const inner = face.dailyChart;
face.dailyChart = (...a) => inner(...a).then((v) => {
  window.chartClosed = performance.now();
  kelmarRecord.core.runningBasho()?.then(() => kelmarRecord.settled()).then(() => (window.keptAt = performance.now()));
  return v;
});
"""


def basho_written(d, careers, data):
    t.load(d, f"{URL}?clock=4000000,777")
    d.execute_script("return kelmarRecord.importRecord(arguments[0])", list(data))
    t.keys(d, t.Keys.ENTER)
    t.check(d.execute_script("return kelmarRecord.core.recordCareers().length") == careers,
            f"the store of {careers} careers taken")
    d.execute_script(WATCH_CHARTS)
    t.menu(d, "K1")
    t.menu(d, "KN1")
    t.Select(t.q(d, "JuryoList")).select_by_index(3)
    t.q(d, "PlayerOkButton").click()
    runs = []
    for _ in range(RUNS):
        d.execute_script("window.keptAt = null")
        t.play(d)
        t.until(d, lambda: d.execute_script("return window.keptAt !== null"), 10, "the basho kept")
        runs.append(d.execute_script("return window.keptAt - window.chartClosed"))
        t.q(d, "PlayerOkButton").click()  # 次へ
    return runs


def main():
    downloads = tempfile.mkdtemp(prefix="kelmar-bench-")
    d = t.browser(1366, 768, downloads)
    try:
        ready = []
        for _ in range(RUNS):
            d.get(URL)
            t.until(d, lambda: d.execute_script("return document.body.dataset.ready === '1'"), 10, "ready")
            ready.append(d.execute_script(
                "return performance.getEntriesByName('kelmar-ready')[0].startTime"))
        median("New game usable after load", ready, limit=1500)
        stores = {n: store(n) for n in (100, 1000)}
        for n, limit in ((100, 30), (1000, 100)):
            print(f"     a store of {n} careers: {len(stores[n])} bytes", flush=True)
            median(f"a basho's record written and kept, {n} careers", basho_written(d, n, stores[n]), limit=limit)
        # 資料館 over the 1,000 careers now kept, after a reload.
        archive = []
        for _ in range(RUNS):
            t.load(d, URL)
            time.sleep(1)  # as a player's hand comes to the menu
            archive.append(d.execute_script(
                "const s = performance.now(); document.querySelector('[data-name=\"KA2\"]').click();"
                "document.body.offsetHeight; return performance.now() - s"))
        median("資料館 opened over 1,000 careers", archive, limit=300)
        past = []
        for _ in range(RUNS):
            past.append(d.execute_script(
                "const s = performance.now(); document.querySelector('[data-name=\"KH2\"]').click();"
                "document.body.offsetHeight; return performance.now() - s"))
        median("歴代の力士 opened over 1,000 careers", past)
        # At rest: the home, with the store of 1,000 careers kept.
        d.execute_cdp_cmd("Performance.enable", {})
        rest = []
        for _ in range(RUNS):
            before = {m["name"]: m["value"] for m in d.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]}
            time.sleep(2)
            after = {m["name"]: m["value"] for m in d.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]}
            rest.append(100 * (after["TaskDuration"] - before["TaskDuration"]) / 2)
        median("the page at rest", rest, unit="% of a core", limit=2)
    finally:
        d.quit()
    if t.failures:
        sys.exit(1)


main()
