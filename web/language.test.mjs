import assert from "node:assert/strict";
import { test } from "node:test";
import { chooseLanguage, keepLanguage, keptLanguage, kLanguageKey, setCurrentLanguage, tr } from "./language.mjs";

test("the language of a visit", () => {
  const cases = [
    ["a Japanese browser", { browser: "ja-JP" }, "ja"],
    ["a bare ja", { browser: "ja" }, "ja"],
    ["an English browser", { browser: "en-GB" }, "en"],
    ["a French browser reads English", { browser: "fr-FR" }, "en"],
    ["no language at all reads English", {}, "en"],
    ["the kept choice wins over the browser", { browser: "en-US", kept: "ja" }, "ja"],
    ["a kept code we lack is passed over", { browser: "ja-JP", kept: "xx" }, "ja"],
    ["the address wins over the kept choice", { search: "?lang=en", kept: "ja", browser: "ja" }, "en"],
    ["?lang=ja on an English browser", { search: "?clock=0,1000&lang=ja", browser: "en" }, "ja"],
    ["an unknown ?lang is passed over", { search: "?lang=de", kept: "en", browser: "ja" }, "en"],
  ];
  for (const [name, visit, expected] of cases) assert.equal(chooseLanguage(visit), expected, name);
});

test("the choice is kept, and a refusing storage keeps nothing without throwing", () => {
  const store = new Map();
  const local = { getItem: (k) => store.get(k) ?? null, setItem: (k, v) => store.set(k, v) };
  assert.equal(keptLanguage(local), null);
  keepLanguage("en", local);
  assert.equal(store.get(kLanguageKey), "en");
  assert.equal(keptLanguage(local), "en");
  const refusing = { getItem: () => { throw new Error("denied"); }, setItem: () => { throw new Error("denied"); } };
  assert.equal(keptLanguage(refusing), null);
  keepLanguage("en", refusing);
});

test("the page's texts in English, Japanese as it is", () => {
  setCurrentLanguage("en");
  assert.equal(tr("ヘルプの項目 {number} がありません。", { number: 7 }), "There is no help topic 7.");
  assert.equal(tr("まだどの目録にもない文"), "まだどの目録にもない文");
  setCurrentLanguage("ja");
  assert.equal(tr("ヘルプの項目 {number} がありません。", { number: 7 }), "ヘルプの項目 7 がありません。");
});
