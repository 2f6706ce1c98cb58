// Kelmar in the browser, its start: the core loaded with the page as its
// face, the kept files and the pictures put into the game folder, the
// commands and the keys bound, then the game started. The address may set
// the rules' clock: ?clock=START,STEP, as kelmar-sim --clock has it.
import { registerWorker } from "./app.mjs";
import { bindCommands, showTopTen } from "./commands.mjs";
import * as core from "./core.mjs";
import { listenToKeys } from "./keys.mjs";
import { bindLanguageMenu, startLanguage } from "./language_menu.mjs";
import { tr } from "./language.mjs";
import { nextOffered, showMainView } from "./main_window.mjs";
import { face } from "./moments.mjs";
import { bringPictures } from "./pictures.mjs";
import { playHere } from "./elsewhere.mjs";
import { currentLayout } from "./phone.mjs";
import { bindRecord, bringRecord } from "./record_page.mjs";
import { bringKeptFiles, storageUnavailableTold } from "./saves.mjs";
import { fitStage } from "./scaling.mjs";
import { keptPace, openStore } from "./storage.mjs";
import { inWindow, isOpen, showError, topWindow } from "./windows.mjs";

// [START, STEP] of the address, or null; a value that is none is said.
function clockOfAddress() {
  const value = new URLSearchParams(location.search).get("clock");
  if (value === null) return null;
  const m = /^(\d+)(?:,(\d+))?$/.exec(value);
  if (!m) {
    showError(tr("?clock={value}: START,STEP は 0 以上の整数です。時計を使います。", { value }));
    return null;
  }
  return [Number(m[1]), m[2] === undefined ? 1000 : Number(m[2])];
}

function keysOfThePage() {
  listenToKeys(
    document,
    () => ({
      top: topWindow(),
      chartClose: isOpen("frmStage") && document.activeElement === inWindow("frmStage", "btnClose"),
      next: nextOffered(),
    }),
    (w, button) => inWindow(w, button).click());
}

// The app's safety net: an error of the browser's storage or file system
// that no handler caught still reaches the player as a message.
function sayUncaught() {
  window.addEventListener("unhandledrejection", (e) => {
    e.preventDefault();
    const reason = e.reason && e.reason.message ? e.reason.message : String(e.reason);
    showError(tr("ケルマーのページでエラーが起きました: {reason}", { reason }));
  });
}

async function start() {
  fitStage(document, window, currentLayout);
  sayUncaught();
  // One tab plays: the kept files are read once this tab holds the game.
  const playing = playHere();
  const storing = openStore().catch(() => {
    storageUnavailableTold();
    showError(tr("ブラウザーの保存領域を使えません。ゲームの保存とトップ１０は、このページを閉じると消えます。"));
  });
  await core.loadCore(face);
  startLanguage();
  await storing;
  await playing;
  await bringRecord();
  const [topTenKept] = await Promise.all([bringKeptFiles(), bringPictures()]);
  bindCommands(keptPace());
  bindLanguageMenu(showTopTen);
  keysOfThePage();
  core.start(clockOfAddress(), topTenKept);
  bindRecord();
  showMainView(core.mainView());
  document.body.dataset.ready = "1";
  performance.mark("kelmar-ready");
  // The precache begins once New game is usable.
  registerWorker();
}

start();
