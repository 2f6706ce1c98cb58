// The page's windows, kept as the desktop's: each is an element named by its
// designer name (data-name); a modal one shades the main window until it
// closes, the last opened on top, and takes the keyboard when it opens.
import { closeMenus } from "./menu.mjs";
import { momentArea } from "./phone.mjs";
import { kStageHeight, kStageWidth } from "./scaling.mjs";

export const named = (name, root = document) => root.querySelector(`[data-name="${name}"]`);
export const inWindow = (w, name) => named(name, named(w));

const modal = []; // the modal windows open, the top last

// The shade of the modal windows covers the main window and its menu bar; on
// a phone the menu's button, outside the board, is disabled with it.
function shade() {
  document.getElementById("modalShade").hidden = modal.length === 0;
  document.getElementById("phoneMenu").disabled = modal.length > 0;
}

// Centred on the main window, as far as it fits; on a phone in the space of
// the window of the moment, below the board or beside it.
function place(w) {
  const el = named(w);
  el.hidden = false;
  const area = momentArea();
  if (area) {
    el.style.left = area.left + Math.max(0, Math.round((area.width - el.offsetWidth) / 2)) + "px";
    el.style.top = area.top + "px";
    return;
  }
  el.style.left = Math.max(0, Math.round((kStageWidth - el.offsetWidth) / 2)) + "px";
  el.style.top = Math.max(0, Math.round((kStageHeight - el.offsetHeight) / 2)) + "px";
}

// `focus`: the control that takes the keyboard, else its first.
export function openWindow(w, isModal, focus) {
  place(w);
  if (isModal) {
    modal.push(w);
    shade();
    named(w).style.zIndex = 50 + modal.length;
  }
  closeMenus();
  const target = focus ? inWindow(w, focus) : named(w).querySelector("button, input, select");
  if (target) target.focus();
}

export function closeWindow(w) {
  named(w).hidden = true;
  const i = modal.lastIndexOf(w);
  if (i >= 0) modal.splice(i, 1);
  shade();
  const top = topWindow();
  const focus = top ? named(top).querySelector("button") : null;
  if (focus) focus.focus();
}

export function closeModalWindows() {
  messages.length = 0;
  for (const w of [...modal]) closeWindow(w);
}

export const isOpen = (w) => !named(w).hidden;
export const topWindow = () => modal[modal.length - 1] ?? null;

// The game's message box. A message that comes while it shows another waits
// for its turn, so that each is read.
const messages = [];

export function showError(message) {
  if (isOpen("ErrorBox")) {
    messages.push(message);
    return;
  }
  inWindow("ErrorBox", "ErrorText").textContent = message;
  openWindow("ErrorBox", true, "ErrorOk");
}

inWindow("ErrorBox", "ErrorOk").onclick = () => {
  closeWindow("ErrorBox");
  if (messages.length) showError(messages.shift());
};

// A phone turned: the open windows go to the new place of the moment's
// window, once the stage has its new layout.
window.addEventListener("resize", () =>
  requestAnimationFrame(() => {
    for (const el of document.querySelectorAll(".window.dialog:not([hidden])")) place(el.dataset.name);
  }));
