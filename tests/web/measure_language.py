#!/usr/bin/python3
"""The page's ready time in each language, side by side (scripts/measure-web
may run it): reloads of one browser alternating ?lang=ja and ?lang=en, each
timed from the navigation's start to the page's mark kelmar-ready; the
medians, and English as a share of Japanese.

usage: measure_language.py URL [RUNS]
"""
import os
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from app_browser import browser, load  # noqa: E402

URL = sys.argv[1]
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 15


def main():
    times = {"ja": [], "en": []}
    d = browser(1366, 768)
    try:
        load(d, URL, hooks=False)  # the first load fills the browser's cache
        for run in range(2 * RUNS):
            language = ("ja", "en")[run % 2]
            times[language].append(1000 * load(d, f"{URL}?clock=4000000,777&lang={language}", hooks=False))
    finally:
        d.quit()
    medians = {k: statistics.median(v) for k, v in times.items()}
    for language, values in times.items():
        print(f"ready in {language}: median {medians[language]:.1f} ms "
              f"(fastest {min(values):.1f}, slowest {max(values):.1f}, {len(values)} runs)")
    print(f"English takes {100 * medians['en'] / medians['ja']:.1f}% of the Japanese ready time")


if __name__ == "__main__":
    main()
