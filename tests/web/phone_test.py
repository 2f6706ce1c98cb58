"""The page on a phone (app_test.py runs it): at 390 x 844 and on its side
at 844 x 390, with a finger only (touch events, no mouse), from the home to
the first tactic chosen. At every step every control shown is at least
44 x 44 CSS pixels and every text at least 12, as they show on the screen
after the page's scale; the window of the moment sits below the board (or
beside it), not over it. Screenshots of each step go to the temporary
folder, kelmar-phone-*.png."""
import os
import tempfile
import time

from selenium.webdriver.common.by import By

from app_browser import Server, browser, check, load, q, shown, until

# Every control shown and every text, measured on the screen: [what, width,
# height] of the controls under 44 px, [what, px] of the texts under 12 px.
# The script's argument, if any, adds the selectors of other controls; a
# text of a picture in SVG is as large as the picture is drawn.
MEASURE = """
const seen = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
const name = (e) => (e.dataset && e.dataset.name) || e.id || e.textContent.trim().slice(0, 12) || e.tagName;
const small = [], tiny = [];
const controls = 'button, select, input:not([type=file]), .menubar .title, a' + (arguments[0] ? ', ' + arguments[0] : '');
for (const e of document.querySelectorAll(controls)) {
  if (!seen(e)) continue;
  const r = e.getBoundingClientRect();
  if (r.width < 43.99 || r.height < 43.99) small.push([name(e), +r.width.toFixed(1), +r.height.toFixed(1)]);
}
const scale = Number(document.getElementById('stage').dataset.scale);
const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
for (let t = walker.nextNode(); t; t = walker.nextNode()) {
  const e = t.parentElement;
  if (!t.textContent.trim() || !seen(e)) continue;
  const svg = e.closest('svg');
  const px = parseFloat(getComputedStyle(e).fontSize) * (svg ? svg.getBoundingClientRect().width / svg.viewBox.baseVal.width
      : document.getElementById('stage').contains(e) ? scale : 1);
  if (px < 11.99) tiny.push([name(e), +px.toFixed(1)]);
}
return [small, tiny];
"""


def tap(d, element, what):
    x, y, hit = d.execute_script(
        "const e = arguments[0]; e.scrollIntoView({block: 'nearest'}); const r = e.getBoundingClientRect();"
        "const x = r.left + r.width / 2, y = r.top + r.height / 2, at = document.elementFromPoint(x, y);"
        "return [x, y, at !== null && (at === e || e.contains(at))];", element)
    check(hit, f"{what} under the finger at ({x:.0f}, {y:.0f})")
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
    time.sleep(0.05)


def measured(d, where, shots, step):
    small, tiny = d.execute_script(MEASURE)
    check(not small, f"{where}, {step}: every control at least 44 x 44 px {small}")
    check(not tiny, f"{where}, {step}: every text at least 12 px {tiny}")
    d.save_screenshot(os.path.join(tempfile.gettempdir(), f"kelmar-phone-{shots}-{step}.png"))


def below_or_beside(d, window, beside):
    board, w = d.execute_script(
        "const b = document.querySelector('[data-name=\"Image2\"]').getBoundingClientRect();"
        "const w = document.querySelector(`[data-name=\"${arguments[0]}\"]`).getBoundingClientRect();"
        "return [b.toJSON(), w.toJSON()]", window)
    inside = w["left"] >= -0.5 and w["right"] <= d.execute_script("return innerWidth") + 0.5
    apart = w["left"] >= board["right"] - 0.5 if beside else w["top"] >= board["bottom"] - 0.5
    check(inside and apart, f"{window} {'beside' if beside else 'below'} the board, not over it ({w})")


