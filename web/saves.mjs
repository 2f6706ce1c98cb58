// The game's files between the core's game folder and the browser's storage:
// the saved game and the top ten are kept as the core writes them, put back
// into the folder at the start, exported as the desktop writes them, and a
// saved game the player picks is imported unless the game could not use it.
import * as core from "./core.mjs";
import { importRefusal } from "./import_check.mjs";
import { keepFile, keptFile } from "./storage.mjs";
import { named, showError } from "./windows.mjs";

export const kSavedGame = "Kelmar.ini";
export const kTopTen = "Rank.txt";

const because = (e) => (e && e.message ? e.message : String(e));

// A file the core wrote goes to the browser's storage as it is.
export async function keepGameFile(name) {
  const bytes = core.readGameFile(name);
  if (!bytes) return;
  try {
    await keepFile(name, new Uint8Array(bytes));
  } catch (e) {
    showError(`${name} をブラウザーに保存できません: ${because(e)}`);
  }
}

// The kept files into the game folder; whether a top ten was kept.
export async function bringKeptFiles() {
  const [saved, topTen] = await Promise.all([keptFile(kSavedGame), keptFile(kTopTen)]);
  if (saved) core.writeGameFile(kSavedGame, saved);
  if (topTen) core.writeGameFile(kTopTen, topTen);
  return Boolean(topTen);
}

// KS1: Kelmar.ini written, then kept.
export async function saveGame() {
  if (core.save()) await keepGameFile(kSavedGame);
}

// Kelmar.ini downloaded as the desktop writes it.
export async function exportSave() {
  const bytes = core.readGameFile(kSavedGame) || (await keptFile(kSavedGame));
  if (!bytes) {
    showError("保存されたゲームがありません。");
    return;
  }
  const a = document.createElement("a");
  a.href = URL.createObjectURL(new Blob([bytes], { type: "application/octet-stream" }));
  a.download = kSavedGame;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

// A saved game the player picked: kept and put into the game folder for
// ゲームの再開, or refused with the reason; whether it was taken.
export async function importFile(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  const refusal = importRefusal(bytes);
  if (refusal) {
    showError(refusal);
    return false;
  }
  await keepFile(kSavedGame, bytes);
  core.writeGameFile(kSavedGame, bytes);
  showError("保存ファイルを読み込みました。「ゲームの再開」で続きを遊べます。");
  return true;
}

// The file chooser of 保存ファイルの読み込み.
export function chooseImport() {
  const input = named("ImportFile");
  input.value = "";
  input.click();
}

named("ImportFile").onchange = (e) => {
  if (e.target.files.length) importFile(e.target.files[0]);
};
