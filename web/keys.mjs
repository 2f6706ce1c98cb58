// The keyboard, as the desktop's windows take it: 1 to 4 press the tactic
// window's buttons, Enter the default button of the window on top (or 次へ
// on the main window), Escape cancels the name dialog.

// The default button of each modal window.
export const kDefaultButtons = {
  frmPaper: "Ok",
  frmReport: "Button1",
  frmStage: "btnClose",
  ErrorBox: "ErrorOk",
  NameDialog: "NameOk",
};

// The button a key presses, {window, button}, or null. `top` is the modal
// window on top (or null); `chartClose` whether the focus is on the close
// button of the chart opened from the menu; `next` whether the main window
// offers 次へ (its button shown, enabled and so captioned).
export function buttonForKey(key, { top = null, chartClose = false, next = false } = {}) {
  if (top === "frmStrategy" && /^[1-4]$/.test(key)) return { window: top, button: "Button" + key };
  if (key === "Enter") {
    if (top) return kDefaultButtons[top] ? { window: top, button: kDefaultButtons[top] } : null;
    if (chartClose) return { window: "frmStage", button: "btnClose" };
    if (next) return { window: "frmKelmar", button: "PlayerOkButton" };
  }
  if (key === "Escape" && top === "NameDialog") return { window: top, button: "NameCancel" };
  return null;
}

// Presses the buttons of the keys on `target`: `situation()` tells the
// state of the windows at the key, `press(window, button)` presses.
export function listenToKeys(target, situation, press) {
  target.addEventListener("keydown", (e) => {
    const hit = buttonForKey(e.key, situation());
    if (!hit) return;
    e.preventDefault();
    press(hit.window, hit.button);
  });
}
