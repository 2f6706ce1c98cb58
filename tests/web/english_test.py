#!/usr/bin/python3
"""Kelmar's page in English, in headless Chromium whose language is English
(scripts/check-web runs it).

Every window opened in English, and the page's text of each checked for
Japanese: a kana or a kanji outside a picture fails (the names players typed
for the top ten, and the language menu's 日本語, are theirs). Each window's
text must fit it at 1366 x 768 and at a phone's 390 x 844. A whole basho
played in English saves the bytes of kelmar-sim; the language changed in the
middle of it from the menu draws the open windows again and changes no byte.
A short career to its end shows the career report and writes kelmar-sim's
Rank.txt. The pictures with words in them are the English ones: the home's
title, and the chart, whose first evening equals the native composition from
the English sheet (board_digest); both drawn again when the language
changes. The screenshots are left in a folder it prints.

usage: english_test.py URL KELMAR_SIM DATA_DIR [BOARD_DIGEST]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from app_browser import browser, check, failures, keys, load, menu, q, shown, until
from app_browser import sim_save

URL, SIM, DATA = sys.argv[1], sys.argv[2], sys.argv[3]
BOARD_DIGEST = sys.argv[4] if len(sys.argv) > 4 else None
PICK, CLOCK = 4, "4000000,777"
SHORT_PICK, SHORT_CLOCK = 5, "3000,2500"  # a career of two basho
SHOTS = tempfile.mkdtemp(prefix="kelmar-english-")
# Hiragana, katakana (full and half width) and the CJK ideographs.
JAPANESE = re.compile("[\u3040-\u30ff\u31f0-\u31ff\uff66-\uff9f\u3400-\u4dbf\u4e00-\u9fff]")
PHONE = {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True}

# The visible texts of the page, with the element that holds each, and the
# elements whose text does not fit them: wider or taller than their box, or
# out of their window.
# Not yet in English, said at every run, never passed in silence: none.
KNOWN_GAPS = []
PAGE_TEXTS = "const KNOWN_GAPS = %s;" % KNOWN_GAPS + r"""
const texts = [], clipped = [];
const skip = (el) => el.closest('[lang="ja"]') || /^lblName/.test(el.dataset.name || "") ||
  KNOWN_GAPS.includes(el.dataset.name);
const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
for (let n; (n = walker.nextNode());) {
  const el = n.parentElement;
  if (!n.textContent.trim() || !el.checkVisibility() || el.closest("svg") && !el.closest(".trajectory")) continue;
  if (!skip(el)) texts.push([el.dataset.name || el.tagName, n.textContent]);
}
for (const el of document.querySelectorAll("[aria-label], [title]"))
  if (el.checkVisibility()) texts.push([el.dataset.name || el.tagName, (el.getAttribute("aria-label") || "") + (el.title || "")]);
texts.push(["title", document.title]);
// A text is clipped when its glyphs pass the edge of its box or of what
// holds it (its window, or a menu's list of items).
for (const el of document.querySelectorAll(".window .label, .window button, .menubar button, .menubar .title, .window .caption span"))
  if (el.checkVisibility() && el.textContent.trim()) {
    const range = document.createRange();
    range.selectNodeContents(el);
    const text = range.getBoundingClientRect(), box = el.getBoundingClientRect();
    const holder = el.closest(".items, .window, .menubar, #phoneBar").getBoundingClientRect();
    const right = Math.min(box.right, holder.right), bottom = Math.min(box.bottom, holder.bottom);
    if (text.right > right + 1 || text.bottom > bottom + 1 || text.left < Math.max(box.left, holder.left) - 1)
      clipped.push(`${el.dataset.name || el.tagName} "${el.textContent.slice(0, 40)}"`);
  }
return [texts, clipped];
"""


def english(d, what):
    """The page's visible text has no Japanese, and every text fits."""
    texts, clipped = d.execute_script(PAGE_TEXTS)
    japanese = [f"{name}: {text.strip()[:50]}" for name, text in texts if JAPANESE.search(text)]
    check(not japanese, f"{what}: no Japanese on the page {japanese[:6]}")
    check(not clipped, f"{what}: no text clipped {clipped[:6]}")


def as_phone(d, on):
    if on:
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", PHONE)
        d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
    else:
        d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
    time.sleep(0.3)


def look(d, what, shot=None):
    """Checked at both sizes, with a screenshot of each when named."""
    english(d, what + " at 1366 x 768")
    if shot:
        d.save_screenshot(os.path.join(SHOTS, f"{shot}-1366x768.png"))
    as_phone(d, True)
    english(d, what + " at 390 x 844")
    if shot:
        d.save_screenshot(os.path.join(SHOTS, f"{shot}-390x844.png"))
    as_phone(d, False)


