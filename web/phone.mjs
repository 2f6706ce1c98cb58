// The phone layout (scaling.mjs says when and where): the class "phone" on
// the page, with "beside" when the phone lies on its side; the menu behind
// one button, its bar moved out of the scaled stage into a drawer of the
// page's own pixels; and the place of the window of the moment.
import { closeMenus } from "./menu.mjs";
import { isPhone, phoneLayout } from "./scaling.mjs";

const root = document.documentElement;
const bar = document.querySelector(".menubar");
const home = bar.parentElement; // the main window, where the bar lives on a desktop
const button = document.getElementById("phoneMenu");
const coarse = globalThis.matchMedia ? matchMedia("(pointer: coarse)") : { matches: false };

let layout = null;

// The layout of the window now: the phone's, or null for the desktop's.
export function currentLayout() {
  const width = root.clientWidth;
  const height = window.innerHeight;
  layout = isPhone(width, height, coarse.matches) ? phoneLayout(width, height) : null;
  root.classList.toggle("phone", layout !== null);
  root.classList.toggle("beside", layout !== null && layout.beside);
  const drawer = document.getElementById("phoneBar");
  if (layout && bar.parentElement !== drawer) drawer.append(bar);
  if (!layout && bar.parentElement !== home) home.prepend(bar);
  if (!layout) bar.classList.remove("open");
  return layout;
}

// Where the window of the moment goes, in the stage's pixels, or null on a
// desktop.
export const momentArea = () => (layout ? layout.moment : null);

button.addEventListener("click", (e) => {
  const open = bar.classList.contains("open");
  closeMenus();
  bar.classList.toggle("open", !open);
  e.stopPropagation();
});
