// The check of a saved game that the player picks to import: a file the
// game could not use never replaces the kept one.
import { tr } from "./language.mjs";

export const kMaxImport = 64 * 1024;
// The sections the game writes: the league's "Wres" and one per slot.
export const kSavedGameSections = ["Wres", ...Array.from({ length: 32 }, (_, i) => String(i + 1))];

// The sections of an INI file's bytes, as its section lines name them.
export function sectionsOf(bytes) {
  const text = new TextDecoder("latin1").decode(bytes);
  const sections = new Set();
  for (const line of text.split(/\r\n|\n|\r/)) {
    const m = /^\s*\[([^\]]*)\]\s*$/.exec(line);
    if (m) sections.add(m[1].trim());
  }
  return sections;
}

// Why these bytes are no saved game (the message for the player), or null.
export function importRefusal(bytes) {
  if (bytes.length > kMaxImport) return tr("ファイルが大きすぎます。保存ファイルではありません。");
  const sections = sectionsOf(bytes);
  const lacking = kSavedGameSections.find((s) => !sections.has(s));
  if (lacking !== undefined) return tr("保存ファイルではありません（セクション [{section}] がありません）。", { section: lacking });
  return null;
}
