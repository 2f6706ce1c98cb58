// The about box (KA1): the version, and what the browser grants the game,
// read when the box opens: whether it keeps the storage (persist), whether
// the game plays offline, and, outside a secure context, that the page plays
// without what only a secure one has.
import { appState, secure } from "./app.mjs";
import { persistenceState, readPersistence } from "./storage.mjs";
import { inWindow, openWindow } from "./windows.mjs";
import { tr } from "./language.mjs";

const kPersistence = {
  granted: "ブラウザーは、このゲームの保存を消さずに保ちます。",
  refused: "ブラウザーは、保存を保つことを許しませんでした。長く遊ばないと保存が消されることがあります。「保存ファイルの書き出し」で控えを取ってください。",
  unasked: "保存を保つことは、最初の保存のときにブラウザーに頼みます。",
  unavailable: "このブラウザーには、保存を保つように頼めません。",
};

const kApp = {
  offline: "オフラインでも遊べます。",
  installing: "オフラインで遊ぶための用意をしています。",
  waiting: "新しい版を用意しました。次に開いたときに使われます。",
  none: "",
};

const kInsecure =
  "このページは安全な接続（https か localhost）で開かれていないため、オフラインで遊ぶこと、保存を保つこと、" +
  "ひとつのタブだけで遊ぶことはできません。";

// The about box's lines for what the browser grants.
export function aboutNotes({ isSecure, persistence, app }) {
  if (!isSecure) return [kInsecure];
  return [kPersistence[persistence] ?? kPersistence.unavailable, kApp[app] ?? ""].filter(Boolean);
}

export async function showAbout() {
  await readPersistence();
  const notes = aboutNotes({ isSecure: secure(), persistence: persistenceState(), app: appState() });
  inWindow("AboutForm", "AboutNotes").textContent = notes.map((n) => tr(n)).join("\n");
  openWindow("AboutForm", false, "Button1");
}
