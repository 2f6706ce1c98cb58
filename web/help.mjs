// The help window: the help file's topics as the core reads them, its links
// followed, 目次 for the first topic and 戻る back along the topics seen.
import * as core from "./core.mjs";
import { closeWindow, inWindow, openWindow, showError } from "./windows.mjs";
import { tr } from "./language.mjs";

let topics = null;
let history = [];
let current = 0;

function paragraphOf(spans) {
  const p = document.createElement("p");
  for (const { text, link } of spans) {
    const span = document.createElement(link ? "a" : "span");
    text.split("\n").forEach((part, i) => {
      if (i) span.append(document.createElement("br"));
      span.append(part);
    });
    if (link) span.onclick = () => showTopic(link, true);
    p.append(span);
  }
  return p;
}

function showTopic(number, remember) {
  const topic = topics.find((t) => t.number === number);
  if (!topic) {
    showError(tr("ヘルプの項目 {number} がありません。", { number }));
    return false;
  }
  if (remember && current) history.push(current);
  current = number;
  const browser = inWindow("HelpWindow", "Browser");
  const title = document.createElement("h3");
  title.textContent = topic.title;
  browser.replaceChildren(title, ...topic.paragraphs.map(paragraphOf));
  browser.scrollTop = 0;
  return true;
}

// KP1: the help file read anew, its first topic shown.
export function showHelp() {
  topics = core.help();
  if (topics === null) return;
  history = [];
  current = 0;
  if (showTopic(1, false)) openWindow("HelpWindow", false);
}

// The open help read again in the language now, at the topic it shows.
export function redrawHelp() {
  const read = core.help();
  if (read === null) return;
  topics = read;
  showTopic(current || 1, false);
}

inWindow("HelpWindow", "CloseHelp").onclick = () => closeWindow("HelpWindow");
inWindow("HelpWindow", "btnContents").onclick = () => showTopic(1, true);
inWindow("HelpWindow", "btnBack").onclick = () => {
  if (history.length) showTopic(history.pop(), false);
};
