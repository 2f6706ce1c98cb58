// The main window's menu bar: a menu opens on a click (a tap) and closes on
// the next click elsewhere or when an item is chosen; a disabled item does
// nothing.

const bar = document.querySelector(".menubar");
const item = (name) => bar.querySelector(`[data-name="${name}"]`);

function closeOpenMenus() {
  for (const m of bar.querySelectorAll(".menu.open, .submenu.open")) m.classList.remove("open");
}

// Every menu closed, and on a phone its drawer.
export function closeMenus() {
  bar.classList.remove("open");
  closeOpenMenus();
}

for (const title of bar.querySelectorAll(".menu > .title")) {
  title.addEventListener("click", (e) => {
    const menu = title.parentElement;
    const open = menu.classList.contains("open");
    closeOpenMenus();
    if (!open) menu.classList.add("open");
    e.stopPropagation();
  });
}
for (const title of bar.querySelectorAll(".submenu > .title")) {
  title.addEventListener("click", (e) => {
    title.parentElement.classList.toggle("open");
    e.stopPropagation();
  });
}
document.addEventListener("click", (e) => {
  if (!e.target.closest(".menubar")) closeMenus();
});

// The item `name` runs `handler` when chosen.
export function onItem(name, handler) {
  item(name).addEventListener("click", (e) => {
    e.stopPropagation();
    if (e.currentTarget.disabled) return;
    closeMenus();
    handler();
  });
}

export const enableItem = (name, on) => (item(name).disabled = !on);
export const checkItem = (name, on) => item(name).classList.toggle("checked", !!on);

// A caption of the game's menus ("標準(&1)") as the bar shows it: the access
// key underlined.
export function captionNodes(caption) {
  const at = caption.indexOf("&");
  if (at < 0 || at + 1 >= caption.length) return [caption.replace("&", "")];
  const key = document.createElement("u");
  key.textContent = caption[at + 1];
  return [caption.slice(0, at), key, caption.slice(at + 2)];
}

// The items of a submenu, {name, caption} each, in its list `items`.
export function addItems(submenu, items) {
  const list = item(submenu).querySelector(".items");
  for (const { name, caption } of items) {
    const button = document.createElement("button");
    button.dataset.name = name;
    button.className = "check";
    button.append(...captionNodes(caption));
    list.append(button);
  }
}
