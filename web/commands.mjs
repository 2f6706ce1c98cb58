// The player's commands: the menu's items and the main window's buttons, each
// a thin handler that calls the core's command and shows what it hands back.
import { showAbout } from "./about.mjs";
import * as core from "./core.mjs";
import { endWaits, endPause } from "./dialogs.mjs";
import * as film from "./film.mjs";
import { showHelp } from "./help.mjs";
import { mainView, showPanel, showPick } from "./main_window.mjs";
import { addItems, checkItem, onItem } from "./menu.mjs";
import { chooseImport, exportSave, saveGame } from "./saves.mjs";
import { keepPace } from "./storage.mjs";
import { closeModalWindows, closeWindow, inWindow, isOpen, openWindow } from "./windows.mjs";

const el = (name) => inWindow("frmKelmar", name);

let quitting = false;

// A basho's promise: after 終わり, the page starts again when it has ended.
function afterBasho(basho) {
  const ended = () => {
    if (quitting) restart();
  };
  basho.then(ended, ended);
}

// The page at its start, as after loading it: the saves stay kept.
const restart = () => location.reload();

function KN1Click() {
  core.clearBoard();
  const shown = core.newGame();
  if (shown !== null) showPanel(shown.names, shown.blank);
}

function JuryoListClick() {
  const row = el("JuryoList").selectedIndex;
  if (row < 0) return;
  const pick = core.pick(row + 1);
  if (pick !== null) showPick(pick);
}

function PlayerOkButtonClick() {
  if (core.runningBasho()) return;
  if (isOpen("frmStage")) closeWindow("frmStage");
  afterBasho(core.confirm());
}

function KO2Click() {
  const running = core.runningBasho();
  if (!running && isOpen("frmStage")) closeWindow("frmStage");
  const basho = core.resume();
  if (!running) afterBasho(basho);
}

function KQ1Click() {
  quitting = true;
  core.quit();
  film.end();
  endWaits();
  closeModalWindows();
  if (!core.runningBasho()) restart();
}

function KB1Click() {
  if (!core.chart()) return;
  inWindow("frmStage", "lblTitle").textContent = core.chartTitles();
  openWindow("frmStage", false, "btnClose");
}

export function showTopTen() {
  const { names, scores } = core.topTen();
  const lines = names.flatMap((name, r) => {
    const top = 8 + 16 * r;
    const line = (text, place, style) => {
      const span = document.createElement("span");
      span.className = "best10";
      span.dataset.name = place + (r + 1);
      span.style.cssText = `${style};top:${top}px`;
      span.textContent = text;
      return span;
    };
    return [line(name, "lblName", "left:8px"), line(scores[r], "lblP", "right:9px")];
  });
  inWindow("frmBest10", "Best10Rows").replaceChildren(...lines);
}

function KT2Click() {
  showTopTen();
  openWindow("frmBest10", false);
}

function btnStopClick() {
  core.togglePause();
  if (core.pauseHolds()) {
    film.pause();
  } else {
    endPause();
    film.goOn();
  }
}

// The film's pace: the menu's items from the core's paces, the kept one checked.
function offerPaces(kept) {
  const paces = core.filmPaces().map((p, i) => ({ ...p, item: "FilmPace" + (i + 1) }));
  addItems("FilmPaceMenu", paces.map(({ item, caption }) => ({ name: item, caption })));
  const choose = (name) => {
    for (const p of paces) checkItem(p.item, p.name === name);
    film.setPace(name);
  };
  for (const p of paces)
    onItem(p.item, () => {
      choose(p.name);
      keepPace(p.name);
    });
  choose(core.filmPaceOf(kept));
}

// The handlers bound to their items and buttons, the kept pace chosen.
export function bindCommands(keptPace) {
  const handlers = {
    KN1: KN1Click, KS1: saveGame, KO2: KO2Click, KQ1: KQ1Click, KB1: KB1Click, KT2: KT2Click,
    KT1: () => core.setPractice(!mainView().practice),
    K1: () => core.setAnimation(!mainView().animation),
    KP1: showHelp, KA1: showAbout,
    ExportSave: exportSave, ImportSave: chooseImport,
  };
  for (const [name, handler] of Object.entries(handlers)) onItem(name, handler);
  offerPaces(keptPace);

  // A pick is a click on an entry or any other change of the selection; a
  // click that changed the selection is one pick, not two.
  const list = el("JuryoList");
  let changedInPress = false;
  list.addEventListener("mousedown", () => (changedInPress = false));
  list.addEventListener("change", () => {
    changedInPress = true;
    JuryoListClick();
  });
  list.addEventListener("click", () => {
    if (!changedInPress) JuryoListClick();
    changedInPress = false;
  });
  el("PlayerOkButton").onclick = PlayerOkButtonClick;
  el("btnStop").onclick = btnStopClick;
  inWindow("frmBest10", "CloseBest10").onclick = () => closeWindow("frmBest10");
  inWindow("AboutForm", "Button1").onclick = () => closeWindow("AboutForm");
  inWindow("AboutForm", "Close").onclick = () => closeWindow("AboutForm");
}
