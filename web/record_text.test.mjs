import assert from "node:assert/strict";
import { test } from "node:test";

import { setCurrentLanguage } from "./language.mjs";
import {
  coverAchievementPieces, coverAchievementsText, coverFactsText, pastColumns, rankText, savedGameText, sortedCareers, summaryText,
} from "./record_text.mjs";

const words = ["横綱", "大関", "関脇", "小結", "前頭"];

test("rank words of the core's codes, none outside 1..5", () => {
  for (const [code, word] of [[1, "横綱"], [5, "前頭"], [0, ""], [6, ""], [-1, ""]])
    assert.equal(rankText(words, code), word);
});

test("the home's glance: two lines, nothing without details", () => {
  assert.equal(savedGameText({ shikona: "琴雅", rank: "前頭", nengo: 2020, month: 3 }),
    "琴雅　前頭\n2020年3月場所まで");
  assert.equal(savedGameText({ exists: true, shikona: "", rank: "", nengo: 0, month: 0 }), "");
});

test("the summary line, with and without a best rank, retired or not", () => {
  const c = { shikona: "朝陽丸", firstNengo: 2020, firstMonth: 3, basho: 12, bestRank: 2, yusyo: 1,
    wins: 100, losses: 80, score: 900, retired: true };
  assert.equal(summaryText(words, c),
    "朝陽丸　初土俵 2020年3月　12場所　最高位 大関　優勝 1回　100勝80敗　得点 900　（引退）");
  assert.equal(summaryText(words, { ...c, bestRank: 0, retired: false }),
    "朝陽丸　初土俵 2020年3月　12場所　優勝 1回　100勝80敗　得点 900");
});

test("the cover's facts: the last basho named as retired or latest", () => {
  const c = { firstNengo: 2020, firstMonth: 3, lastNengo: 2022, lastMonth: 11, bestRank: "関脇",
    wins: 50, losses: 40, yusyo: 0, retired: false };
  assert.equal(coverFactsText(c).split("\n")[1], "最新　2022年11月場所");
  assert.equal(coverFactsText({ ...c, retired: true }).split("\n")[1], "引退　2022年11月場所");
  assert.equal(coverFactsText({ ...c, lastNengo: 0 }).split("\n").length, 3);
});

test("the cover's feats, four to a line", () => {
  assert.equal(coverAchievementsText({ achievements: [] }), "達成：まだなし");
  const feats = Array.from({ length: 5 }, (_, i) => ({ name: `F${i}`, nengo: 2020, month: 1 + 2 * i }));
  const lines = coverAchievementsText({ achievements: feats }).split("\n");
  assert.equal(lines.length, 2);
  assert.equal(lines[0], "達成：F0（2020年1月）　F1（2020年3月）　F2（2020年5月）　F3（2020年7月）");
  assert.equal(lines[1], "　　　F4（2020年9月）");
});

test("the cover's feats in English: each a piece of its own, the label first", () => {
  setCurrentLanguage("en");
  try {
    assert.deepEqual(coverAchievementPieces({ achievements: [] }), ["Feats: none yet"]);
    assert.deepEqual(coverAchievementPieces({ achievements: [{ name: "First yusho", nengo: 2021, month: 5 }] }),
      ["Feats: ", "First yusho (May 2021)"]);
  } finally {
    setCurrentLanguage("ja");
  }
});

test("歴代の力士 sorted by each column, ties by career", () => {
  const careers = [
    { career: 1, shikona: "A", basho: 5, bestRank: 5, yusyo: 0, wins: 30, score: 100, retired: true },
    { career: 2, shikona: "B", basho: 9, bestRank: 1, yusyo: 3, wins: 90, score: 700, retired: false },
    { career: 3, shikona: "C", basho: 9, bestRank: 0, yusyo: 0, wins: 10, score: 50, retired: true },
  ];
  const columns = pastColumns(words);
  const order = (column, down) => sortedCareers(careers, columns, { column, down }).map((c) => c.career);
  const cases = [
    [6, true, [2, 1, 3]], // the best score first
    [6, false, [3, 1, 2]],
    [3, true, [2, 1, 3]], // 横綱 first, no rank last
    [2, true, [2, 3, 1]], // a tie in basho keeps the first career first
    [7, true, [1, 3, 2]],
  ];
  for (const [column, down, expected] of cases) assert.deepEqual(order(column, down), expected, `column ${column}`);
});
