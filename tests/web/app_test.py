#!/usr/bin/python3
"""Kelmar's page as an app, in headless Chromium (scripts/check-web runs it
after play_test.py): the manifest and its icons; the service worker in control
after a reload, with every file of the page in its cache; offline (the server
stopped and the network cut) a reload at / and with a query that starts a new
game and plays a day; two tabs, the second taking the game over and the first
stopping without writing; a new version offered between two basho and
taken when the player agrees; persist() asked at the first write of a kept save;
a refused write told once and nothing lost; the spoiled saves of
spoiled_saves.py, each refused with kelmar-sim's own error or taken and
resumed, the kept save unchanged; the phone layout, portrait and landscape.

usage: app_test.py PAGE_DIR KELMAR_SIM DATA_DIR
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from app_browser import (Server, browser, check, failures, keys, load, menu, q, shown,  # noqa: E402
                         sim_save, until)
from phone_test import phone_checks  # noqa: E402
from spoiled_saves import spoiled  # noqa: E402

PAGE, SIM, DATA = sys.argv[1], sys.argv[2], sys.argv[3]
WEB = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web")
CLOCK = "4000000,777"


def manifest_and_icons(d, url):
    m = d.execute_async_script(
        "const done = arguments[0];"
        "const link = document.querySelector('link[rel=manifest]');"
        "fetch(link.href).then(r => r.json()).then(m => Promise.all(m.icons.map(i => new Promise(ok => {"
        "  const img = new Image(); img.onload = () => ok([i.sizes, i.purpose || 'any', img.naturalWidth, img.naturalHeight]);"
        "  img.onerror = () => ok([i.sizes, i.purpose, 0, 0]); img.src = new URL(i.src, link.href).href;"
        "}))).then(icons => done({m, icons})), e => done({error: String(e)}))")
    if "error" in m:
        check(False, f"the manifest read ({m['error']})")
        return
    man = m["m"]
    for field in ("name", "short_name", "description", "start_url", "theme_color", "background_color"):
        check(bool(man.get(field)), f"the manifest's {field} ({man.get(field)})")
    check(man.get("lang") == "ja" and man.get("display") == "standalone",
          f"the manifest in Japanese, standalone ({man.get('lang')}, {man.get('display')})")
    icons = sorted(tuple(i) for i in m["icons"])
    check(icons == [("192x192", "any", 192, 192), ("512x512", "any", 512, 512), ("512x512", "maskable", 512, 512)],
          f"the icons at 192 and 512 px and a maskable one, as their pictures are ({icons})")


def worker_in_control(d, url):
    """After a first visit the worker installs its cache; after a reload it
    controls the page, and its cache holds every file of the page."""
    active = until(d, lambda: d.execute_script(
        "return navigator.serviceWorker.getRegistration().then(r => !!(r && r.active))"), 30,
        "the service worker active after the first visit")
    if not active:
        return
    load(d, url)
    check(d.execute_script("return navigator.serviceWorker.controller !== null"),
          "the service worker in control after a reload")
    cached = d.execute_async_script(
        "const done = arguments[0];"
        "caches.keys().then(names => Promise.all(names.map(n => caches.open(n).then(c => c.keys()))))"
        ".then(lists => done([].concat(...lists).map(r => decodeURIComponent(new URL(r.url).pathname))))")
    files = []
    for root, _, names in os.walk(PAGE):
        files += ["/" + os.path.relpath(os.path.join(root, n), PAGE) for n in names]
    missing = sorted(set(files) - set(cached) - {"/sw.js"})
    check(not missing and len(files) > 20, f"every one of the {len(files)} files of the page in the cache {missing}")
    # Chromium's own verdict on installing the page, manifest, icons and worker.
    errors = d.execute_cdp_cmd("Page.getInstallabilityErrors", {}).get("installabilityErrors")
    check(errors == [], f"Chromium finds the page installable {errors}")


def play_a_day(d):
    """A new game, its pick confirmed, its first day answered to its end."""
    menu(d, "K1")
    menu(d, "KN1")
    d.execute_script("const s = arguments[0]; s.selectedIndex = 3; s.dispatchEvent(new Event('change'))",
                     q(d, "JuryoList"))
    q(d, "PlayerOkButton").click()
    end = time.time() + 60
    while time.time() < end and "2日目" not in q(d, "lblBasyo").text:
        if shown(d, "ErrorBox"):
            check(False, "a day offline: " + q(d, "ErrorText").text)
            return False
        for w, key in (("frmPaper", Keys.ENTER), ("frmStrategy", "1"), ("frmStage", Keys.ENTER),
                       ("frmReport", Keys.ENTER)):
            if shown(d, w):
                keys(d, key)
                time.sleep(0.03)
                break
        else:
            time.sleep(0.02)
    return "2日目" in q(d, "lblBasyo").text


def offline(d, server, url):
    server.stop()
    d.execute_cdp_cmd("Network.enable", {})
    d.execute_cdp_cmd("Network.emulateNetworkConditions",
                      {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    try:
        for address in (url, url + f"?clock={CLOCK}", url + "?lang=ja"):
            ready = load(d, address, hooks=False)
            check(ready is not None and ready < 1, f"offline at {address[len(url) - 1:]}: New game usable in "
                  f"{ready if ready is None else round(ready, 3)} s")
        gone = d.execute_async_script(
            "fetch('tests/hooks.mjs', {cache: 'no-store'}).then(() => arguments[0](false), () => arguments[0](true))")
        check(gone, "the network is cut: a file the page does not cache cannot be fetched")
        check(play_a_day(d), "offline, a new game plays its first day")
    finally:
        d.execute_cdp_cmd("Network.emulateNetworkConditions",
                          {"offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        server.start()


def kept(d):
    return d.execute_async_script(
        "kelmarTest.keptFile('Kelmar.ini').then(b => arguments[0](b ? Array.from(b) : null))")


def import_bytes(d, data):
    return d.execute_async_script(
        "kelmarTest.importFile(new Blob([new Uint8Array(arguments[0])])).then(arguments[1])", list(data))


def message(d):
    """The text of the game's message box, closed with Enter, or None."""
    if not until(d, lambda: shown(d, "ErrorBox"), 3, "the game's message box"):
        return None
    text = q(d, "ErrorText").text
    keys(d, Keys.ENTER)
    until(d, lambda: not shown(d, "ErrorBox") or q(d, "ErrorText").text != text, 2,
          "Enter closes the message box")
    return text


