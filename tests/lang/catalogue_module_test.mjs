// The page's module of the catalogues, as the build compiles it from i18n/.
import { test } from "node:test";
import assert from "node:assert/strict";

const { languages, translate, format, languageOfTag } = await import(
  process.env.KELMAR_CATALOGUE_MODULE
);

test("Japanese first, each language in its own name", () => {
  assert.deepEqual(languages[0], { code: "ja", name: "日本語" });
  assert.ok(languages.some((l) => l.code === "en" && l.name === "English"));
});

test("a text is looked up by its Japanese wording, in its context", () => {
  assert.equal(translate("en", "横綱", "rank"), "Yokozuna");
  assert.equal(translate("en", "横綱", "rank, short"), "Y");
  assert.equal(translate("ja", "横綱", "rank"), "横綱");
});

test("a text the catalogue lacks is shown in Japanese", () => {
  assert.equal(translate("en", "この文はどの目録にもない"), "この文はどの目録にもない");
  assert.equal(translate("xx", "横綱", "rank"), "横綱");
});

test("placeholders filled where the translation puts them", () => {
  assert.equal(format("en", "{month}月場所{day}日目", { month: "May", day: 3 }), "May Basho, Day 3");
  assert.equal(format("ja", "{month}月場所{day}日目", { month: 5, day: 3 }), "5月場所3日目");
  assert.equal(format("en", "{x}はない", {}), "{x}はない");
});

test("the browser's language: ja... Japanese, anything else English", () => {
  for (const [tag, code] of [["ja", "ja"], ["ja-JP", "ja"], ["en-GB", "en"], ["fr-FR", "en"],
      ["", "en"], [undefined, "en"]]) {
    assert.equal(languageOfTag(tag), code, String(tag));
  }
});