def title_follows_language(d):
    """The home's title is title-en.bmp, title.bmp after 日本語 from the menu,
    and title-en.bmp again."""
    digest = lambda: d.execute_script("return kelmarTest.titleDigest()")
    picture = lambda name: d.execute_script("return kelmarTest.pixelsDigest(arguments[0])", name)
    english_title, japanese_title = picture("title-en.bmp"), picture("title.bmp")
    check(english_title is not None and english_title != japanese_title and digest() == english_title,
          "the home shows the English title picture")
    menu(d, "LangJa")
    check(digest() == japanese_title, "日本語 from the menu: the home shows title.bmp")
    menu(d, "LangEn")
    check(digest() == english_title, "English again: the home shows title-en.bmp")


def chart_follows_language(d):
    """The chart opened from the menu drawn again from the other sheet when
    the language changes, and as it was when it changes back."""
    digest = lambda: d.execute_script("return kelmarTest.canvasDigest('Chart')")
    english_chart = digest()
    menu(d, "LangJa")
    japanese_chart = digest()
    check(japanese_chart != english_chart and JAPANESE.search(q(d, "lblTitle", "frmStage").text),
          "日本語 from the menu: the open chart drawn again from 力士.bmp")
    menu(d, "LangEn")
    check(digest() == english_chart, "English again: the chart as it was")
    d.save_screenshot(os.path.join(SHOTS, "chart-menu-1366x768.png"))


def first_chart_is_native(d):
    """The first evening's chart, pixel for pixel as canvas/ composes it
    natively from the English sheet for the same clock."""
    if not BOARD_DIGEST:
        return
    with tempfile.TemporaryDirectory() as folder:
        for f in os.listdir(DATA):
            shutil.copy(os.path.join(DATA, f), folder)
        native = dict(line.split() for line in subprocess.run(
            [BOARD_DIGEST, str(PICK), *CLOCK.split(","), "en"], cwd=folder, check=True,
            capture_output=True, text=True).stdout.splitlines())
    page = d.execute_script("return kelmarTest.firstPictures")
    check(page.get("chart") == int(native["chart"], 16),
          f"the first evening's chart is the English sheet's, as composed natively ({native['chart']})")


def switch_midway(d):
    """日本語 and back from the menu while the tactic window waits: the open
    window and the main window drawn again, the choice kept."""
    before = q(d, "lblNameOfwres", "frmStrategy").text
    menu(d, "LangJa")
    check(q(d, "KN1").get_attribute("textContent").startswith("新しいゲーム") and
          d.execute_script("return document.documentElement.lang") == "ja",
          "日本語 from the menu: the menus in Japanese, <html lang=ja>")
    check("日目" in q(d, "lblBasyo").text and q(d, "Button1", "frmStrategy").text == "突き放し",
          f"the day's caption and the open tactic window drawn again in Japanese ({q(d, 'lblBasyo').text})")
    check(JAPANESE.search(q(d, "lblNameOfwres", "frmStrategy").text) is not None,
          f"the opponent's name in Japanese again ({before} -> {q(d, 'lblNameOfwres', 'frmStrategy').text})")
    menu(d, "LangEn")
    check(q(d, "lblNameOfwres", "frmStrategy").text == before, f"English again: {before}")
    check(d.execute_script("return localStorage.getItem('kelmar.language')") == "en", "the choice kept")


def switch_panel(d):
    """日本語 and back while the new-career panel is up: its list and its pick
    drawn again, the pick kept."""
    name = q(d, "NameLabel").text
    first = lambda: d.execute_script("return arguments[0].options[0].text", q(d, "JuryoList"))
    menu(d, "LangJa")
    check(JAPANESE.search(first()) is not None and q(d, "NameLabel").text.startswith("しこな：") and
          d.execute_script("return arguments[0].selectedIndex", q(d, "JuryoList")) == PICK - 1,
          f"the panel in Japanese, the pick kept ({first()}, {q(d, 'NameLabel').text})")
    menu(d, "LangEn")
    check(q(d, "NameLabel").text == name and JAPANESE.search(first()) is None,
          f"the panel in English again ({name}, {first()})")


