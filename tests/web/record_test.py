#!/usr/bin/python3
"""The career record in Kelmar's page, in headless Chromium (scripts/check-web
runs it after play_test.py).

The home without a save; a whole basho played, saved and its Kelmar.db
exported with the rows kelmar-sim keeps for the same pick, tactics and
clock; a reload that keeps the record, and the home with the save; the
cover, the trajectory, 歴代の力士; stores refused on import with the kept
store unchanged; two careers to their end and 資料館; the card as a PNG; the
windows on a phone. Screenshots go to SHOTS_DIR when given.

usage: record_test.py URL KELMAR_SIM DATA_DIR [SHOTS_DIR]
"""
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import app_browser  # noqa: E402
from app_browser import check, failures, keys, menu, q, shown, until  # noqa: E402
from phone_test import MEASURE, tap  # noqa: E402

URL, SIM, DATA = sys.argv[1:4] if len(sys.argv) > 3 else (None, None, None)
SHOTS = sys.argv[4] if len(sys.argv) > 4 else None
PICK, CLOCK = 4, "4000000,777"
SHORT_PICK, SHORT_CLOCK = 5, "3000,2500"  # a career of two basho
TABLES = {"careers": "career", "basho": "career, seq", "bouts": "career, seq, day",
          "saves": "rowid"}


def browser(width, height, downloads, phone=False, language="ja"):
    """The page's viewport exactly width x height; a phone's with its touch
    screen and three pixels to a point."""
    d = app_browser.browser(width, height, language=language, downloads=downloads)
    metrics = {"width": width, "height": height, "deviceScaleFactor": 3 if phone else 1,
               "mobile": phone}
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
    if phone:
        d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
    return d


def load(d, address):
    """The page loaded with both hooks modules: kelmarTest and kelmarRecord."""
    app_browser.load(d, address, record=True)


def shot(d, name):
    if SHOTS:
        d.save_screenshot(os.path.join(SHOTS, name + ".png"))


def play(d, careers_end=False):
    """Answers every window with the keys until 次へ is offered (or, with
    careers_end, until the career has ended and the home is back)."""
    end = time.time() + 150
    while time.time() < end:
        if shown(d, "NameDialog"):
            keys(d, Keys.ESCAPE)  # as kelmar-sim's player answers the top ten
        elif shown(d, "frmStrategy"):
            keys(d, "1")
        elif any(shown(d, w) for w in ("frmPaper", "frmStage", "frmReport")):
            keys(d, Keys.ENTER)
        elif not d.execute_script("return document.querySelector('#modalShade').hidden === false"):
            ok = q(d, "PlayerOkButton")
            if careers_end:
                if shown(d, "HomeFace"):
                    return True
                if ok.is_displayed() and ok.is_enabled():
                    ok.click()  # 次へ
            elif ok.is_displayed() and ok.is_enabled() and q(d, "KS1").is_enabled():
                return True
        time.sleep(0.03)
    check(False, "the basho ended in time")
    return False


