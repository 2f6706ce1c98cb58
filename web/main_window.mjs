// The main window around the board: what the core's main view says (which
// commands may be given, the captions it sets), the new-career panel, and the
// board's labels.
import { checkItem, enableItem } from "./menu.mjs";
import { inWindow } from "./windows.mjs";

const el = (name) => inWindow("frmKelmar", name);
const kPanel = ["JuryoList", "NameLabel", "AgeLabel", "PLabel", "SLabel", "WLabel",
                "AgeLabel1", "PLabel1", "SLabel1", "WLabel1"];

let shown = null; // the main view as last shown

function showControl(name, visible, enabled = visible) {
  el(name).hidden = !visible;
  el(name).disabled = !enabled;
}

// The one place that applies the core's MainView.
export function showMainView(view) {
  shown = view;
  enableItem("KN1", view.newGame);
  enableItem("KS1", view.save);
  enableItem("KB1", view.chart);
  enableItem("KT1", view.practiceItem);
  checkItem("KT1", view.practice);
  checkItem("K1", view.animation);
  for (const name of kPanel) showControl(name, view.panel);
  showControl("PlayerOkButton", view.confirmShown, view.confirm);
  el("PlayerOkButton").textContent = view.confirmCaption;
  showControl("btnStop", view.stop);
  el("btnStop").textContent = view.stopCaption;
  el("lblMyP").hidden = !view.scoreShown;
  el("lblMyP").textContent = view.score;
}

export const mainView = () => shown;

// Whether Enter presses 次へ now.
export const nextOffered = () =>
  shown !== null && shown.confirmShown && shown.confirm && shown.next;

export function setLabel(name, text, colour) {
  el(name).textContent = text;
  if (colour) el(name).style.color = colour;
}

// The panel of a new career: JuryoList's names, none picked, and the blank
// figures; the list takes the keyboard.
export function showPanel(names, blank) {
  const list = el("JuryoList");
  list.replaceChildren(...names.map((n) => new Option(n)));
  list.selectedIndex = -1;
  showPick(blank);
  list.focus();
}

export function showPick(pick) {
  setLabel("NameLabel", pick.name);
  setLabel("AgeLabel1", pick.age);
  setLabel("PLabel1", String(pick.power));
  setLabel("SLabel1", String(pick.speed));
  setLabel("WLabel1", String(pick.skill));
}

// The bout's name labels: blue for the player's rikishi.
export function showBout(east, eastPlayer, west, westPlayer) {
  setLabel("lblEast", east, eastPlayer ? "#0000ff" : "#000");
  setLabel("lblWest", west, westPlayer ? "#0000ff" : "#000");
}

export function clearBout() {
  setLabel("lblWest", "");
  setLabel("lblEast", "");
}

export const showFilm = (on) => (el("Image1").hidden = !on);