def persist_and_refusals(d, url, good):
    load(d, url)
    d.execute_script(
        "window.persistAsked = 0; const s = navigator.storage, p = s.persist.bind(s);"
        "s.persist = () => { ++window.persistAsked; return p(); };")
    check(d.execute_script("return window.persistAsked") == 0, "persist() not asked before a write")
    check(import_bytes(d, good), "a good save imported")
    message(d)
    check(d.execute_script("return window.persistAsked") == 1, "persist() asked at the first write of a kept save")
    import_bytes(d, good)
    message(d)
    check(d.execute_script("return window.persistAsked") == 1, "persist() asked once")
    menu(d, "KA1")
    granted = d.execute_script("return navigator.storage.persisted()")
    notes = q(d, "AboutNotes").text
    check(("消さずに保ちます" if granted else "許しませんでした") in notes,
          f"the about box says whether persist() was granted ({granted}: {notes})")
    q(d, "Button1", "AboutForm").click()

    # IndexedDB refuses every write: told once, the game plays on from memory.
    spoiled_name = good.replace("剛嶽01".encode("cp932"), "剛嶽02".encode("cp932"), 1)
    d.execute_script(
        "const put = IDBObjectStore.prototype.put; window.idbPut = put;"
        "IDBObjectStore.prototype.put = function () { throw new DOMException('the quota is full', 'QuotaExceededError'); };")
    check(import_bytes(d, spoiled_name), "an import taken while the browser refuses writes")
    first = message(d)
    check(first is not None and "いっぱい" in first, f"the refused write told ({first})")
    if first is not None and "いっぱい" in first:
        second = message(d)
        check(second is not None and "ページを閉じるまで" in second, f"then that the game plays from memory ({second})")
    import_bytes(d, spoiled_name)
    again = message(d)
    check(again is not None and "いっぱい" not in again, f"a second refusal of the same kind not told again ({again})")
    check(bytes(kept(d)) == good, "the kept save as it was while writes are refused")
    check(bytes(d.execute_script("return Array.from(kelmarTest.readGameFile('Kelmar.ini'))")) == spoiled_name,
          "the game holds the imported save in memory")
    d.execute_script("IDBObjectStore.prototype.put = window.idbPut;")
    check(d.execute_async_script("kelmarTest.keepGameFile('Kelmar.ini').then(arguments[0])"),
          "the next write succeeds")
    check(bytes(kept(d)) == spoiled_name, "and keeps what the game held: nothing lost")
    d.execute_script(
        "IDBObjectStore.prototype.put = function () { throw new DOMException('the quota is full', 'QuotaExceededError'); };")
    d.execute_async_script("kelmarTest.keepGameFile('Kelmar.ini').then(arguments[0])")
    told = message(d)
    check(told is not None and "いっぱい" in told, f"after a success the same refusal is told again ({told})")
    d.execute_script("IDBObjectStore.prototype.put = window.idbPut;")
    import_bytes(d, good)
    message(d)


