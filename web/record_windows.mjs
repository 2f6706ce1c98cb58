// The career record's windows, named as the desktop's: 力士の記録
// (frmCareerRecord: the cover, the trajectory, the basho and the rivals),
// 歴代の力士 (frmPastCareers) and 資料館 (frmArchive). They read the record
// through the core and are read again after each write while open.
import * as core from "./core.mjs";
import { onItem } from "./menu.mjs";
import {
  bashoName, coverAchievementPieces, coverAchievementsText, coverFactsText, pastColumns, rankText, sortedCareers,
  summaryText, winsAndLosses,
} from "./record_text.mjs";
import { trajectorySvg } from "./trajectory.mjs";
import { inWindow, named } from "./windows.mjs";
import { currentLanguage, tr } from "./language.mjs";

let rankWords = [];
let shown = null; // the career frmCareerRecord shows, or null for the running one
const pastOrder = { column: 6, down: true }; // the best score first

const rankOf = (rank) => rankText(rankWords, rank);

// The record's windows stack above the board, the last opened on top, and
// always below the game's own windows (z-index 50 and up), however often
// they open.
const kRecordWindows = ["frmCareerRecord", "frmPastCareers", "frmArchive"];

function openRecordWindow(w) {
  const el = named(w);
  el.hidden = false;
  const below = kRecordWindows.filter((o) => o !== w).sort((a, b) => named(a).style.zIndex - named(b).style.zIndex);
  [...below, w].forEach((o, i) => (named(o).style.zIndex = 15 + i));
  inWindow(w, "Close").focus();
}

function cell(text, number = false) {
  const td = document.createElement("td");
  td.textContent = text;
  if (number) td.className = "number";
  return td;
}

function fillTable(w, table, rows) {
  inWindow(w, table).tBodies[0].replaceChildren(...rows.map((cells) => {
    const tr = document.createElement("tr");
    tr.append(...cells);
    return tr;
  }));
}

function showAchievements(el, cover) {
  if (currentLanguage() === "ja") {
    el.textContent = coverAchievementsText(cover);
    return;
  }
  el.replaceChildren(...coverAchievementPieces(cover).flatMap((piece, i) => {
    const span = document.createElement("span");
    span.className = "feat";
    span.textContent = piece;
    return i < 2 ? [span] : [tr("　"), span];
  }));
}

function fillCareer() {
  const w = "frmCareerRecord";
  rankWords = core.rankWords(); // in the language shown now
  const career = core.recordCareer(shown ?? 0);
  inWindow(w, "Summary").textContent = career ? summaryText(rankWords, career.summary) : tr("記録はまだありません。");
  const cover = career?.cover ?? null;
  inWindow(w, "Cover").hidden = !cover;
  inWindow(w, "KCard").disabled = !cover;
  if (cover) {
    inWindow(w, "CoverName").textContent = cover.shikona;
    inWindow(w, "CoverFacts").textContent = coverFactsText(cover);
    showAchievements(inWindow(w, "CoverAchievements"), cover);
    inWindow(w, "CoverBiography").textContent = cover.biography.join(currentLanguage() === "ja" ? "" : " ");
  }
  const basho = career?.basho ?? [];
  inWindow(w, "Trajectory").replaceChildren(trajectorySvg(basho, rankWords));
  fillTable(w, "BashoTable", basho.map((r) => [
    cell(bashoName(r.nengo, r.month)), cell(tr("{rank}（{slot}）", { rank: rankOf(r.rank), slot: r.slot })),
    cell(winsAndLosses(r.wins, r.losses)), cell(r.champion ? tr("優勝") : "")]));
  fillTable(w, "RivalsTable", (career?.rivals ?? []).map((r) => [
    cell(r.opponent), cell(r.bouts, true), cell(r.wins, true), cell(r.losses, true)]));
  return career;
}

// The career shown (for the card), as the core gave it.
export const shownCareer = () => core.recordCareer(shown ?? 0);

// A career opens on its cover.
export function showCareer(career) {
  shown = career;
  fillCareer();
  openRecordWindow("frmCareerRecord");
  named("frmCareerRecord").querySelector(".body").scrollTop = 0;
}

const showCurrent = () => showCareer(null);

function fillPast() {
  const w = "frmPastCareers";
  rankWords = core.rankWords();
  const columns = pastColumns(rankWords);
  const careers = sortedCareers(core.recordCareers(), columns, pastOrder);
  fillTable(w, "CareersTable", careers.map((c) =>
    columns.map((column, i) => cell(column(c)[0], i >= 2 && i <= 6))));
  inWindow(w, "CareersTable").tBodies[0].querySelectorAll("tr").forEach((tr, i) => {
    tr.dataset.career = careers[i].career;
  });
}

function fillArchive() {
  const w = "frmArchive";
  const tallies = core.recordTallies();
  fillTable(w, "AchievementsTable", tallies.map((t) => {
    const known = t.name !== "";
    return [cell(known ? t.name : tr("「？？？」")), cell(tr("{count}人", { count: t.careers }), true),
      cell(known ? `${t.firstCareer}. ${t.shikona}` : ""), cell(known ? bashoName(t.nengo, t.month) : "")];
  }));
  const earned = tallies.filter((t) => t.name !== "").length;
  inWindow(w, "Tally").textContent = tr("{count} の記録のうち {earned} を達成", { count: tallies.length, earned });
}

// The open windows read again, after the record has written.
export function refreshRecordWindows() {
  if (!named("frmCareerRecord").hidden) fillCareer();
  if (!named("frmPastCareers").hidden) fillPast();
  if (!named("frmArchive").hidden) fillArchive();
}

function bindPast() {
  const w = "frmPastCareers";
  const table = inWindow(w, "CareersTable");
  const selected = () => table.tBodies[0].querySelector("tr.selected");
  table.tBodies[0].addEventListener("click", (e) => {
    const tr = e.target.closest("tr");
    if (!tr) return;
    selected()?.classList.remove("selected");
    tr.classList.add("selected");
  });
  const open = () => {
    const tr = selected();
    if (tr) showCareer(Number(tr.dataset.career));
  };
  table.tBodies[0].addEventListener("dblclick", open);
  inWindow(w, "OpenButton").onclick = open;
  table.tHead.querySelectorAll("th").forEach((th, column) => {
    th.onclick = () => {
      pastOrder.down = pastOrder.column === column ? !pastOrder.down : true;
      pastOrder.column = column;
      fillPast();
    };
  });
}

// The menu's items KC1, KH2 and KA2, and the windows' buttons; `card` makes
// the card of the career shown.
export function bindRecordWindows(card) {
  onItem("KC1", showCurrent);
  onItem("KH2", () => {
    fillPast();
    openRecordWindow("frmPastCareers");
  });
  onItem("KA2", () => {
    fillArchive();
    openRecordWindow("frmArchive");
  });
  for (const w of kRecordWindows)
    inWindow(w, "Close").onclick = () => (named(w).hidden = true);
  inWindow("frmCareerRecord", "KCard").onclick = () => card(shownCareer());
  bindPast();
}
