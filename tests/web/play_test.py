#!/usr/bin/python3
"""Kelmar's page in headless Chromium (scripts/check-web runs it).

Plays a whole basho of a new career with the keys, saves it, and checks that
the exported Kelmar.ini has the bytes kelmar-sim writes for the same pick,
tactics and clock; reloads the page and resumes the game. Then the refusal of
files that are no saved game, the scale on a phone, a quiet page at rest, and
on the phone's touch screen a new game up to its first tactic by taps only.

usage: play_test.py URL KELMAR_SIM DATA_DIR [BOARD_DIGEST]
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from app_browser import browser, check, failures, keys, load, menu, q, shown, until  # noqa: E402

URL, SIM, DATA = sys.argv[1], sys.argv[2], sys.argv[3]
BOARD_DIGEST = sys.argv[4] if len(sys.argv) > 4 else None
PICK, CLOCK = 4, "4000000,777"
SHORT_PICK, SHORT_CLOCK = 5, "3000,2500"  # a career of two basho
def tap(d, element, what, event="click"):
    """A finger's tap at the centre of `element`, as a phone's screen sends
    it: a touch start and end, no mouse. getBoundingClientRect has the page's
    scale in it. The element there must be the one meant (nothing covers it),
    and the tap must reach it as a click (a list's line: as a change)."""
    x, y, hit = d.execute_script(
        "const [e, event] = arguments; e.scrollIntoView({block: 'nearest'}); const r = e.getBoundingClientRect();"
        "const x = r.left + r.width / 2, y = r.top + r.height / 2;"
        "const at = document.elementFromPoint(x, y);"
        "window.reached = [];"
        "document.addEventListener(event, (c) => window.reached.push(c.target), {capture: true, once: true});"
        "return [x, y, at !== null && (at === e || e.contains(at))];", element, event)
    check(hit, f"{what} under the finger at ({x:.0f}, {y:.0f})")
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
    until(d, lambda: d.execute_script(
        "const e = arguments[0];"
        "return window.reached.some((t) => e.contains(t) || (t.tagName === 'SELECT' && t.contains(e)))",
        element), 2, f"the tap on {what} a {event}")


def play_basho(d):
    """Answers every window of a basho with the keys until 次へ is offered."""
    ok = lambda: q(d, "PlayerOkButton")
    windows = {"frmPaper": Keys.ENTER, "frmStrategy": "1", "frmStage": Keys.ENTER,
               "frmReport": Keys.ENTER}
    tactics = 0
    end = time.time() + 120
    filmed_days = 0
    paused = False
    film = lambda: d.execute_script(
        "return document.querySelector('[data-name=\"Image1\"]').toDataURL()")
    while time.time() < end:
        # The pause button stops the film where it is; a second press goes on.
        if not paused and shown(d, "Image1") and not shown(d, "frmStrategy"):
            paused = True
            q(d, "btnStop").click()
            check(q(d, "btnStop").text == "再開", "btnStop pauses the film")
            before = film()
            time.sleep(0.6)
            check(film() == before and shown(d, "Image1"), "a paused film stands still")
            q(d, "btnStop").click()
            check(q(d, "btnStop").text == "停止", "btnStop lets the film go on")
        # The films of the first day run; then the animation is switched off
        # (K1), to keep the test short: the rules draw the same.
        if filmed_days == 0 and "2日目" in q(d, "lblBasyo").text:
            filmed_days = 1
            menu(d, "K1")
        if ok().is_displayed() and ok().is_enabled() and shown(d, "KS1") is not None and \
                not d.execute_script("return document.querySelector('#modalShade').hidden === false") and \
                q(d, "KS1").is_enabled():
            return tactics
        for w, key in windows.items():
            if shown(d, w):
                if w == "frmStrategy":
                    tactics += 1
                keys(d, key)
                time.sleep(0.03)
                break
        else:
            time.sleep(0.02)
    check(False, "the basho ended in time")
    return tactics


def play_by_taps(d):
    """A new game on a phone's screen, by taps only: the menu, the pick, Ok,
    the paper, the windows of the first day up to a tactic chosen."""
    def title(name):
        # The phone's layout has the menu behind one button: opened first.
        button = d.find_elements(By.ID, "phoneMenu")
        if button and button[0].is_displayed() and "open" not in q(d, "MainMenu1").get_attribute("class"):
            tap(d, button[0], "the menu's button")
        return d.find_element(By.CSS_SELECTOR, f'[data-name="{name}"] > .title')
    # The quickest film through the menu and its submenu.
    tap(d, title("KO1"), "the オプション menu")
    tap(d, title("FilmPaceMenu"), "the フィルムの速さ submenu")
    tap(d, q(d, "FilmPace3"), "とても速い")
    check(d.execute_script("return localStorage.getItem('kelmar.filmPace')") == "veryFast",
          "a tap chooses the film's pace")
    check(not d.find_elements(By.CSS_SELECTOR, ".menu.open, .submenu.open"), "the menu closed after the tap")
    # No films, to come to the tactic window soon.
    tap(d, title("KO1"), "the オプション menu")
    tap(d, q(d, "K1"), "アニメーション")
    check("checked" not in q(d, "K1").get_attribute("class"), "a tap switches the animation off")
    tap(d, title("File1"), "the ﾌｧｲﾙ menu")
    check(q(d, "KN1").is_displayed(), "a tap opens the ﾌｧｲﾙ menu")
    tap(d, q(d, "KN1"), "新しいゲーム")
    check(shown(d, "JuryoList"), "a tap on 新しいゲーム offers the list")
    # A tap on a line of the list changes the pick: browsers send no click
    # for it, only the change. All five lines show, as on the desktop.
    lines = d.execute_script(
        "const s = arguments[0], r = s.getBoundingClientRect(), o = s.options[4].getBoundingClientRect();"
        "return [o.bottom - r.top, r.height, o.height * 430 / 390]", q(d, "JuryoList"))
    check(lines[0] <= lines[1] and abs(lines[2] - 16) < 0.1,
          f"five lines of 16 pixels in JuryoList on the phone ({lines})")
    tap(d, q(d, "JuryoList").find_elements(By.TAG_NAME, "option")[PICK - 1], f"line {PICK} of JuryoList",
        "change")
    check(d.execute_script("return arguments[0].selectedIndex", q(d, "JuryoList")) == PICK - 1,
          f"a tap picks line {PICK} of JuryoList")
    check("しこな：" != q(d, "NameLabel").text and q(d, "PlayerOkButton").is_enabled(),
          f"the tapped pick shown ({q(d, 'NameLabel').text})")
    tap(d, q(d, "PlayerOkButton"), "PlayerOkButton")
    until(d, lambda: shown(d, "frmPaper"), 10, "the paper after Ok")
    tap(d, q(d, "Ok", "frmPaper"), "the paper's Ok")
    check(not shown(d, "frmPaper"), "a tap closes the paper")
    # The board scaled to the phone's width, its windows inside it.
    width = d.execute_script("return document.documentElement.clientWidth")
    scroll = d.execute_script("return document.documentElement.scrollWidth")
    right = d.execute_script(
        "return document.querySelector('[data-name=\"frmKelmar\"]').getBoundingClientRect().right")
    scale = float(d.execute_script("return document.getElementById('stage').dataset.scale"))
    check(scroll <= width and right <= 390.5 and abs(scale - 390 / 430) < 1e-9,
          f"the board of the game scaled to the phone (scale {scale:.3f}, right edge {right:.1f}, "
          f"scroll {scroll} of {width})")
    # The windows of the first day answered by taps up to its first tactic.
    buttons = {"frmPaper": "Ok", "frmStage": "btnClose", "frmReport": "Button1"}
    end = time.time() + 30
    while time.time() < end and not shown(d, "frmStrategy"):
        for w, button in buttons.items():
            if shown(d, w):
                tap(d, q(d, button, w), f"{button} of {w}")
                break
        time.sleep(0.02)
    if not until(d, lambda: shown(d, "frmStrategy"), 1, "the tactic window"):
        return
    box = d.execute_script(
        "return document.querySelector('[data-name=\"frmStrategy\"]').getBoundingClientRect().toJSON()")
    check(box["left"] >= 0 and box["right"] <= 390.5, f"the tactic window inside the phone ({box})")
    d.save_screenshot(os.path.join(tempfile.gettempdir(), "kelmar-phone-taps.png"))
    tap(d, q(d, "Button2", "frmStrategy"), "立会い変化")
    check(not shown(d, "frmStrategy"), "a tap on 立会い変化 answers the tactic window")


def sim_file(name, *args):
    """The file `name` that kelmar-sim writes with `args` in a fresh folder."""
    with tempfile.TemporaryDirectory() as folder:
        for f in os.listdir(DATA):
            if f.endswith(".txt") or f == "Kelmar.hlp":
                shutil.copy(os.path.join(DATA, f), folder)
        subprocess.run([SIM, *args], cwd=folder, check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        with open(os.path.join(folder, name), "rb") as f:
            return f.read()


def console_errors(d):
    return [e for e in d.get_log("browser") if e["level"] == "SEVERE"]


def main():
    downloads = tempfile.mkdtemp(prefix="kelmar-downloads-")
    d = browser(1000, 800, downloads=downloads)
    try:
        ready = load(d, f"{URL}?clock={CLOCK}")
        print(f"     ready in {ready:.2f} s", flush=True)
        # The core draws from the game's own bitmaps, byte for byte.
        for name in ("力士", "On", "Off", "oshi", "hiki", "nage", "a", "m"):
            with open(os.path.join(DATA, name + ".bmp"), "rb") as f:
                h = 0x811c9dc5
                for byte in f.read():
                    h = ((h ^ byte) * 0x01000193) & 0xFFFFFFFF
            check(d.execute_script("return kelmarTest.pictureDigest(arguments[0])", name) == h,
                  f"the page's game folder has the bytes of {name}.bmp")
        check(ready < 3, "New game usable within 3 s")
        # The quickest film, to keep the test short; the rules are the same.
        menu(d, "FilmPace3")
        check(d.execute_script("return localStorage.getItem('kelmar.filmPace')") == "veryFast",
              "the film's pace kept in local storage")
        menu(d, "KN1")
        check(q(d, "JuryoList").tag_name == "select", "JuryoList is a <select>")
        Select(q(d, "JuryoList")).select_by_index(PICK - 1)
        check(q(d, "PlayerOkButton").is_enabled(), "a pick enables Ok")
        q(d, "PlayerOkButton").click()
        tactics = play_basho(d)
        check(not failures, "the basho played without a failure")
        check(tactics >= 1, f"the tactic window was answered with the keys ({tactics} bouts)")
        if BOARD_DIGEST:
            # The day card with its lamps and the chart, pixel for pixel as
            # the core's canvas/ composes them natively for the same clock.
            with tempfile.TemporaryDirectory() as folder:
                for f in os.listdir(DATA):
                    shutil.copy(os.path.join(DATA, f), folder)
                native = dict(line.split() for line in subprocess.run(
                    [BOARD_DIGEST, str(PICK), *CLOCK.split(",")], cwd=folder, check=True,
                    capture_output=True, text=True).stdout.splitlines())
            page = d.execute_script("return kelmarTest.firstPictures")
            for what in ("board", "chart"):
                check(page.get(what) == int(native[what], 16),
                      f"the page's first {what} equals the native composition ({native[what]})")
        check(q(d, "PlayerOkButton").text == "次へ", "次へ after the basho")
        check("得点" in q(d, "lblMyP").text, "the score shown")

        menu(d, "KS1")
        if shown(d, "ErrorBox"):
            check(False, "save: " + q(d, "ErrorText").text)
        until(d, lambda: d.execute_script(
            "kelmarTest.keptFile('Kelmar.ini').then(b => window.kept = b ? b.length : 0); return window.kept > 0"),
            5, "the save kept in IndexedDB")
        menu(d, "ExportSave")
        exported = os.path.join(downloads, "Kelmar.ini")
        until(d, lambda: os.path.exists(exported) and os.path.getsize(exported) > 0, 10,
              "Kelmar.ini downloaded")
        with open(exported, "rb") as f:
            page_save = f.read()
        expected = sim_file("Kelmar.ini", "--pick", str(PICK), "--tactic", "1", "--clock", CLOCK,
                            "--basho", "1", "--save-after", "1")
        check(page_save == expected,
              f"the exported Kelmar.ini ({len(page_save)} bytes) equals kelmar-sim's ({len(expected)} bytes)")
        if page_save != expected:
            kept = tempfile.mkdtemp(prefix="kelmar-saves-")
            for name, data in (("page.ini", page_save), ("sim.ini", expected)):
                with open(os.path.join(kept, name), "wb") as f:
                    f.write(data)
            print(f"     both saves are in {kept}")

        # A reload keeps the save; 再開 resumes it and plays on.
        load(d, f"{URL}?clock={CLOCK}")
        menu(d, "KO2")
        until(d, lambda: shown(d, "frmPaper") or shown(d, "ErrorBox") or "日目" in q(d, "lblBasyo").text,
              10, "the resumed game plays its next basho")
        if shown(d, "ErrorBox"):
            check(False, "resume: " + q(d, "ErrorText").text)
        keys(d, Keys.ENTER)
        until(d, lambda: "1日目" in q(d, "lblBasyo").text, 10, "the first day of the resumed basho")
        caption = q(d, "lblBasyo").text
        check(caption != "" and "場所" in caption, f"the resumed basho's day card ({caption})")

        # A file that is no saved game is refused, the kept save untouched.
        kept_before = d.execute_script("return kelmarTest.keptFile('Kelmar.ini').then(b => Array.from(b))")
        cases = [("too large", "[Wres]\r\n" + "x" * (64 * 1024)),
                 ("no sections", "hello\r\n"),
                 ("no slot 32", "[Wres]\r\n" + "".join(f"[{i}]\r\n" for i in range(1, 32)))]
        for what, text in cases:
            refused = d.execute_script(
                "return kelmarTest.importFile(new Blob([arguments[0]])).then(ok => !ok)", text)
            check(refused, f"import refuses a file with {what}")
            check(shown(d, "ErrorBox"), f"a message for the file with {what}")
            q(d, "ErrorOk").click()
        kept_after = d.execute_script("return kelmarTest.keptFile('Kelmar.ini').then(b => Array.from(b))")
        check(kept_before == kept_after, "the kept save left untouched by refused files")
        accepted = d.execute_script(
            "return kelmarTest.importFile(new Blob([new Uint8Array(arguments[0])]))", list(expected))
        check(accepted, "import takes kelmar-sim's Kelmar.ini")
        # A short career to its end: the retirement report, and the top-ten
        # name question answered with Escape, as kelmar-sim's player answers
        # it; Rank.txt as kelmar-sim writes it.
        load(d, f"{URL}?clock={SHORT_CLOCK}")
        menu(d, "K1")
        menu(d, "KN1")
        Select(q(d, "JuryoList")).select_by_index(SHORT_PICK - 1)
        q(d, "PlayerOkButton").click()
        asked = retired = False
        end = time.time() + 90
        while time.time() < end and not asked:
            if shown(d, "NameDialog"):
                asked = True
                keys(d, Keys.ESCAPE)
            elif shown(d, "frmReport") and "引退" in q(d, "Label1", "frmReport").text:
                retired = True
                keys(d, Keys.ENTER)
            elif shown(d, "frmStrategy"):
                keys(d, "1")
            elif any(shown(d, w) for w in ("frmPaper", "frmStage", "frmReport")):
                keys(d, Keys.ENTER)
            elif q(d, "PlayerOkButton").is_displayed() and q(d, "PlayerOkButton").is_enabled():
                keys(d, Keys.ENTER)  # 次へ
            time.sleep(0.02)
        check(retired, "the retirement report shown")
        check(asked, "the top-ten name question asked")
        until(d, lambda: d.execute_script(
            "kelmarTest.keptFile('Rank.txt').then(b => window.rank = b ? Array.from(b) : null); return window.rank != null"),
            5, "Rank.txt kept in IndexedDB")
        page_rank = bytes(d.execute_script("return window.rank") or [])
        sim_rank = sim_file("Rank.txt", "--files", "--pick", str(SHORT_PICK), "--tactic", "1",
                            "--clock", SHORT_CLOCK, "--careers", "1")
        check(page_rank == sim_rank, f"Rank.txt ({len(page_rank)} bytes) equals kelmar-sim's ({len(sim_rank)} bytes)")

        menu(d, "KQ1")
        until(d, lambda: d.execute_script("return document.body.dataset.ready === '1'") and
              not shown(d, "btnStop"), 10, "終わり leaves the page at its start")

        errors = console_errors(d)
        check(not errors, f"no error in the console {errors}")
    finally:
        d.quit()

    # A phone: the whole board without sideways scrolling.
    phone = browser(390, 844, downloads=downloads)
    try:
        phone.set_window_size(390, 844)
        # Its screen: three pixels to the page's one, and a finger, no mouse.
        phone.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                              {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
        phone.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        load(phone, URL)
        width = phone.execute_script("return document.documentElement.clientWidth")
        scroll = phone.execute_script("return document.documentElement.scrollWidth")
        rect = phone.execute_script(
            "return document.querySelector('[data-name=\"frmKelmar\"]').getBoundingClientRect().toJSON()")
        check(scroll <= width, f"no sideways scroll on a phone ({scroll} <= {width})")
        inner = phone.execute_script("return [window.innerWidth, document.documentElement.scrollHeight, window.innerHeight]")
        check(width == inner[0] and inner[1] <= inner[2],
              f"the whole board without scrolling on a phone (width {width} of {inner[0]}, height {inner[1]} of {inner[2]})")
        check(rect["right"] <= width + 0.5 and rect["left"] >= 0, f"the board fits the phone ({rect})")
        factors = phone.execute_script(
            "return [kelmarTest.scaleFactor(390, 844), kelmarTest.scaleFactor(430, 700), "
            "kelmarTest.scaleFactor(900, 700), kelmarTest.scaleFactor(1300, 1100)]")
        check(factors[0] < 1 and abs(factors[0] - 390 / 430) < 1e-9, f"a smooth fit below 430 px ({factors[0]})")
        check(factors[1:] == [1, 2, 3], f"whole-number factors above ({factors[1:]})")
        # At rest the page runs no timer: under 2% of a core over 3 s.
        phone.execute_cdp_cmd("Performance.enable", {})
        before = {m["name"]: m["value"] for m in phone.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]}
        time.sleep(3)
        after = {m["name"]: m["value"] for m in phone.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]}
        busy = (after["TaskDuration"] - before["TaskDuration"]) / 3
        check(busy < 0.02, f"the page at rest takes {busy * 100:.2f}% of a core")
        tapped = time.time()
        play_by_taps(phone)
        print(f"     the taps took {time.time() - tapped:.2f} s", flush=True)
        errors = console_errors(phone)
        check(not errors, f"no error in the console on the phone {errors}")
    finally:
        phone.quit()

    if failures:
        print(f"{len(failures)} failure(s)")
        sys.exit(1)
    print("the page plays")


main()