def by_taps(d, where, beside):
    shots = where.replace(" ", "-")
    measured(d, where, shots, "home")
    tap(d, d.find_element(By.ID, "phoneMenu"), "the menu's button")
    check(q(d, "KN1").is_displayed(), f"{where}: the menu behind one button opens")
    measured(d, where, shots, "menu")
    # The windows of the menu, each below the board or beside it, by taps.
    tap(d, d.find_element(By.ID, "phoneMenu"), "the menu's button")
    for item, window, close in (("KT2", "frmBest10", "CloseBest10"), ("KA1", "AboutForm", "Button1"),
                                ("KP1", "HelpWindow", "CloseHelp")):
        tap(d, d.find_element(By.ID, "phoneMenu"), "the menu's button")
        tap(d, q(d, item), item)
        if not until(d, lambda: shown(d, window), 3, f"{where}: {window}"):
            continue
        below_or_beside(d, window, beside)
        measured(d, where, shots, window)
        tap(d, q(d, close, window), f"{close} of {window}")
    tap(d, d.find_element(By.ID, "phoneMenu"), "the menu's button")
    tap(d, q(d, "K1"), "アニメーション")
    tap(d, d.find_element(By.ID, "phoneMenu"), "the menu's button")
    tap(d, q(d, "KN1"), "新しいゲーム")
    check(shown(d, "JuryoList") and not q(d, "KN1").is_displayed(), f"{where}: the list offered, the menu closed")
    tap(d, q(d, "JuryoList").find_elements(By.TAG_NAME, "option")[3], "line 4 of JuryoList")
    check(until(d, lambda: d.execute_script("return arguments[0].selectedIndex", q(d, "JuryoList")) == 3, 2,
                "the pick"), f"{where}: a tap picks line 4 of JuryoList")
    measured(d, where, shots, "pick")
    tap(d, q(d, "PlayerOkButton"), "PlayerOkButton")
    buttons = {"frmPaper": "Ok", "frmStage": "btnClose", "frmReport": "Button1"}
    seen = set()
    end = time.time() + 30
    while time.time() < end and not shown(d, "frmStrategy"):
        for w, button in buttons.items():
            if shown(d, w):
                if w not in seen:
                    seen.add(w)
                    below_or_beside(d, w, beside)
                    measured(d, where, shots, w)
                tap(d, q(d, button, w), f"{button} of {w}")
                break
        time.sleep(0.02)
    if not until(d, lambda: shown(d, "frmStrategy"), 1, f"{where}: the tactic window"):
        return
    below_or_beside(d, "frmStrategy", beside)
    measured(d, where, shots, "frmStrategy")
    tap(d, q(d, "Button2", "frmStrategy"), "立会い変化")
    check(not shown(d, "frmStrategy"), f"{where}: a tap answers the tactic window")
    # The rest of the day by taps, its report and its chart looked at.
    buttons["frmStrategy"] = "Button1"
    end = time.time() + 60
    while time.time() < end and "2日目" not in q(d, "lblBasyo").text:
        for w, button in buttons.items():
            if shown(d, w):
                if w not in seen:
                    seen.add(w)
                    below_or_beside(d, w, beside)
                    measured(d, where, shots, w)
                tap(d, q(d, button, w), f"{button} of {w}")
                break
        time.sleep(0.02)
    check("frmStage" in seen and "2日目" in q(d, "lblBasyo").text, f"{where}: a whole day by taps, its chart seen")


def phone_checks(page):
    server = Server(page)
    try:
        for where, (width, height) in (("portrait", (390, 844)), ("landscape", (844, 390))):
            d = browser(width, height)
            try:
                d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                  {"width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})
                d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
                load(d, server.url + "?clock=4000000,777")
                check(d.execute_script("return document.documentElement.classList.contains('phone')"),
                      f"{where}: the phone layout")
                scroll = d.execute_script("return [document.documentElement.scrollWidth, innerWidth]")
                check(scroll[0] <= scroll[1], f"{where}: no sideways scroll {scroll}")
                by_taps(d, where, where == "landscape")
            finally:
                d.quit()
    finally:
        server.stop()