def native_refusal(data):
    """kelmar-sim's error for this Kelmar.ini resumed, or None when it plays."""
    with tempfile.TemporaryDirectory() as folder:
        for f in os.listdir(DATA):
            if f.endswith((".txt", ".bmp")) or f == "Kelmar.hlp":
                os.symlink(os.path.abspath(os.path.join(DATA, f)), os.path.join(folder, f))
        with open(os.path.join(folder, "Kelmar.ini"), "wb") as f:
            f.write(data)
        run = subprocess.run([SIM, "--resume", "--basho", "1", "--clock", CLOCK], cwd=folder,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        if run.returncode == 0:
            return None
        return run.stderr.decode("utf-8", "replace").strip().removeprefix("kelmar-sim: ")


def spoiled_saves(d, url, good):
    load(d, url)
    import_bytes(d, good)
    message(d)
    cases = spoiled(good)
    refused = taken = resumed = 0
    for what, data in cases:
        expected = native_refusal(data)
        took = import_bytes(d, data)
        text = message(d)
        now = bytes(kept(d) or [])
        if not took:
            refused += 1
            check(expected is not None and text == expected,
                  f"{what}: refused with the game's error ({text}; kelmar-sim: {expected})")
            check(now == good, f"{what}: the kept save byte for byte as it was")
            continue
        taken += 1
        check(expected is None, f"{what}: taken, as kelmar-sim resumes it ({expected})")
        check(now == data, f"{what}: the kept save is the file taken")
        # Taken: 再開 resumes it to its basho's first day; then the good save back.
        menu(d, "KO2")
        until(d, lambda: shown(d, "frmPaper") or shown(d, "ErrorBox"), 10, f"{what}: resumed")
        if shown(d, "ErrorBox"):
            check(False, f"{what}: resumed without an error ({q(d, 'ErrorText').text})")
        else:
            resumed += 1
        load(d, url)
        import_bytes(d, good)
        message(d)
    print(f"     spoiled saves: {len(cases)}, refused {refused}, taken {taken}, resumed {resumed}", flush=True)
    check(len(cases) >= 50 and refused + taken == len(cases) and resumed == taken,
          f"{len(cases)} spoiled saves each refused or resumed cleanly")


def two_tabs(d, url, good):
    load(d, url)
    import_bytes(d, good)
    message(d)
    menu(d, "K1")
    menu(d, "KO2")
    until(d, lambda: shown(d, "frmPaper"), 10, "the first tab plays a basho")
    keys(d, Keys.ENTER)
    until(d, lambda: shown(d, "frmStrategy"), 10, "the first tab waits for a tactic")
    first = d.current_window_handle
    # When frmGone shows, by the clock both tabs share.
    d.execute_script(
        "const w = document.querySelector('[data-name=\"frmGone\"]');"
        "new MutationObserver(() => { if (!w.hidden && !window.goneAt) window.goneAt = Date.now(); })"
        ".observe(w, {attributes: true});")
    d.switch_to.new_window("tab")
    d.get(url)
    check(until(d, lambda: shown(d, "frmElsewhere"), 10, "frmElsewhere"),
          "the second tab shows frmElsewhere")
    check(d.execute_script("return document.body.dataset.ready !== '1'"), "the second tab does not play yet")
    d.save_screenshot(os.path.join(tempfile.gettempdir(), "kelmar-elsewhere.png"))
    taken_at = d.execute_script("return Date.now()")
    q(d, "TakeOver").click()
    check(until(d, lambda: d.execute_script("return document.body.dataset.ready === '1'"), 10, "TakeOver"),
          "the second tab plays after TakeOver")
    second = d.current_window_handle
    d.switch_to.window(first)
    check(until(d, lambda: shown(d, "frmGone"), 3, "frmGone"), "the first tab shows that the game went elsewhere")
    gone_at = d.execute_script("return window.goneAt")
    print(f"     frmGone shown {gone_at - taken_at} ms after the tap on TakeOver", flush=True)
    check(until(d, lambda: not d.execute_script("return kelmarTest.bashoRunning()"), 5, "the basho"),
          "the first tab's basho stopped at its next moment")
    wrote = d.execute_async_script("kelmarTest.keepGameFile('Kelmar.ini').then(arguments[0])")
    menu(d, "KS1")
    check(wrote is False and bytes(kept(d)) == good, "the first tab writes nothing more")
    d.save_screenshot(os.path.join(tempfile.gettempdir(), "kelmar-gone.png"))
    d.close()
    d.switch_to.window(second)


def new_version(d, good):
    """A copy of the page changed and its worker rewritten: the new version
    waits while a basho plays, is offered once none does, and is taken when
    the player agrees."""
    folder = tempfile.mkdtemp(prefix="kelmar-page-")
    page = os.path.join(folder, "web")
    shutil.copytree(PAGE, page)
    server = Server(page)
    try:
        load(d, server.url)
        until(d, lambda: d.execute_script(
            "return navigator.serviceWorker.getRegistration().then(r => !!(r && r.active))"), 30, "the worker")
        load(d, server.url)
        version = lambda: re.search(r'kVersion = "(\w+)"', open(os.path.join(page, "sw.js")).read()).group(1)
        before = version()
        with open(os.path.join(page, "start.mjs"), "a") as f:
            f.write("\n// a new version\n")
        subprocess.run(["cmake", f"-DPAGE_DIR={page}", f"-DWORKER={WEB}/service_worker.js", "-P",
                        f"{WEB}/precache.cmake"], check=True)
        check(version() != before, f"a changed file changes the worker's version ({before} -> {version()})")
        import_bytes(d, good)
        message(d)
        menu(d, "K1")
        menu(d, "KO2")
        until(d, lambda: shown(d, "frmPaper"), 10, "a basho plays")
        d.execute_script("navigator.serviceWorker.getRegistration().then(r => r.update())")
        until(d, lambda: d.execute_script(
            "return navigator.serviceWorker.getRegistration().then(r => !!r.waiting)"), 20, "the new version waits")
        time.sleep(1)
        check(not shown(d, "frmUpdate"), "no new version offered in the middle of a basho")
        load(d, server.url)
        until(d, lambda: shown(d, "frmUpdate"), 10, "the new version offered at the next start")
        newer = "return fetch('start.mjs').then(r => r.text()).then(t => t.includes('a new version'))"
        check(not d.execute_script(newer), "the old version plays meanwhile")
        q(d, "UpdateNow").click()
        until(d, lambda: d.execute_script(
            "return document.body.dataset.ready === '1' && navigator.serviceWorker.controller !== null &&"
            " caches.keys().then(k => k.join())") == f"kelmar-{version()}", 20,
            "the new version taken when the player agrees, the old cache gone")
        check(d.execute_script(newer), "the page is the new version")
    finally:
        server.stop()
        shutil.rmtree(folder)


def insecure_context(d, sim_url):
    """The page at an address that is not a secure context plays without the
    app and says so once, in its about box."""
    load(d, sim_url)
    check(d.execute_script("return !isSecureContext && !navigator.serviceWorker"),
          "no service worker outside a secure context")
    menu(d, "KA1")
    check("安全な接続" in q(d, "AboutNotes").text, f"the about box says so ({q(d, 'AboutNotes').text})")


def main():
    good = sim_save(SIM, DATA, CLOCK)
    server = Server(PAGE)
    url = server.url
    d = browser(1000, 800)
    try:
        load(d, url)
        manifest_and_icons(d, url)
        worker_in_control(d, url)
        offline(d, server, url)
        persist_and_refusals(d, url, good)
        spoiled_saves(d, url, good)
        two_tabs(d, url, good)
        new_version(d, good)
        other = server.other_address()
        if other:
            insecure_context(d, other)
        else:
            print("     no address but 127.0.0.1: the insecure context not tried")
    finally:
        d.quit()
        server.stop()
    phone_checks(PAGE)
    if failures:
        print(f"{len(failures)} failure(s)")
        sys.exit(1)
    print("the page is an app")


main()
