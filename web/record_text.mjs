// The words of the record's windows for its numbers, as the desktop writes
// them: months, records of wins and losses, the summary line, the cover's
// facts and feats, the home's glance, and the order of 歴代の力士. Plain
// functions over the core's values; the rank words come from the core.

// 2020年3月
export const bashoName = (nengo, month) => `${nengo}年${month}月`;
// 9勝6敗
export const winsAndLosses = (wins, losses) => `${wins}勝${losses}敗`;
// 横綱 for 1 down to 前頭 for 5, of the core's words; "" for any other code.
export const rankText = (words, rank) => (rank >= 1 && rank <= words.length ? words[rank - 1] : "");

// SavedGameLabel's two lines, or "" without details.
export function savedGameText(glance) {
  if (!glance.shikona) return "";
  return `${glance.shikona}　${glance.rank}\n${bashoName(glance.nengo, glance.month)}場所まで`;
}

export function summaryText(words, c) {
  let text = `${c.shikona}　初土俵 ${bashoName(c.firstNengo, c.firstMonth)}　${c.basho}場所`;
  if (c.bestRank) text += `　最高位 ${rankText(words, c.bestRank)}`;
  text += `　優勝 ${c.yusyo}回　${winsAndLosses(c.wins, c.losses)}　得点 ${c.score}`;
  return text + (c.retired ? "　（引退）" : "");
}

export function coverFactsText(c) {
  let text = `初土俵　${bashoName(c.firstNengo, c.firstMonth)}場所\n`;
  if (c.lastNengo !== 0) text += `${c.retired ? "引退" : "最新"}　${bashoName(c.lastNengo, c.lastMonth)}場所\n`;
  return text + `最高位　${c.bestRank}\n通算　${winsAndLosses(c.wins, c.losses)}　優勝 ${c.yusyo}回`;
}

// Four to a line, so that no name is broken.
export function coverAchievementsText(c) {
  if (c.achievements.length === 0) return "達成：まだなし";
  return "達成：" + c.achievements.map((a, i) =>
    (i === 0 ? "" : i % 4 === 0 ? "\n　　　" : "　") + `${a.name}（${bashoName(a.nengo, a.month)}）`).join("");
}

// The columns of 歴代の力士: each its text and the key it sorts by.
export const pastColumns = (words) => [
  (c) => [c.shikona, c.career], (c) => [bashoName(c.firstNengo, c.firstMonth), c.career],
  (c) => [c.basho, c.basho], (c) => [rankText(words, c.bestRank), c.bestRank ? 6 - c.bestRank : 0],
  (c) => [c.yusyo, c.yusyo], (c) => [winsAndLosses(c.wins, c.losses), c.wins],
  (c) => [c.score, c.score], (c) => [c.retired ? "引退" : "—", c.retired ? 1 : 0],
];

// The careers in the order of a column, downwards or up; ties by career.
export function sortedCareers(careers, columns, { column, down }) {
  const key = columns[column];
  return [...careers].sort((a, b) => (key(a)[1] - key(b)[1]) * (down ? -1 : 1) || a.career - b.career);
}