def play_basho(d, seen):
    """Every window of a basho answered with the keys until Next is offered;
    each window looked at the first time it opens."""
    windows = {"frmPaper": Keys.ENTER, "frmStrategy": "1", "frmStage": Keys.ENTER, "frmReport": Keys.ENTER}
    shots = {"frmPaper": "newspaper", "frmStrategy": "tactic", "frmStage": "chart"}
    end = time.time() + 150
    while time.time() < end:
        if "Day 2" in q(d, "lblBasyo").text and "checked" in q(d, "K1").get_attribute("class"):
            menu(d, "K1")
        ok = q(d, "PlayerOkButton")
        if ok.is_displayed() and ok.is_enabled() and q(d, "KS1").is_enabled() and \
                d.execute_script("return document.querySelector('#modalShade').hidden"):
            return
        for w, key in windows.items():
            if shown(d, w):
                if w not in seen:
                    seen.add(w)
                    look(d, w, shots.get(w))
                    if w == "frmStrategy":
                        switch_midway(d)
                keys(d, key)
                time.sleep(0.03)
                break
        else:
            time.sleep(0.02)
    check(False, "the basho ended in time")


def switch_cover(d):
    """The cover's biography in English, its pieces placed and the shikona in
    romaji; 日本語 and back from the menu while it is open draws it, the
    trajectory's legend and the basho table again."""
    menu(d, "KC1")
    if not until(d, lambda: shown(d, "Cover"), 5, "KC1 opens the cover"):
        return
    name = q(d, "CoverName").text
    biography = q(d, "CoverBiography").text
    check(re.match(rf"{re.escape(name)} made (a winning|his) debut as an? \w+ in the \w+ \d{{4}} basho, going \d+-\d+\.",
                   biography) is not None and JAPANESE.search(name) is None,
          f"the biography in English, the shikona in romaji ({biography[:120]})")
    rank = lambda: d.execute_script(
        "return document.querySelector('[data-name=\"BashoTable\"] tbody td:nth-child(2)').textContent")
    legend = lambda: d.execute_script("return document.querySelector('[data-name=\"Trajectory\"]').textContent")
    english_rank = rank()
    menu(d, "LangJa")
    check("初土俵" in q(d, "CoverBiography").text and "（" in rank() and JAPANESE.search(rank()),
          f"日本語: the biography and the basho table drawn again ({rank()})")
    check("横綱" in legend(), "日本語: the trajectory's legend drawn again")
    menu(d, "LangEn")
    check(q(d, "CoverBiography").text == biography and rank() == english_rank and "Yokozuna" in legend(),
          f"English again: the biography and the ranks ({english_rank})")
    d.execute_script("document.querySelector('[data-name=\"frmCareerRecord\"] .close').click()")


def open_windows(d):
    """The windows of the menus after a basho, one after the other."""
    for item, window, shot in [("KB1", "frmStage", None), ("KT2", "frmBest10", "top-ten"),
                               ("KA1", "AboutForm", "about"), ("KP1", "HelpWindow", "help"),
                               ("KC1", "frmCareerRecord", "cover"), ("KH2", "frmPastCareers", "past"),
                               ("KA2", "frmArchive", "archive")]:
        menu(d, item)
        if not until(d, lambda: shown(d, window), 5, f"{item} opens {window}"):
            continue
        look(d, window, shot)
        if window == "frmStage":
            chart_follows_language(d)
        close = d.execute_script(
            "const w = document.querySelector(`[data-name='${arguments[0]}']`);"
            "return !!w.querySelector('.close')", window)
        if close:
            d.execute_script(f"document.querySelector('[data-name=\"{window}\"] .close').click()")
    # The File menu open, and the Options menu with its submenus.
    for title in ("File1", "KR1", "KO1", "KH1"):
        d.execute_script(f"document.querySelector('[data-name=\"{title}\"] > .title').click()")
        for sub in ("FilmPaceMenu", "LanguageMenu"):
            if title == "KO1":
                d.execute_script(f"document.querySelector('[data-name=\"{sub}\"] > .title').click()")
        english(d, f"the menu {title}")
        d.execute_script("document.body.click()")


