// The career record's store Kelmar.db in the browser: its bytes are kept
// whole in IndexedDB beside the saved game (web/storage.mjs), one put in one
// transaction after each write of the record, so that a closed tab loses at
// most the basho in progress; they are put back into the game folder at the
// start, exported as the desktop keeps them, and replaced by a store the
// player imports once the core has checked it.
import * as core from "./core.mjs";
import { keepFile, keptFile } from "./storage.mjs";
import { named, showError } from "./windows.mjs";
import { tr } from "./language.mjs";

export const kRecordFile = "Kelmar.db";
const kImported = "Kelmar-import.db";

let keeping = Promise.resolve();
let refused = false;

const because = (e) => (e && e.message ? e.message : String(e));

// The kept store into the game folder, before the game starts.
export async function bringRecord() {
  const bytes = await keptFile(kRecordFile);
  if (bytes) core.writeGameFile(kRecordFile, bytes);
}

// The store as the record has just written it, kept after the writes before
// it. A browser that refuses it is reported once; the game plays on.
export function keepRecord() {
  const bytes = core.readGameFile(kRecordFile);
  if (!bytes) return keeping;
  keeping = keeping
    .then(() => keepFile(kRecordFile, bytes))
    .catch((e) => {
      if (refused) return;
      refused = true;
      showError(tr("力士の記録 {file} をブラウザーに保存できません: {reason}\n記録はこのページを閉じると消えます。", { file: kRecordFile, reason: because(e) }));
    });
  return keeping;
}

// Settles when every write so far is kept.
export const recordKept = () => keeping;

// 記録の書き出し: Kelmar.db downloaded.
export function exportRecord() {
  const bytes = core.readGameFile(kRecordFile);
  if (!bytes) {
    showError(tr("力士の記録がまだありません。"));
    return;
  }
  const a = document.createElement("a");
  a.href = URL.createObjectURL(new Blob([bytes], { type: "application/vnd.sqlite3" }));
  a.download = kRecordFile;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

// A store the player picked: checked by the core, then it replaces the
// record and is kept; refused with the reason otherwise, the kept store as
// it was. Whether it was taken.
export async function importRecord(file) {
  if (core.bashoRunning()) {
    showError(tr("場所の途中では記録を読み込めません。"));
    return false;
  }
  core.writeGameFile(kImported, new Uint8Array(await file.arrayBuffer()));
  const refusal = core.storeRefusal(kImported);
  if (refusal) {
    core.removeGameFile(kImported);
    showError(tr("記録を読み込めません。{refusal}", { refusal }));
    return false;
  }
  if (!core.takeStore(kImported)) return false;
  await recordKept();
  showError(tr("力士の記録を読み込みました。"));
  return true;
}

export function chooseRecordImport() {
  const input = named("ImportRecordFile");
  input.value = "";
  input.click();
}

named("ImportRecordFile").onchange = (e) => {
  if (e.target.files.length) importRecord(e.target.files[0]);
};
