// The words of the record's windows for its numbers, as the desktop writes
// them: months, records of wins and losses, the summary line, the cover's
// facts and feats, the home's glance, and the order of 歴代の力士. Plain
// functions over the core's values; the rank words come from the core.

// 2020年3月
export const bashoName = (nengo, month) => tr("{nengo}年{month}月", {
  nengo, month: currentLanguage() === "ja" ? month : tr(`${month}月`, undefined, "month"),
});
// 9勝6敗
export const winsAndLosses = (wins, losses) => tr("{wins}勝{losses}敗", { wins, losses });
// 横綱 for 1 down to 前頭 for 5, of the core's words; "" for any other code.
export const rankText = (words, rank) => (rank >= 1 && rank <= words.length ? words[rank - 1] : "");

// SavedGameLabel's two lines, or "" without details.
import { currentLanguage, tr } from "./language.mjs";
export function savedGameText(glance) {
  if (!glance.shikona) return "";
  return tr("{shikona}　{rank}\n{basho}場所まで", { shikona: glance.shikona, rank: glance.rank, basho: bashoName(glance.nengo, glance.month) });
}

export function summaryText(words, c) {
  let text = tr("{shikona}　初土俵 {first}　{basho}場所", { shikona: c.shikona, first: bashoName(c.firstNengo, c.firstMonth), basho: c.basho });
  if (c.bestRank) text += tr("　最高位 {rank}", { rank: rankText(words, c.bestRank) });
  text += tr("　優勝 {yusho}回　{record}　得点 {score}", { yusho: c.yusyo, record: winsAndLosses(c.wins, c.losses), score: c.score });
  return text + (c.retired ? tr("　（引退）") : "");
}

export function coverFactsText(c) {
  let text = tr("初土俵　{basho}場所\n", { basho: bashoName(c.firstNengo, c.firstMonth) });
  if (c.lastNengo !== 0) text += tr(c.retired ? "引退　{basho}場所\n" : "最新　{basho}場所\n", { basho: bashoName(c.lastNengo, c.lastMonth) });
  return text + tr("最高位　{rank}\n通算　{record}　優勝 {yusho}回", { rank: c.bestRank, record: winsAndLosses(c.wins, c.losses), yusho: c.yusyo });
}

// Four to a line, so that no name is broken.
export function coverAchievementsText(c) {
  if (c.achievements.length === 0) return tr("達成：まだなし");
  return tr("達成：") + c.achievements.map((a, i) =>
    (i === 0 ? "" : i % 4 === 0 ? tr("\n　　　") : tr("　")) + tr("{name}（{basho}）", { name: a.name, basho: bashoName(a.nengo, a.month) })).join("");
}

// The same as pieces, the label first, for a language whose feats' names
// are longer (any but Japanese): they run on, each kept whole, and wrap only
// between two of them.
export function coverAchievementPieces(c) {
  if (c.achievements.length === 0) return [tr("達成：まだなし")];
  return [tr("達成："), ...c.achievements.map((a) => tr("{name}（{basho}）", { name: a.name, basho: bashoName(a.nengo, a.month) }))];
}

// The columns of 歴代の力士: each its text and the key it sorts by.
export const pastColumns = (words) => [
  (c) => [c.shikona, c.career], (c) => [bashoName(c.firstNengo, c.firstMonth), c.career],
  (c) => [c.basho, c.basho], (c) => [rankText(words, c.bestRank), c.bestRank ? 6 - c.bestRank : 0],
  (c) => [c.yusyo, c.yusyo], (c) => [winsAndLosses(c.wins, c.losses), c.wins],
  (c) => [c.score, c.score], (c) => [c.retired ? tr("引退") : "—", c.retired ? 1 : 0],
];

// The careers in the order of a column, downwards or up; ties by career.
export function sortedCareers(careers, columns, { column, down }) {
  const key = columns[column];
  return [...careers].sort((a, b) => (key(a)[1] - key(b)[1]) * (down ? -1 : 1) || a.career - b.career);
}