def sim_store(*args):
    """The rows of every table of the store kelmar-sim keeps with `args`."""
    with tempfile.TemporaryDirectory() as folder:
        for f in os.listdir(DATA):
            if f.endswith(".txt") or f == "Kelmar.hlp":
                shutil.copy(os.path.join(DATA, f), folder)
        subprocess.run([SIM, *args, "--record", "Kelmar.db"], cwd=folder, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return rows_of(os.path.join(folder, "Kelmar.db"))


def rows_of(path):
    db = sqlite3.connect(path)
    try:
        rows = {t: db.execute(f"SELECT * FROM {t} ORDER BY {order}").fetchall() for t, order in TABLES.items()}
        rows["user_version"] = db.execute("PRAGMA user_version").fetchone()[0]
        return rows
    finally:
        db.close()


def kept(d):
    d.execute_script("return kelmarRecord.settled()")
    return d.execute_script("return kelmarRecord.kept()")


def console_errors(d):
    return [e for e in d.get_log("browser") if e["level"] == "SEVERE"]


def bad_stores(folder):
    """Three files that are no store this game can take: text, a store of a
    newer game, and a store of the game with a damaged page."""
    newer = os.path.join(folder, "newer.db")
    db = sqlite3.connect(newer)
    db.execute("CREATE TABLE careers(career INTEGER PRIMARY KEY)")
    db.execute("PRAGMA user_version = 99")
    db.commit()
    db.close()
    # A store of kelmar-sim's with the cells of one of its tables wiped.
    for f in os.listdir(DATA):
        if f.endswith(".txt") or f == "Kelmar.hlp":
            shutil.copy(os.path.join(DATA, f), folder)
    subprocess.run([SIM, "--careers", "3", "--clock", SHORT_CLOCK, "--record", "damaged.db"], cwd=folder,
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    damaged = os.path.join(folder, "damaged.db")
    with open(damaged, "r+b") as f:
        page = int.from_bytes(f.read(18)[16:18], "big")
        f.seek(3 * page - 600)
        f.write(b"\x00" * 500)
    with open(newer, "rb") as f:
        newer_bytes = f.read()
    with open(damaged, "rb") as f:
        damaged_bytes = f.read()
    return [("text", "Kelmar.db is no database\n".encode(), "SQLite のファイルではありません"),
            ("a newer game's", newer_bytes, "新しい版"), ("a damaged", damaged_bytes, "壊れています")]


# The controls of the record's windows that are no buttons: 歴代の力士's
# headings sort it and its rows are picked, by a tap.
RECORD_CONTROLS = '[data-name="CareersTable"] th, [data-name="CareersTable"] tbody tr'

BOXES = """
const box = (e) => e.getBoundingClientRect().toJSON();
const named = (n) => document.querySelector(`[data-name="${n}"]`);
return {board: box(named('Image2')), client: box(named('ClientArea')), frame: box(document.getElementById('frame')),
        window: arguments[0] ? box(named(arguments[0])) : null,
        home: [...named('HomeFace').querySelectorAll('.button, .label')].map((e) => [e.dataset.name, box(e)]),
        page: [document.documentElement.scrollWidth, document.documentElement.scrollHeight, innerWidth, innerHeight]};
"""


def apart(a, b):
    return a["right"] <= b["left"] + 0.5 or b["right"] <= a["left"] + 0.5 or \
        a["bottom"] <= b["top"] + 0.5 or b["bottom"] <= a["top"] + 0.5


def inside(a, b):
    return a["left"] >= b["left"] - 0.5 and a["right"] <= b["right"] + 0.5 and \
        a["top"] >= b["top"] - 0.5 and a["bottom"] <= b["bottom"] + 0.5


def measured(d, what):
    small, tiny = d.execute_script(MEASURE, RECORD_CONTROLS)
    check(not small, f"{what}: every control at least 44 x 44 px {small[:6]}")
    check(not tiny, f"{what}: every text at least 12 px {tiny[:6]}")


def placed(d, where, w):
    """`w` below the board (beside it on a phone on its side), whole on the
    screen and in the frame, the page without a scroll."""
    b = d.execute_script(BOXES, w)
    box, board = b["window"], b["board"]
    side = box["left"] >= board["right"] - 0.5 if where == "844" else box["top"] >= board["bottom"] - 0.5
    screen = {"left": 0, "top": 0, "right": b["page"][2], "bottom": b["page"][3]}
    check(side and inside(box, screen) and inside(box, b["frame"]),
          f"{where}: {w} {'beside' if where == '844' else 'below'} the board, whole on the screen ({box})")
    check(b["page"][0] <= b["page"][2] and b["page"][1] <= b["page"][3], f"{where}: the page does not scroll {b['page']}")


def sim_careers(folder, count):
    """The store of `count` careers kelmar-sim keeps, long and short ones."""
    for f in os.listdir(DATA):
        if f.endswith(".txt") or f == "Kelmar.hlp":
            shutil.copy(os.path.join(DATA, f), folder)
    subprocess.run([SIM, "--careers", str(count), "--clock", CLOCK, "--record", "careers.db"], cwd=folder,
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return os.path.join(folder, "careers.db")


def phone_record(d, where, exported, store):
    """The page's own store taken, then kelmar-sim's `store` in its place."""
    load(d, URL)
    check(d.execute_script("return document.documentElement.classList.contains('phone')"), f"{where}: the phone layout")
    for path, what in ((exported, "the page's own exported store"), (store, "kelmar-sim's store")):
        with open(path, "rb") as f:
            taken = d.execute_script("return kelmarRecord.importRecord(arguments[0])", list(f.read()))
        check(taken, f"{where}: import takes {what}")
        tap(d, q(d, "ErrorOk"), "OK of the message")
    # And a save of kelmar-sim's, for the home's glance at the saved rikishi.
    save = app_browser.sim_save(SIM, DATA, CLOCK)
    d.execute_async_script(
        "kelmarTest.importFile(new Blob([new Uint8Array(arguments[0])])).then(arguments[1])", list(save))
    load(d, URL)
    check(shown(d, "HomeFace") and q(d, "SavedGameLabel").text != "",
          f"{where}: the phone opens on the home, with the saved rikishi")
    # The home's buttons on the board, apart from each other, for a finger.
    b = d.execute_script(BOXES, None)
    home = [(n, r) for n, r in b["home"] if r["width"] > 0 and r["height"] > 0]  # the glance only with a save
    check(len(home) >= 5 and all(inside(r, b["client"]) for _, r in home),
          f"{where}: the home's buttons and glance within the board's place {[n for n, r in home if not inside(r, b['client'])]}")
    overlaps = [(m, n) for i, (m, r) in enumerate(home) for n, s in home[i + 1:] if not apart(r, s)]
    check(not overlaps, f"{where}: the home's buttons apart {overlaps}")
    measured(d, f"{where}, the home")
    shot(d, f"home-{where}")

    tap(d, q(d, "RecordButton"), "力士の記録")
    check(shown(d, "frmCareerRecord"), f"{where}: 力士の記録 opens by a tap")
    placed(d, where, "frmCareerRecord")
    measured(d, f"{where}, 力士の記録")
    tap(d, q(d, "Close", "frmCareerRecord"), "its close box")

    tap(d, q(d, "PastButton"), "歴代の力士")
    check(shown(d, "frmPastCareers"), f"{where}: 歴代の力士 opens by a tap")
    placed(d, where, "frmPastCareers")
    measured(d, f"{where}, 歴代の力士")
    body = d.find_element(By.CSS_SELECTOR, '[data-name="frmPastCareers"] > .body')
    inner = d.execute_script("const b = arguments[0]; return [b.scrollWidth, b.clientWidth]", body)
    check(inner[0] > inner[1], f"{where}: 歴代の力士's table scrolls sideways inside its window {inner}")
    shot(d, f"past-{where}")
    # A tap on 場所数 sorts by it; a tap on the first row and 力士の記録(O)
    # open that career, the longest.
    tap(d, q(d, "CareersTable").find_elements(By.TAG_NAME, "th")[2], "場所数")
    counts = [int(r.find_elements(By.TAG_NAME, "td")[2].get_attribute("textContent"))
              for r in q(d, "CareersTable").find_elements(By.CSS_SELECTOR, "tbody tr")]
    check(counts == sorted(counts, reverse=True) and counts[0] > counts[-1],
          f"{where}: a tap on 場所数 sorts 歴代の力士 by it {counts}")
    tap(d, q(d, "CareersTable").find_elements(By.CSS_SELECTOR, "tbody tr")[0], "the first row")
    tap(d, q(d, "OpenButton"), "力士の記録(O)")
    rows = q(d, "BashoTable").find_elements(By.CSS_SELECTOR, "tbody tr")
    check(shown(d, "frmCareerRecord") and len(rows) == counts[0],
          f"{where}: the picked career opens, its {counts[0]} basho in the table ({len(rows)})")
    placed(d, where, "frmCareerRecord")
    measured(d, f"{where}, the cover of the longest career")
    shot(d, f"cover-{where}")
    tap(d, q(d, "KCard"), "力士カード")
    card = d.execute_script("return kelmarRecord.card()")
    check(card is not None and bytes(card["head"][:8]) == b"\x89PNG\r\n\x1a\n", f"{where}: a tap on 力士カード makes the card")
    d.execute_script("document.querySelector('[data-name=\"Trajectory\"]').scrollIntoView()")
    shot(d, f"trajectory-{where}")
    body = d.find_element(By.CSS_SELECTOR, '[data-name="frmCareerRecord"] > .body')
    inner = d.execute_script("const b = arguments[0]; return [b.scrollHeight, b.clientHeight]", body)
    check(inner[0] > inner[1], f"{where}: the basho table scrolls inside its window {inner}")
    tap(d, q(d, "Close", "frmCareerRecord"), "its close box")
    tap(d, q(d, "Close", "frmPastCareers"), "its close box")

    tap(d, q(d, "ArchiveButton"), "資料館")
    check(shown(d, "frmArchive"), f"{where}: 資料館 opens by a tap")
    placed(d, where, "frmArchive")
    measured(d, f"{where}, 資料館")
    shot(d, f"archive-{where}")
    tap(d, q(d, "Close", "frmArchive"), "its close box")
    check(not shown(d, "frmArchive") and shown(d, "HomeFace"), f"{where}: a tap closes 資料館, the home shows")
    errors = console_errors(d)
    check(not errors, f"{where}: no error in the console on the phone {errors}")


def main():
    downloads = tempfile.mkdtemp(prefix="kelmar-downloads-")
    d = browser(1366, 768, downloads)
    try:
        load(d, f"{URL}?clock={CLOCK}")
        check(shown(d, "HomeFace"), "the page opens on the home")
        check(not q(d, "ResumeButton").is_enabled() and q(d, "SavedGameLabel").text == "",
              "without a save, 続きから is disabled and no rikishi is named")
        shot(d, "home-1366")
        q(d, "NewButton").click()
        check(not shown(d, "HomeFace") and shown(d, "JuryoList"), "新しい力士 is New game")
        menu(d, "FilmPace3")
        menu(d, "K1")
        Select(q(d, "JuryoList")).select_by_index(PICK - 1)
        q(d, "PlayerOkButton").click()
        play(d)
        menu(d, "KS1")
        exported = os.path.join(downloads, "Kelmar.db")
        kept_after_basho = kept(d)
        check(kept_after_basho is not None and len(kept_after_basho) > 0, "the store kept in IndexedDB")
        menu(d, "ExportRecord")
        until(d, lambda: os.path.exists(exported) and os.path.getsize(exported) > 0, 10, "Kelmar.db downloaded")
        page_rows = rows_of(exported)
        sim_rows = sim_store("--pick", str(PICK), "--tactic", "1", "--clock", CLOCK, "--basho", "1",
                             "--save-after", "1")
        for table in [*TABLES, "user_version"]:
            check(page_rows[table] == sim_rows[table],
                  f"the exported store's {table} equals kelmar-sim's ({len(page_rows[table]) if table in TABLES else page_rows[table]})")
        with open(exported, "rb") as f:
            header = f.read(20)
        check(header[18:20] == b"\x01\x01", "the page's store is marked for a rollback journal")

        # A reload keeps the record; the home names the saved rikishi.
        load(d, f"{URL}?clock={CLOCK}")
        check(shown(d, "HomeFace") and q(d, "ResumeButton").is_enabled(), "with a save, 続きから is enabled")
        label = q(d, "SavedGameLabel").text
        shikona = page_rows["careers"][0][1]
        check(shikona in label and "場所まで" in label, f"the home names the saved rikishi ({label!r})")
        shot(d, "home-saved-1366")
        q(d, "RecordButton").click()
        check(shown(d, "frmCareerRecord") and q(d, "CoverName").text == shikona,
              f"力士の記録 after the reload shows the cover of {shikona}")
        check(len(q(d, "BashoTable").find_elements(By.CSS_SELECTOR, "tbody tr")) == 1, "one basho in the table")
        check(len(q(d, "CoverBiography").text) > 10, "the cover has its biography")
        points = d.find_elements(By.CSS_SELECTOR, '[data-name="Trajectory"] circle.basho')
        check(len(points) == 1, "one point in the trajectory")
        shot(d, "cover-1366")
        d.execute_script("document.querySelector('[data-name=\"Trajectory\"]').scrollIntoView()")
        shot(d, "trajectory-1366")
        q(d, "Close", "frmCareerRecord").click()

        # Bad stores are refused with the game's message; the kept one stays.
        before = kept(d)
        with tempfile.TemporaryDirectory() as folder:
            for what, data, reason in bad_stores(folder):
                refused = d.execute_script("return kelmarRecord.importRecord(arguments[0]).then(ok => !ok)", list(data))
                message = q(d, "ErrorText").text
                check(refused and shown(d, "ErrorBox") and reason in message, f"import refuses {what} file: {message}")
                keys(d, Keys.ENTER)
                check(not shown(d, "ErrorBox"), "Enter closes the message")
        check(kept(d) == before, "the kept store unchanged by the refused files")
        check(d.execute_script("return kelmarRecord.core.recordCareers().length") == 1,
              "the record still holds its career")

        # A browser that refuses to keep the store: said once, the game plays on.
        d.execute_script(
            "window.realPut = IDBObjectStore.prototype.put;"
            "IDBObjectStore.prototype.put = function () { throw new DOMException('full', 'QuotaExceededError'); };")
        d.execute_script("return kelmarRecord.keep()")
        check(shown(d, "ErrorBox") and "保存できません" in q(d, "ErrorText").text,
              f"a refused store is reported: {q(d, 'ErrorText').text}")
        keys(d, Keys.ENTER)
        d.execute_script("return kelmarRecord.keep()")
        check(not shown(d, "ErrorBox"), "a refused store is reported once")
        d.execute_script("IDBObjectStore.prototype.put = window.realPut")
        menu(d, "KC1")
        check(shown(d, "frmCareerRecord") and q(d, "CoverName").text == shikona,
              f"the record still shows ({shown(d, 'frmCareerRecord')}, {q(d, 'CoverName').text!r}, {shown(d, 'ErrorBox')})")
        q(d, "Close", "frmCareerRecord").click()

        # Two careers to their end: the home comes back with the cover.
        for career in (1, 2):
            load(d, f"{URL}?clock={SHORT_CLOCK}")
            menu(d, "K1")
            menu(d, "KN1")
            Select(q(d, "JuryoList")).select_by_index(SHORT_PICK - 1)
            q(d, "PlayerOkButton").click()
            ended = play(d, careers_end=True)
            check(ended and shown(d, "frmCareerRecord"), f"career {career} ended: the home and its cover")
            q(d, "Close", "frmCareerRecord").click()
        menu(d, "KH2")
        rows = q(d, "CareersTable").find_elements(By.CSS_SELECTOR, "tbody tr")
        check(len(rows) == 3, f"歴代の力士 lists the three careers ({len(rows)})")
        q(d, "Close", "frmPastCareers").click()
        menu(d, "KA2")
        check(shown(d, "frmArchive"), "資料館 opens")
        os.remove(exported)
        menu(d, "ExportRecord")
        until(d, lambda: os.path.exists(exported) and os.path.getsize(exported) > 0, 10, "Kelmar.db downloaded again")
        db = sqlite3.connect(exported)
        earned = dict(db.execute("SELECT code, COUNT(DISTINCT career) FROM achievements GROUP BY code").fetchall())
        db.close()
        cells = [[c.text for c in r.find_elements(By.TAG_NAME, "td")]
                 for r in q(d, "AchievementsTable").find_elements(By.CSS_SELECTOR, "tbody tr")]
        check(len(cells) == 10 and sum(1 for c in cells if c[0] != "「？？？」") == len(earned),
              f"資料館 names the {len(earned)} feats earned and hides the rest")
        check(sorted(int(c[1].rstrip("人")) for c in cells if c[1] != "0人") == sorted(earned.values()),
              "資料館 counts the careers of each feat as the store does")
        shot(d, "archive-1366")
        # However often the record's windows open, the game's message shows
        # above them.
        for _ in range(20):
            for item in ("KC1", "KH2", "KA2"):
                menu(d, item)
        d.execute_script("import('./windows.mjs').then((m) => m.showError('記録の窓の上に'))")
        until(d, lambda: shown(d, "ErrorBox"), 3, "the game's message box")
        on_top = d.execute_script(
            "const r = document.querySelector('[data-name=\"ErrorOk\"]').getBoundingClientRect();"
            "const at = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);"
            "return at && at.dataset.name")
        check(on_top == "ErrorOk", f"the message above the record's windows opened 60 times ({on_top})")
        keys(d, Keys.ENTER)
        for w in ("frmArchive", "frmPastCareers", "frmCareerRecord"):  # the top first
            q(d, "Close", w).click()

        # The card of the last career.
        menu(d, "KC1")
        q(d, "KCard").click()
        card = d.execute_script("return kelmarRecord.card()")
        check(card is not None and bytes(card["head"][:8]) == b"\x89PNG\r\n\x1a\n", "the card is a PNG")
        check(card and card["width"] >= 600 and card["height"] >= 360, f"the card is at least 600 x 360 ({card and card['width']} x {card and card['height']})")
        check(card and card["colours"] > 50, f"the card is not blank ({card and card['colours']} colours)")
        if SHOTS:
            d.execute_script(
                "kelmarRecord.cardUrl = null; import('./card.mjs').then(m => m.lastCard()).then(b => {"
                " const i = new Image(); i.src = URL.createObjectURL(b); i.id = 'cardShot';"
                " i.style = 'position:fixed;left:0;top:0;z-index:99;border:1px solid #000'; document.body.append(i); })")
            until(d, lambda: d.execute_script("const i = document.getElementById('cardShot'); return i && i.complete"), 5, "the card shown")
            shot(d, "card-1366")
        errors = console_errors(d)
        check(not errors, f"no error in the console {errors}")
    finally:
        d.quit()

    # A phone upright and on its side: the home and the record's windows over
    # a store of the page, by taps only.
    with tempfile.TemporaryDirectory() as folder:
        store = sim_careers(folder, 30)
        for where, size in (("390", (390, 844)), ("844", (844, 390))):
            phone = browser(*size, downloads, phone=True)
            try:
                phone_record(phone, where, exported, store)
            finally:
                phone.quit()

    if failures:
        print(f"{len(failures)} failure(s)")
        sys.exit(1)
    print("the record plays in the page")


if __name__ == "__main__":
    main()
