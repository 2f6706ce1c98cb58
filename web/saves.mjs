// The game's files between the core's game folder and the browser's storage:
// the saved game and the top ten are kept as the core writes them, put back
// into the folder at the start, exported as the desktop writes them, and a
// saved game the player picks is imported unless the game could not use it.
import * as core from "./core.mjs";
import { importRefusal, kMaxImport } from "./import_check.mjs";
import { askToPersist, keepFile, keptFile } from "./storage.mjs";
import { named, showError } from "./windows.mjs";
import { WriteReports, failureKind } from "./write_reports.mjs";
import { tr } from "./language.mjs";

export const kSavedGame = "Kelmar.ini";
export const kTopTen = "Rank.txt";

const because = (e) => (e && e.message ? e.message : String(e));
const reports = new WriteReports();

// The start's message of a page without the browser's storage stands for
// the first refused write.
export const storageUnavailableTold = () => reports.toldAlready("unavailable");

// Bytes kept under this name in the browser; a refusal told to the player
// (once a kind). A saved game's first write asks the browser to keep the
// storage. Whether they were kept.
async function keepBytes(name, bytes) {
  if (name === kSavedGame) askToPersist();
  try {
    const kept = await keepFile(name, bytes);
    if (kept) reports.succeeded();
    return kept;
  } catch (e) {
    const message = reports.failed(failureKind(e), name, e);
    if (message) showError(message);
    return false;
  }
}

// A file the core wrote goes to the browser's storage as it is.
export async function keepGameFile(name) {
  const bytes = core.readGameFile(name);
  return bytes ? keepBytes(name, new Uint8Array(bytes)) : false;
}

// The kept files into the game folder; whether a top ten was kept.
export async function bringKeptFiles() {
  const read = (name) => keptFile(name).catch((e) => {
    showError(tr("{name} をブラウザーから読めません: {reason}", { name, reason: because(e) }));
    return undefined;
  });
  const [saved, topTen] = await Promise.all([read(kSavedGame), read(kTopTen)]);
  putGameFile(kSavedGame, saved);
  return putGameFile(kTopTen, topTen) && Boolean(topTen);
}

// Into the core's game folder; a file-system error is said. Whether it is there.
function putGameFile(name, bytes) {
  if (!bytes) return true;
  try {
    core.writeGameFile(name, bytes);
    return true;
  } catch (e) {
    showError(tr("{name} をゲームのフォルダーに置けません: {reason}", { name, reason: because(e) }));
    return false;
  }
}

// KS1: Kelmar.ini written, then kept.
export async function saveGame() {
  if (core.save()) await keepGameFile(kSavedGame);
}

// Kelmar.ini downloaded as the desktop writes it.
export async function exportSave() {
  const bytes = core.readGameFile(kSavedGame) || (await keptFile(kSavedGame).catch(() => undefined));
  if (!bytes) {
    showError(tr("保存されたゲームがありません。"));
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

// The game's own verdict on these bytes: tried in the core's scratch
// folder up to their first bout. Its error's text, or null.
function trialRefusal(bytes) {
  try {
    return core.importRefusal(bytes);
  } catch (e) {
    return tr("保存ファイルを試せません: {reason}", { reason: because(e) });
  }
}

// A saved game the player picked: tried first, then kept and put into the
// game folder for ゲームの再開; or refused with the game's reason, and the
// kept save stays as it was. Whether it was taken.
export async function importFile(file) {
  let bytes;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
  } catch (e) {
    showError(tr("ファイルを読めません: {reason}", { reason: because(e) }));
    return false;
  }
  // A file too large for a save is not tried; one the game plays but that
  // lacks a section it writes is refused still.
  const tooLarge = bytes.length > kMaxImport ? importRefusal(bytes) : null;
  const refusal = tooLarge ?? trialRefusal(bytes) ?? importRefusal(bytes);
  if (refusal) {
    showError(refusal);
    return false;
  }
  if (!putGameFile(kSavedGame, bytes)) return false;
  const kept = await keepBytes(kSavedGame, bytes);
  showError(tr(kept ? "保存ファイルを読み込みました。「ゲームの再開」で続きを遊べます。"
                    : "保存ファイルを読み込みました。このページを閉じるまで「ゲームの再開」で遊べます。"));
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