def short_career(d):
    """A career of two basho to its end: the opponent report asked once, the
    career report, and the top ten's question answered with Escape."""
    load(d, f"{URL}?clock={SHORT_CLOCK}")
    menu(d, "K1")
    menu(d, "KN1")
    Select(q(d, "JuryoList")).select_by_index(SHORT_PICK - 1)
    english(d, "the panel of a new career")
    q(d, "PlayerOkButton").click()
    asked = retired = reported = False
    end = time.time() + 120
    while time.time() < end and not asked:
        if shown(d, "NameDialog"):
            asked = True
            look(d, "the top ten's name question")
            caption = q(d, "NameCaption", "NameDialog").text
            menu(d, "LangJa")
            check(q(d, "NameCaption", "NameDialog").text == "おめでとう" and
                  q(d, "NamePrompt", "NameDialog").text == "名前は？",
                  "the open name question drawn again in Japanese")
            menu(d, "LangEn")
            check(q(d, "NameCaption", "NameDialog").text == caption, f"and in English again ({caption})")
            keys(d, Keys.ESCAPE)
        elif shown(d, "frmReport"):
            if "retires" in q(d, "Label1", "frmReport").text and not retired:
                retired = True
                look(d, "the career report", "career-report")
            elif not reported:
                reported = True
                look(d, "the opponent report", "opponent-report")
            keys(d, Keys.ENTER)
        elif shown(d, "frmStrategy"):
            keys(d, "1")
        elif any(shown(d, w) for w in ("frmPaper", "frmStage")):
            keys(d, Keys.ENTER)
        elif q(d, "PlayerOkButton").is_displayed() and q(d, "PlayerOkButton").is_enabled():
            keys(d, Keys.ENTER)
        time.sleep(0.02)
    check(retired and asked, f"the career report ({retired}) and the name question ({asked})")
    until(d, lambda: shown(d, "HomeFace") and shown(d, "Cover"), 10, "the cover after the career")
    look(d, "the cover at the career's end")
    until(d, lambda: d.execute_script(
        "kelmarTest.keptFile('Rank.txt').then(b => window.rank = b ? Array.from(b) : null); return window.rank != null"),
        5, "Rank.txt kept")
    return bytes(d.execute_script("return window.rank") or [])


def sim_rank_file():
    """The Rank.txt kelmar-sim writes for the short career."""
    with tempfile.TemporaryDirectory() as folder:
        for f in os.listdir(DATA):
            if f.endswith(".txt") or f == "Kelmar.hlp":
                shutil.copy(os.path.join(DATA, f), folder)
        subprocess.run([SIM, "--files", "--pick", str(SHORT_PICK), "--tactic", "1", "--clock", SHORT_CLOCK,
                        "--careers", "1"], cwd=folder, check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        with open(os.path.join(folder, "Rank.txt"), "rb") as f:
            return f.read()


def main():
    d = browser(1366, 768, language="en")
    try:
        load(d, f"{URL}?clock={CLOCK}")
        check(d.execute_script("return [navigator.language, document.documentElement.lang]") == ["en", "en"],
              "an English browser opens the page in English, <html lang=en>")
        look(d, "the home", "home")
        title_follows_language(d)
        menu(d, "FilmPace3")
        menu(d, "KN1")
        Select(q(d, "JuryoList")).select_by_index(PICK - 1)
        look(d, "the panel of a new career")
        switch_panel(d)
        q(d, "PlayerOkButton").click()
        seen = set()
        play_basho(d, seen)
        check({"frmPaper", "frmStrategy", "frmStage"} <= seen, f"the basho's windows shown ({sorted(seen)})")
        first_chart_is_native(d)
        check(q(d, "PlayerOkButton").text == "Next" and "Score" in q(d, "lblMyP").text,
              f"Next and the score after the basho ({q(d, 'lblMyP').text})")
        look(d, "the main window after the basho")
        menu(d, "KS1")
        until(d, lambda: d.execute_script(
            "kelmarTest.keptFile('Kelmar.ini').then(b => window.kept = b ? Array.from(b) : null);"
            "return window.kept != null"), 5, "the save kept")
        page_save = bytes(d.execute_script("return window.kept"))
        expected = sim_save(SIM, DATA, CLOCK)
        check(page_save == expected,
              f"a basho in English saves kelmar-sim's Kelmar.ini ({len(page_save)} and {len(expected)} bytes)")
        open_windows(d)
        switch_cover(d)
        # ?lang=ja for one visit: Japanese, and the kept choice unchanged.
        load(d, f"{URL}?lang=ja")
        check(q(d, "KN1").get_attribute("textContent").startswith("新しいゲーム") and
              d.execute_script("return localStorage.getItem('kelmar.language')") == "en",
              "?lang=ja shows Japanese for the visit and keeps the choice English")
        page_rank = short_career(d)
        sim_rank = sim_rank_file()
        check(page_rank == sim_rank, f"a career in English writes kelmar-sim's Rank.txt ({len(page_rank)} bytes)")
        severe = [e for e in d.get_log("browser") if e["level"] == "SEVERE"]
        check(not severe, f"no error in the console {severe}")
    finally:
        d.quit()
    print(f"     the screenshots are in {SHOTS}")
    if KNOWN_GAPS:
        print(f"todo not checked, still in Japanese: {', '.join(KNOWN_GAPS)}")
    if failures:
        print(f"{len(failures)} failure(s)")
        sys.exit(1)
    print("the page speaks English")


if __name__ == "__main__":
    main()
