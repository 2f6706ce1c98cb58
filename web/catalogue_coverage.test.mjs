// Every text of the page has its English: the keys of index.html (data-text,
// aria-label, title), every literal the modules hand tr(), and the messages
// they keep in tables. A text the catalogue lacks would show in Japanese.
import assert from "node:assert/strict";
import { readdirSync, readFileSync } from "node:fs";
import { test } from "node:test";
import { translate } from "./catalogue.mjs";
import { kFailureMessages } from "./write_reports.mjs";

const here = new URL(".", import.meta.url);
const read = (name) => readFileSync(new URL(name, here), "utf8");
const untranslated = (texts) => [...new Set(texts)].filter((t) => translate("en", t) === t);
const decoded = (attribute) => attribute.replace(/&amp;/g, "&").replace(/&quot;/g, '"');

test("index.html's texts all have their English", () => {
  const html = read("index.html");
  const keys = [...html.matchAll(/(?:data-text|aria-label|title)="([^"]*)"/g)].map((m) => decoded(m[1]));
  assert.ok(keys.length > 70, `index.html's keys found (${keys.length})`);
  assert.deepEqual(untranslated(keys.filter((k) => /[^\x00-\x7f]/.test(k))), []);
});

test("every text the modules translate has its English", () => {
  const literals = [];
  for (const name of readdirSync(here).filter((n) => n.endsWith(".mjs") && !n.endsWith(".test.mjs")))
    for (const m of read(name).matchAll(/\btr\(\s*(?:[\w.]+ \? )?"((?:[^"\\]|\\.)*)"(?:\s*:\s*"((?:[^"\\]|\\.)*)")?/g))
      for (const text of [m[1], m[2]]) if (text !== undefined) literals.push(JSON.parse(`"${text}"`));
  assert.ok(literals.length > 40, `the modules' texts found (${literals.length})`);
  assert.deepEqual(untranslated(literals), []);
});

// The Japanese string literals of a module, those joined by + as one.
const japaneseLiterals = (source) =>
  [...source.matchAll(/"((?:[^"\\]|\\.)*)"((?:\s*\+\s*"(?:[^"\\]|\\.)*")*)/g)]
    .map((m) => [m[1], ...[...m[2].matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((n) => n[1])].join(""))
    .filter((t) => /[^\x00-\x7f]/.test(t));

test("the messages kept in tables have their English", () => {
  const notes = japaneseLiterals(read("about.mjs"));
  assert.ok(notes.length >= 8, `the about box's notes found (${notes.length})`);
  const after = japaneseLiterals(read("write_reports.mjs"));
  assert.deepEqual(untranslated([...notes, ...after, ...Object.values(kFailureMessages)]), []);
});
