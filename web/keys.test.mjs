import assert from "node:assert/strict";
import { test } from "node:test";

import { buttonForKey, listenToKeys } from "./keys.mjs";

test("each key presses the button of the window on top", () => {
  const cases = [
    // key, situation, the button pressed ([window, button] or null)
    ["1", { top: "frmStrategy" }, ["frmStrategy", "Button1"]],
    ["3", { top: "frmStrategy" }, ["frmStrategy", "Button3"]],
    ["4", { top: "frmStrategy" }, ["frmStrategy", "Button4"]],
    ["5", { top: "frmStrategy" }, null],
    ["1", { top: null }, null],
    ["1", { top: "frmPaper" }, null],
    ["Enter", { top: "frmStrategy" }, null],
    ["Enter", { top: "frmPaper" }, ["frmPaper", "Ok"]],
    ["Enter", { top: "frmReport" }, ["frmReport", "Button1"]],
    ["Enter", { top: "frmStage" }, ["frmStage", "btnClose"]],
    ["Enter", { top: "ErrorBox", next: true }, ["ErrorBox", "ErrorOk"]],
    ["Enter", { top: "NameDialog" }, ["NameDialog", "NameOk"]],
    ["Enter", { top: "frmPaper", next: true }, ["frmPaper", "Ok"]],
    ["Enter", { top: null, chartClose: true, next: true }, ["frmStage", "btnClose"]],
    ["Enter", { top: null, next: true }, ["frmKelmar", "PlayerOkButton"]],
    ["Enter", { top: null, next: false }, null],
    ["Enter", {}, null],
    ["Escape", { top: "NameDialog" }, ["NameDialog", "NameCancel"]],
    ["Escape", { top: "frmPaper" }, null],
    ["Escape", { top: null, next: true }, null],
  ];
  for (const [key, situation, expected] of cases) {
    const hit = buttonForKey(key, situation);
    assert.deepEqual(hit && [hit.window, hit.button], expected, `${key} with ${JSON.stringify(situation)}`);
  }
});

class Key extends Event {
  constructor(key) {
    super("keydown", { cancelable: true });
    this.key = key;
  }
}

test("a key that presses a button is taken from the browser, another is left to it", () => {
  const target = new EventTarget();
  const pressed = [];
  listenToKeys(target, () => ({ top: "frmStrategy" }), (w, button) => pressed.push(`${w}.${button}`));
  const two = new Key("2");
  const tab = new Key("Tab");
  target.dispatchEvent(two);
  target.dispatchEvent(tab);
  assert.deepEqual(pressed, ["frmStrategy.Button2"]);
  assert.equal(two.defaultPrevented, true);
  assert.equal(tab.defaultPrevented, false);
});

test("the situation is asked at each key", () => {
  const target = new EventTarget();
  let top = "frmPaper";
  const pressed = [];
  listenToKeys(target, () => ({ top }), (w, button) => pressed.push(`${w}.${button}`));
  target.dispatchEvent(new Key("Enter"));
  top = "frmReport";
  target.dispatchEvent(new Key("Enter"));
  assert.deepEqual(pressed, ["frmPaper.Ok", "frmReport.Button1"]);
});
