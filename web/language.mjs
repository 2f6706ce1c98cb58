// The language the page shows the game in: Japanese or English. The player's
// choice is kept in local storage; ?lang=ja or ?lang=en sets it for one visit
// without changing what is kept; without either, the browser's language
// ("ja…" Japanese, anything else English). Only what is shown depends on it:
// the saves are the same bytes in every language.
import { format, languageOfTag, languages, translate } from "./catalogue.mjs";

export const kLanguageKey = "kelmar.language";
const known = (code) => languages.some((l) => l.code === code);

// The language of a visit: the address's, the kept one, the browser's.
export function chooseLanguage({ search = "", kept = null, browser = "" } = {}) {
  const asked = new URLSearchParams(search).get("lang");
  if (asked !== null && known(asked)) return asked;
  if (kept !== null && known(kept)) return kept;
  return languageOfTag(browser);
}

export function keptLanguage(local = globalThis.localStorage) {
  try {
    return local.getItem(kLanguageKey);
  } catch {
    return null;
  }
}

export function keepLanguage(code, local = globalThis.localStorage) {
  try {
    local.setItem(kLanguageKey, code);
  } catch {
    // The choice holds for this visit.
  }
}

let current = "ja";
export const currentLanguage = () => current;
export const setCurrentLanguage = (code) => (current = code);

// A text of the page (its Japanese wording, in `context` if given) in the
// current language, with its {placeholders} filled in from `pieces`.
export const tr = (japanese, pieces, context) =>
  pieces ? format(current, japanese, pieces, context) : translate(current, japanese, context);

// A caption with an access key ("ﾌｧｲﾙ(&F)") as nodes: the key underlined.
export function captionNodes(caption, doc = globalThis.document) {
  const at = caption.indexOf("&");
  if (at < 0 || at + 1 >= caption.length) return [caption.replace("&", "")];
  const key = doc.createElement("u");
  key.textContent = caption[at + 1];
  return [caption.slice(0, at), key, caption.slice(at + 2)];
}

// The page's own texts (index.html) in the current language: an element with
// data-text shows its key translated; aria-label and title are translated
// from the Japanese they first held.
export function translatePage(doc = globalThis.document) {
  for (const el of doc.querySelectorAll("[data-text]")) el.replaceChildren(...captionNodes(tr(el.dataset.text), doc));
  for (const attribute of ["aria-label", "title"]) {
    const keptAs = "ja" + attribute.replace("-", "");
    for (const el of doc.querySelectorAll(`[${attribute}]`)) {
      if (el.dataset[keptAs] === undefined) el.dataset[keptAs] = el.getAttribute(attribute);
      el.setAttribute(attribute, tr(el.dataset[keptAs]));
    }
  }
  doc.title = tr("ケルマー");
  doc.documentElement.lang = current;
}
