// オプション → 言語: the language chosen at the start, and changed at once
// between two moments of the game: the page's texts, the main view and every
// open window drawn again in the new language.
import * as core from "./core.mjs";
import { redrawHelp } from "./help.mjs";
import { showHome, homeShown } from "./home.mjs";
import { chooseLanguage, currentLanguage, keepLanguage, keptLanguage, setCurrentLanguage, translatePage } from "./language.mjs";
import { mainView, showMainView, setLabel } from "./main_window.mjs";
import { checkItem, onItem, captionNodes } from "./menu.mjs";
import { refreshRecordWindows } from "./record_windows.mjs";
import { inWindow, isOpen } from "./windows.mjs";

const kItems = { ja: "LangJa", en: "LangEn" };

// The language of this visit, before the core starts.
export function startLanguage() {
  const code = chooseLanguage({ search: location.search, kept: keptLanguage(), browser: navigator.language });
  use(code);
}

function use(code) {
  setCurrentLanguage(code);
  core.setLanguage(code);
  translatePage(document);
  for (const [c, item] of Object.entries(kItems)) checkItem(item, c === code);
  const paces = core.filmPaces();
  paces.forEach((p, i) => {
    const button = document.querySelector(`[data-name="FilmPace${i + 1}"]`);
    if (button) button.replaceChildren(...captionNodes(p.caption));
  });
}

// The windows open now, drawn again from what the core showed last.
function redraw(redrawTopTen) {
  if (mainView() !== null) showMainView(core.mainView());
  const texts = core.textsShown();
  if (texts) {
    if (isOpen("frmPaper") && texts.paper) inWindow("frmPaper", "lblTitle").textContent = texts.paper.replace(/\r/g, "");
    if (isOpen("frmStrategy") && texts.tacticName) {
      inWindow("frmStrategy", "lblNameOfwres").textContent = texts.tacticName;
      inWindow("frmStrategy", "lblAge").textContent = texts.tacticAge;
    }
    if (isOpen("frmReport") && texts.report.length === 4)
      ["Label3", "Label1", "Label2", "Label4"].forEach((n, i) => (inWindow("frmReport", n).textContent = texts.report[i]));
    if (texts.day) setLabel("lblBasyo", texts.day);
    if (texts.east) setLabel("lblEast", texts.east);
    if (texts.west) setLabel("lblWest", texts.west);
    if (isOpen("NameDialog") && texts.nameCaption) {
      inWindow("NameDialog", "NameCaption").textContent = texts.nameCaption;
      inWindow("NameDialog", "NamePrompt").textContent = texts.namePrompt;
    }
  }
  const panel = core.panelTexts();
  const list = inWindow("frmKelmar", "JuryoList");
  if (panel && !list.hidden) {
    const picked = list.selectedIndex;
    list.replaceChildren(...panel.names.map((n) => new Option(n)));
    list.selectedIndex = picked;
    setLabel("NameLabel", panel.name);
  }
  if (isOpen("frmStage")) {
    inWindow("frmStage", "lblTitle").textContent = core.chartTitles();
    core.chartAgain(); // its words are drawn in the sheet of the language
  }
  if (isOpen("frmBest10")) redrawTopTen();
  if (isOpen("HelpWindow")) redrawHelp();
  if (homeShown()) showHome();
  refreshRecordWindows();
}

// The menu's items; `redrawTopTen` fills the open top ten again.
export function bindLanguageMenu(redrawTopTen) {
  for (const [code, item] of Object.entries(kItems))
    onItem(item, () => {
      if (code === currentLanguage()) return;
      keepLanguage(code);
      use(code);
      redraw(redrawTopTen);
    });
}
