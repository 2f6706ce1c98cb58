// The writes the browser refuses, told to the player when they happen: each
// kind of failure once, until a write succeeds again. The game plays on with
// what it holds in memory, and the next save that succeeds keeps it.
import { tr } from "./language.mjs";

// The kind of a refused write, by the error's name as the browsers give it.
export function failureKind(error) {
  const name = error && error.name;
  const message = error && error.message ? String(error.message) : "";
  if (name === "QuotaExceededError" || /quota/i.test(message)) return "quota";
  if (name === "NoStoreError") return "unavailable";
  if (name === "InvalidStateError" || name === "NotFoundError" || name === "AbortError") return "cleared";
  if (name === "SecurityError" || name === "NotAllowedError" || name === "UnknownError") return "denied";
  return "other";
}

const kAfter = "ゲームはこのまま続けられます。次に保存できたとき、いまのゲームが保存されます。";

export const kFailureMessages = {
  quota: "ブラウザーの保存領域がいっぱいで、保存できませんでした。",
  unavailable: "このブラウザー（プライベートウィンドウなど）は保存を許していません。ゲームの保存とトップ１０は、このページを閉じると消えます。",
  cleared: "ブラウザーの保存領域が消されたため、保存できませんでした。",
  denied: "ブラウザーが保存を拒みました。",
  other: "ブラウザーに保存できませんでした。",
};

// The message of a failure of this kind for `name`, or null when this kind
// was told already since the last write that succeeded.
export class WriteReports {
  constructor() {
    this.told = new Set();
  }

  failed(kind, name, error) {
    if (this.told.has(kind)) return null;
    this.told.add(kind);
    const because = error && error.message ? `（${error.message}）` : "";
    return `${name}: ${tr(kFailureMessages[kind] ?? kFailureMessages.other)}${because}\n${tr(kAfter)}`;
  }

  // Told without a write, as at the start when the page has no database.
  toldAlready(kind) {
    this.told.add(kind);
  }

  succeeded() {
    this.told.clear();
  }
}
