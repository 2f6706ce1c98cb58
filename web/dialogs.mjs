// The windows the core waits on: the newspaper, the tactic window, the report
// window, the evening's chart, the name dialog, and the pause. Each opens its
// window and returns a promise that its buttons settle with the answer.
import * as core from "./core.mjs";
import { closeWindow, inWindow, isOpen, openWindow, showError } from "./windows.mjs";

const pending = new Map(); // wait -> {resolve, closed: the answer of a window closed by 終わり}

function waitFor(wait, closed) {
  return new Promise((resolve) => pending.set(wait, { resolve, closed }));
}

function answer(wait, value) {
  const waiting = pending.get(wait);
  if (!waiting) return;
  pending.delete(wait);
  waiting.resolve(value);
}

// 終わり: every wait ends with a window closed.
export function endWaits() {
  for (const [wait, { closed }] of [...pending]) answer(wait, closed);
}

export function newspaper(page) {
  inWindow("frmPaper", "lblTitle").textContent = page.replace(/\r/g, "");
  openWindow("frmPaper", true, "Ok");
  return waitFor("newspaper");
}

// The tactic window stays open over the opponent report and is asked again.
export function askTactic(name, age) {
  inWindow("frmStrategy", "lblNameOfwres").textContent = name;
  inWindow("frmStrategy", "lblAge").textContent = age;
  if (!isOpen("frmStrategy")) openWindow("frmStrategy", true, "Button1");
  else inWindow("frmStrategy", "Button1").focus();
  return waitFor("tactic", core.tacticAnswers().none);
}

export function report(lines) {
  ["Label3", "Label1", "Label2", "Label4"].forEach((n, i) => (inWindow("frmReport", n).textContent = lines[i]));
  openWindow("frmReport", true, "Button1");
  return waitFor("report");
}

// The evening's chart: its picture is in the window already; a refusal
// shows its message over it.
export function dailyChart(refusal) {
  closeWindow("frmStage");
  inWindow("frmStage", "lblTitle").textContent = core.chartTitles();
  openWindow("frmStage", true, "btnClose");
  if (refusal) showError(refusal);
  return waitFor("chart");
}

export function askName(caption, prompt, preset) {
  inWindow("NameDialog", "NameCaption").textContent = caption;
  inWindow("NameDialog", "NamePrompt").textContent = prompt;
  inWindow("NameDialog", "NameEdit").value = preset;
  openWindow("NameDialog", true, "NameEdit");
  inWindow("NameDialog", "NameEdit").select();
  return waitFor("name", null);
}

// The day waits while it is paused; btnStop ends the pause.
export const paused = () => waitFor("pause");
export const endPause = () => answer("pause");

function closing(w, wait, value) {
  return () => {
    closeWindow(w);
    answer(wait, value());
  };
}

inWindow("frmPaper", "Ok").onclick = closing("frmPaper", "newspaper", () => undefined);
for (const i of [1, 2, 3])
  inWindow("frmStrategy", "Button" + i).onclick = closing("frmStrategy", "tactic", () => i);
inWindow("frmStrategy", "Button4").onclick = () => answer("tactic", core.tacticAnswers().opponentReport);
// Its close box closes it without a choice: the tactic stays as it was.
inWindow("frmStrategy", "Close").onclick = closing("frmStrategy", "tactic", () => core.tacticAnswers().none);
inWindow("frmReport", "Button1").onclick = closing("frmReport", "report", () => undefined);
inWindow("frmStage", "btnClose").onclick = closing("frmStage", "chart", () => undefined);
inWindow("NameDialog", "NameOk").onclick =
  closing("NameDialog", "name", () => inWindow("NameDialog", "NameEdit").value);
inWindow("NameDialog", "NameCancel").onclick = closing("NameDialog", "name", () => null);
// A window's close box is its button.
for (const [w, button] of [["frmPaper", "Ok"], ["frmReport", "Button1"], ["frmStage", "btnClose"]])
  inWindow(w, "Close").onclick = () => inWindow(w, button).click();
