// The rank trajectory of a career, as the desktop's chart draws it: one point
// a basho at its slot of the banzuke (slot 1 at the top), coloured by rank,
// a star for each championship, the points joined by a grey line. The
// geometry is plain numbers, for the record's window (SVG) and the card
// (canvas) alike.
import { tr } from "./language.mjs";

// 横綱 to 前頭.
export const kRankColours = ["#8e2424", "#c86a1e", "#3b7d3b", "#2f6da8", "#6b6b6b"];
export const kStarColour = "#e0b010";
export const kLineColour = "#999999";
const kSlots = 32;

// The points of `rows` ({seq, slot, rank, champion}) in a plot of this size
// inside `margin` {left, top, right, bottom}: {x, y, colour, champion} each,
// and the x of each tick of the basho axis.
export function trajectoryPoints(rows, width, height, margin) {
  const count = rows.length;
  const span = count < 2 ? 2 : count + 1;
  const plotWidth = width - margin.left - margin.right;
  const plotHeight = height - margin.top - margin.bottom;
  const xOf = (seq) => margin.left + (seq / span) * plotWidth;
  const yOf = (slot) => margin.top + ((slot - 0.5) / kSlots) * plotHeight;
  const points = rows.map((r) => ({
    x: xOf(r.seq),
    y: yOf(Math.min(Math.max(r.slot, 1), kSlots)),
    colour: kRankColours[r.rank - 1] ?? kLineColour,
    champion: Boolean(r.champion),
  }));
  const step = count <= 10 ? 1 : count <= 50 ? 5 : 10;
  const ticks = [];
  for (let seq = 0; seq <= span; seq += step) ticks.push({ seq, x: xOf(seq) });
  const slotTicks = [];
  for (let slot = 1; slot <= kSlots; slot += 4) slotTicks.push({ slot, y: yOf(slot) });
  return { points, ticks, slotTicks };
}

// The five points of a star of outer radius r about (x, y), as x,y pairs.
export function starPoints(x, y, r) {
  const corners = [];
  for (let i = 0; i < 10; i++) {
    const radius = i % 2 === 0 ? r : r * 0.45;
    const angle = -Math.PI / 2 + (i * Math.PI) / 5;
    corners.push([x + radius * Math.cos(angle), y + radius * Math.sin(angle)]);
  }
  return corners;
}

const kSvg = "http://www.w3.org/2000/svg";

function node(name, attributes, text) {
  const el = document.createElementNS(kSvg, name);
  for (const [key, value] of Object.entries(attributes)) el.setAttribute(key, value);
  if (text !== undefined) el.textContent = text;
  return el;
}

// The chart of the record's window: axes with their titles, the legend of
// ranks below.
export function trajectorySvg(rows, rankWords) {
  const width = 416, height = 210;
  const margin = { left: 28, top: 16, right: 8, bottom: 40 };
  const { points, ticks, slotTicks } = trajectoryPoints(rows, width, height, margin);
  const svg = node("svg", { viewBox: `0 0 ${width} ${height}`, "data-name": "TrajectoryChart", role: "img" });
  svg.append(node("text", { x: width / 2, y: 11, "text-anchor": "middle", "font-size": 11 }, tr("番付の推移")));
  const bottom = height - margin.bottom;
  svg.append(node("rect", { x: margin.left, y: margin.top, width: width - margin.left - margin.right,
    height: bottom - margin.top, fill: "none", stroke: "#c8c8c8" }));
  for (const t of ticks)
    svg.append(node("text", { x: t.x, y: bottom + 10, "text-anchor": "middle", "font-size": 8 }, String(t.seq)));
  for (const t of slotTicks)
    svg.append(node("text", { x: margin.left - 3, y: t.y + 3, "text-anchor": "end", "font-size": 8 }, String(t.slot)));
  svg.append(node("text", { x: width / 2, y: bottom + 20, "text-anchor": "middle", "font-size": 8 }, tr("場所")));
  if (points.length > 1)
    svg.append(node("polyline", { points: points.map((p) => `${p.x},${p.y}`).join(" "), fill: "none",
      stroke: kLineColour, "stroke-width": 1 }));
  const radius = rows.length > 60 ? 2 : 3;
  for (const p of points) {
    svg.append(node("circle", { cx: p.x, cy: p.y, r: radius, fill: p.colour, class: "basho" }));
    if (p.champion)
      svg.append(node("polygon", { points: starPoints(p.x, p.y, 7).map((c) => c.join(",")).join(" "),
        fill: kStarColour, stroke: "#806000", "stroke-width": 0.6, class: "champion" }));
  }
  // The legend: each rank's colour, and the star.
  const legend = [...rankWords.map((w, i) => [w, kRankColours[i]]), [tr("優勝"), kStarColour]];
  legend.forEach(([word, colour], i) => {
    const x = margin.left + i * 62, y = height - 8;
    svg.append(node("circle", { cx: x + 4, cy: y - 3, r: 3.5, fill: colour }));
    svg.append(node("text", { x: x + 11, y, "font-size": 9 }, word));
  });
  return svg;
}
