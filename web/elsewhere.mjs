// The windows of the one tab that plays: frmElsewhere, in a tab opened while
// the game plays in another, with TakeOver; and frmGone, in the tab whose
// game was taken over, which stops there and writes nothing more.
import * as core from "./core.mjs";
import { endWaits } from "./dialogs.mjs";
import * as film from "./film.mjs";
import { claimGame, takeOver } from "./one_tab.mjs";
import { stopWriting } from "./storage.mjs";
import { closeModalWindows, closeWindow, inWindow, openWindow } from "./windows.mjs";

let gone = false;

// The game went to another tab: a basho that plays stops at its next moment
// (Quit), every wait ends, and this tab keeps nothing more.
function wentElsewhere() {
  if (gone) return;
  gone = true;
  stopWriting();
  if (document.body.dataset.ready === "1") core.quit();
  film.end();
  endWaits();
  closeModalWindows();
  openWindow("frmGone", true, "PlayHere");
}

export const hasGone = () => gone;

// Resolves when this tab may play: at once when it holds the game (or the
// browser has no Web Locks), else when its player has taken the game over.
// "held", "none" or "takenOver".
export async function playHere() {
  const claim = await claimGame(wentElsewhere);
  if (claim !== "elsewhere") return claim;
  openWindow("frmElsewhere", true, "TakeOver");
  await new Promise((resolve) => {
    inWindow("frmElsewhere", "TakeOver").onclick = () => takeOver(wentElsewhere).then(resolve);
  });
  closeWindow("frmElsewhere");
  return "takenOver";
}

// The page anew, which then asks to take the game over in its turn.
inWindow("frmGone", "PlayHere").onclick = () => location.reload();
