// The home over the board, as the desktop's: the title picture, and buttons
// that are the menu's own commands (新しい力士 is New game, 続きから the
// resume, with a glance at the saved rikishi, and the record's three
// windows). Shown at the start, hidden when a career begins, shown again
// when one has ended.
import * as core from "./core.mjs";
import { savedGameText } from "./record_text.mjs";
import { named } from "./windows.mjs";

const home = () => named("HomeFace");
const inHome = (name) => named(name, home());

function drawTitle() {
  const canvas = inHome("TitlePicture");
  const context = canvas.getContext("2d");
  const title = core.gamePicture(core.titlePicture());
  if (title && title.width === canvas.width && title.height === canvas.height) {
    const pixels = new Uint8ClampedArray(title.rgba.buffer, title.rgba.byteOffset, title.rgba.length);
    context.putImageData(new ImageData(pixels, title.width, title.height), 0, 0);
    return;
  }
  // A folder without the picture shows the game's name.
  context.fillStyle = "#fff";
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.fillStyle = "#000";
  context.font = "40px " + getComputedStyle(document.body).getPropertyValue("--gothic");
  context.textAlign = "center";
  context.textBaseline = "middle";
  context.fillText("ケルマー", canvas.width / 2, canvas.height / 2);
}

// Shown, and shown again when the language changes: the title of the language.
export function showHome() {
  drawTitle();
  const glance = core.savedGlance();
  inHome("ResumeButton").disabled = !glance.exists;
  inHome("SavedGameLabel").textContent = savedGameText(glance);
  home().hidden = false;
}

export const hideHome = () => (home().hidden = true);
export const homeShown = () => !home().hidden;

// Each button gives its menu item's command.
export function bindHome() {
  drawTitle();
  const ways = {
    NewButton: "KN1", ResumeButton: "KO2", RecordButton: "KC1", PastButton: "KH2", ArchiveButton: "KA2",
  };
  for (const [button, item] of Object.entries(ways))
    inHome(button).onclick = () => named(item, document.querySelector(".menubar")).click();
}
